// The main window: the menu bar and speed buttons, the command states, the file commands and
// the renewal of every view.
#pragma once

#include <QMainWindow>
#include <functional>
#include <initializer_list>

#include "document/DocumentViews.h"

namespace kumo {

class KumoApp;

class TfrmKumo : public QMainWindow, public DocumentViews {
 public:
  explicit TfrmKumo(KumoApp& app);

  // The start-up of the first showing: settings, the start-up timetable, the views.
  void Start();

  void EnableDocumentCommands() { SetDocumentCommands(true); }
  void DisableDocumentCommands() { SetDocumentCommands(false); }
  void EnableBackCommands() override { SetBackCommands(true); }
  void DisableBackCommands() override { SetBackCommands(false); }
  void EnableForwardCommands() override { SetForwardCommands(true); }
  void DisableForwardCommands() override { SetForwardCommands(false); }
  void EnableErase() { SetEnabled({"mnuEditErace"}, true); }
  void DisableErase() { SetEnabled({"mnuEditErace"}, false); }

  // Loads the timetable named by the document's FileName and sets the window up for it.
  void OpenDocument();
  void RefreshAllViews() override;
  void HoldingCleared() override;

  void mnuFileNewClick();
  void mnuFileOpenClick();
  void mnuFileSaveClick();
  void mnuFileSaveAsClick();
  void mnuFileCloseClick();
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
  void mnuViewRenewClick();

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
  void BuildSpeedButtons();
  void FitToBar();
  // Runs one command; a file failure ends it with the error box. False when it failed.
  bool Run(const std::function<void()>& command);
  void SetEnabled(std::initializer_list<const char*> names, bool enabled);
  void SetDocumentCommands(bool enabled);
  void SetBackCommands(bool enabled);
  void SetForwardCommands(bool enabled);
  void ShowDocumentCaption();
  // The Close command; false when the user cancelled at its question.
  bool CloseDocument();
  // The state after Close: an empty document and the document commands disabled.
  void ShowNoDocument();
  // The close question; true when the program may end.
  bool CloseQuery();

  KumoApp& app_;
  bool started_ = false;
};

}  // namespace kumo
