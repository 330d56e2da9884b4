// The line header editor: appends, inserts, changes and cuts teacher lines. A cut line waits in
// a one-line buffer until the next append or insert takes it, which is how lines are moved.
#pragma once

#include <QWidget>
#include <optional>

#include "document/Prompter.h"
#include "document/Records.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace kumo {

class TKumData;
class Platform;
class MainCommands;
class RadioGroup;

class TfrmLineHead : public QWidget {
 public:
  TfrmLineHead(TKumData& doc, Platform& platform, MainCommands& main);

  // "取込", also run when the window is shown: the fields from the current line.
  void btnRenewClick();
  void btnAddClick();
  void btnInsertClick();
  void btnChangeClick();
  void btnDelClick();
  void btnClearClick();
  void btnStackClearClick();
  // A click into the name empties it, for the next teacher's name.
  void edtNameClick();

  // The cut line; kept when the window closes.
  const TeacherLine& LineBuffer() const { return LineBuffer_; }
  bool BufferFull() const { return BufferFull_; }

 protected:
  void showEvent(QShowEvent* event) override;
  // The close question (FormCloseQuery), then FormClose.
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Escape closes the window as 閉じる does.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildControls();
  QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption,
                         const QString& hint, const QRect& place, void (TfrmLineHead::*click)());
  void FillSubjects();
  // The header made from the fields onto line; nothing, after an error box, when the name holds
  // a character the timetable cannot store.
  std::optional<TeacherLine> FromFields(TeacherLine line, bool appending);
  // The line an append or insert puts in: the buffered one, else a blank line with the fields.
  std::optional<TeacherLine> NewLine(bool appending);
  // Cut and insert only while the history is empty: its entries name lines by number.
  bool HistoryEmpty() const;
  // A piece move made while the window stayed open may have filled the history since it was
  // shown: then beep and show Cut and Insert disabled.
  bool RefuseWithHistory();
  // The controls' states from the buffer and the history.
  void ShowState();
  // An append or insert took the line: the buffer is free again.
  void LineTaken();
  // The keyboard to the first field, the grade, for the next teacher.
  void FocusGrade();

  TKumData& doc_;
  Platform& platform_;
  MainCommands& main_;
  TeacherLine LineBuffer_{};
  bool BufferFull_ = false;
  bool centred_ = false;  // placed in the middle of the screen at the first showing

  RadioGroup* rgrGrade_ = nullptr;
  QListWidget* lbxSubject_ = nullptr;
  QLineEdit* edtName_ = nullptr;
  std::string shownName_;  // the CP932 name last put into edtName_
  QListWidget* lbxCharge_ = nullptr;
  QPushButton* btnRenew_ = nullptr;
  QPushButton* btnClear_ = nullptr;
  QPushButton* btnAdd_ = nullptr;
  QPushButton* btnInsert_ = nullptr;
  QPushButton* btnChange_ = nullptr;
  QPushButton* btnDel_ = nullptr;
};

}  // namespace kumo
