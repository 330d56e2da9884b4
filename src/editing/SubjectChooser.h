// The chooser that the edit table opens at its cursor: the subjects and symbols narrowed to
// those whose names hold what the user types; Enter enters the chosen one as the subject and
// symbol palette does.
#pragma once

#include <QFrame>

class QLineEdit;
class QListWidget;

namespace kumo {

class TKumData;
class TfrmEdit;

class SubjectChooser : public QFrame {
 public:
  // A popup of the edit table edit.
  SubjectChooser(TKumData& doc, TfrmEdit& edit);

  // Shows every subject and symbol beside the edit table's cursor cell.
  void Open();
  // Narrows the list to the names holding text; the first one left is chosen.
  void Narrow(const QString& text);
  // How many choices are left.
  int ChoiceCount() const;
  // Enters the chosen one into the cursor cell, or fills the selected range, and closes.
  void Choose();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Fill();

  TKumData& doc_;
  TfrmEdit& edit_;
  QLineEdit* edtName_ = nullptr;
  QListWidget* lbxChoices_ = nullptr;
};

}  // namespace kumo
