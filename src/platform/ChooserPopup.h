// A small popup under a grid's cell: a line to type into over a list that narrows to the
// choices matching what is typed, the first one left chosen. Up and Down walk the list, Enter
// chooses, Escape closes; the window that opens it says what a choice does.
#pragma once

#include <QFrame>
#include <QVariant>

class QLineEdit;
class QListWidget;

namespace kumo {

class ChooserPopup : public QFrame {
 public:
  // Narrows the list to the choices matching text; the first one left is chosen.
  void Narrow(const QString& text);
  // How many choices are left.
  int ChoiceCount() const;
  // Closes and hands the chosen one, if any is left, to Done.
  void Choose();

 protected:
  ChooserPopup(QWidget* parent, const char* name);

  // Fills the list anew and opens at place (global) with typed in the line and prompt shown
  // while it is empty; when typed already settles the choice, chooses without opening.
  void PopUp(const QPoint& place, const QString& typed, const QString& prompt = {});
  void AddChoice(const QString& shown, const QString& searched, const QVariant& value,
                 bool dim = false);

  virtual void Fill() = 0;
  // Whether a choice matches what is typed: by default, its searched text holds it.
  virtual bool Matches(const QString& searched, const QVariant& value, const QString& typed) const;
  // Whether what is typed settles the choice at once.
  virtual bool Settled(const QString& typed) const;
  // After the popup closed: the chosen value, or an invalid one when nothing was chosen.
  virtual void Done(const QVariant& chosen) = 0;

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Typed(const QString& text);

  QLineEdit* edtName_ = nullptr;
  QListWidget* lbxChoices_ = nullptr;
};

}  // namespace kumo
