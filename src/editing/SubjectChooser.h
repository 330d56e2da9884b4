// The chooser that the edit table opens at its cursor: the subjects and symbols narrowed to
// those whose names hold what the user types; Enter enters the chosen one as the subject and
// symbol palette does.
#pragma once

#include "platform/ChooserPopup.h"

namespace kumo {

class KumoApp;

class SubjectChooser : public ChooserPopup {
 public:
  explicit SubjectChooser(KumoApp& app, QWidget* parent);

  // Shows every subject and symbol beside the edit table's cursor cell.
  void Open();

 protected:
  void Fill() override;
  // Enters the chosen one into the cursor cell, or fills the selected range.
  void Done(const QVariant& chosen) override;

 private:
  KumoApp& app_;
};

}  // namespace kumo
