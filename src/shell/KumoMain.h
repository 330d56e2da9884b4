// The main window: the menu bar and speed buttons, the command states, the file commands and
// the renewal of every view.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

#include "base/FileStamp.h"
#include "document/DocumentChange.h"
#include "document/KumoHead.h"
#include "platform/Platform.h"

class QAction;
class QMenu;
class QToolButton;

namespace kumo {

class KumoApp;

class TfrmKumo : public QMainWindow, public DocumentObserver {
 public:
  // The menu items and speed buttons whose state changes, reached directly.
  struct Commands {
    QMenu* mnuEdit = nullptr;
    QMenu* mnuView = nullptr;
    QMenu* mnuWindow = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileSaveAs = nullptr;
    QAction* mnuFileClose = nullptr;
    QAction* mnuFilePrint = nullptr;
    QAction* mnuEditBack = nullptr;
    QAction* mnuEditForward = nullptr;
    QAction* mnuEditHome = nullptr;
    QAction* mnuEditEnd = nullptr;
    QAction* mnuEditErace = nullptr;
    QAction* mnuEditFill = nullptr;
    QAction* mnuEditAll = nullptr;
    QAction* mnuEditStackClear = nullptr;
    QAction* mnuEditLineHead = nullptr;
    QToolButton* sbnFileSave = nullptr;
    QToolButton* sbnPrint = nullptr;
    QToolButton* sbnHome = nullptr;
    QToolButton* sbnBack = nullptr;
    QToolButton* sbnForward = nullptr;
    QToolButton* sbnEnd = nullptr;
  };

  explicit TfrmKumo(KumoApp& app);

  // The start-up of the first showing: settings, the start-up timetable, the views.
  void Start();

  void EnableDocumentCommands() { SetDocumentCommands(true); }
  void DisableDocumentCommands() { SetDocumentCommands(false); }
  // Whether a timetable is open: the document commands are enabled exactly then.
  bool TimetableOpen() const { return timetableOpen_; }

  // Opens the timetable file and sets the window up for it.
  void OpenDocument(const std::string& file);
  // Every view renews whole, as after a document was opened.
  void RefreshAllViews();
  // The history commands and the commands a piece in hand rules out follow the document.
  void DocumentChanged(const DocumentChange& change) override;
  // Runs one command of any window; a file failure ends it with the error box. False when it
  // failed.
  bool Run(const std::function<void()>& command);
  // Whether a walk to either end of the history is under way.
  bool Walking() const { return walking_; }
  const Commands& Cmd() const { return cmd_; }

  void mnuFileNewClick();
  void mnuFileOpenClick();
  void mnuFileSaveClick();
  void mnuFileSaveAsClick();
  void mnuFileCloseClick();
  // The changes are shown against another timetable file from now on.
  void mnuFileCompareClick();
  void mnuFilePrintClick();
  void mnuFileExitClick();

  void mnuEditClick();
  void mnuEditBackClick();
  void mnuEditForwardClick();
  void mnuEditHomeClick();
  void mnuEditEndClick();
  void mnuEditEraceClick();
  void mnuEditFillClick();
  void mnuEditAllClick();
  void mnuEditStackClearClick();
  void mnuEditHoldingClearClick();
  void mnuEditLineHeadClick();
  void mnuColumExchangeClick();

  void mnuViewTeachersClick();
  void mnuViewClassesClick();
  void mnuViewTeacherClick();
  void mnuViewClassClick();
  void mnuViewPickChargeClick();
  void mnuViewPickSClick();
  void mnuViewStackClick();
  void mnuViewHoldingStackClick();
  void mnuViewChecksClick();
  void mnuViewRenewClick();
  void mnuViewZoomInClick();
  void mnuViewZoomOutClick();
  void mnuViewZoomResetClick();

  void mnuToolEnvClick();
  void mnuToolFileClick();

  void mnuWindowNormalClick();
  void mnuWindowPriorClick();
  void mnuWindowTripleClick();
  void mnuWindowFullClick();
  void mnuWindowDayClick();
  void mnuWindowMatchMainClick();
  void mnuWindowMatchEditClick();
  void mnuWindowCloseClick();

  void mnuHelpIndexClick();
  void mnuHelpKeyWordClick();
  void mnuHelpAboutClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  using Handler = void (TfrmKumo::*)();

  void BuildMenus();
  // Start once the window manager has framed the main window, or after waitsLeft short waits.
  static constexpr int FrameWaits = 25;
  void StartOnceFramed(int waitsLeft);
  void BuildSpeedButtons();
  void FitToBar();
  void SetDocumentCommands(bool enabled);
  void SetBackCommands(bool enabled);
  void SetForwardCommands(bool enabled);
  void SetHandCommands();
  // Home and End: steps until step() refuses or the end is reached. The views follow once per
  // display frame; the user's input waits until the walk ends.
  void Walk(bool (TKumData::*step)());
  void ShowDocumentCaption();
  // The Close command; false when the user cancelled at its question.
  bool CloseDocument();
  // The state after Close: an empty document and the document commands disabled.
  void ShowNoDocument();
  // Tells other programs that the timetable at path is open here. One
  // open elsewhere opens too when the user says so, without the lock; false when he would not.
  bool LockDocument(const std::string& path);
  // The file is no longer the open timetable's: its lock is released, its stamp forgotten.
  void ForgetFile();
  // Whether Save may write over the file: one that another program changed since it was opened
  // or saved here only when the user says so. Yes, or No for a save under another name.
  Answer OverwriteAnswer();
  // The close question; true when the program may end.
  bool CloseQuery();

  KumoApp& app_;
  Commands cmd_;
  std::unique_ptr<FileLock> lock_;
  std::optional<FileStamp> stamp_;  // the open file as it was read or last written here
  bool started_ = false;
  bool timetableOpen_ = false;
  bool walking_ = false;
  bool stopWalk_ = false;
};

}  // namespace kumo
