// The chooser that the edit table opens at its cursor: the subjects and symbols narrowed to
// those whose names hold what the user types; Enter enters the chosen one as the subject and
// symbol palette does.
#pragma once

#include <QFrame>

class QLineEdit;
class QListWidget;

namespace kumo {

class KumoApp;

class SubjectChooser : public QFrame {
 public:
  explicit SubjectChooser(KumoApp& app, QWidget* parent);

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

  KumoApp& app_;
  QLineEdit* edtName_ = nullptr;
  QListWidget* lbxChoices_ = nullptr;
};

}  // namespace kumo
