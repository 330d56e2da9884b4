// The chooser that the edit table opens at its cursor: the subjects and symbols narrowed to
// those whose names hold what the user types; Enter enters the chosen one as the subject and
// symbol palette does.
#pragma once

#include "platform/ChooserPopup.h"

namespace kumo {

class TKumData;
class TfrmEdit;

class SubjectChooser : public ChooserPopup {
 public:
  // A popup of the edit table edit.
  SubjectChooser(TKumData& doc, TfrmEdit& edit);

  // Shows every subject and symbol beside the edit table's cursor cell.
  void Open();

 protected:
  void Fill() override;
  // Enters the chosen one into the cursor cell, or fills the selected range.
  void Done(const QVariant& chosen) override;

 private:
  TKumData& doc_;
  TfrmEdit& edit_;
};

}  // namespace kumo
