#include "shell/WindowLinks.h"

#include "editing/KumoEdit.h"
#include "editing/KumoMic.h"
#include "output/KumoEnv.h"
#include "output/KumoExp.h"
#include "output/KumoPrn.h"
#include "shell/KumoApp.h"
#include "shell/KumoMain.h"
#include "views/KumoCl.h"
#include "views/KumoCls.h"
#include "views/KumoEdS.h"
#include "views/KumoEdSi.h"
#include "views/KumoTe.h"
#include "views/KumoTes.h"

namespace kumo {

void WindowLinks::RunEditCommand(EditCommand command) {
  TfrmKumo& main = *app_.frmKumo;
  switch (command) {
    case EditCommand::Back:
      main.mnuEditBackClick();
      break;
    case EditCommand::Forward:
      main.mnuEditForwardClick();
      break;
    case EditCommand::Home:
      main.mnuEditHomeClick();
      break;
    case EditCommand::End:
      main.mnuEditEndClick();
      break;
    case EditCommand::Erase:
      main.mnuEditEraceClick();
      break;
    case EditCommand::Fill:
      main.mnuEditFillClick();
      break;
    case EditCommand::LineHead:
      main.mnuEditLineHeadClick();
      break;
    case EditCommand::ColumnExchange:
      main.mnuColumExchangeClick();
      break;
    case EditCommand::ClearStack:
      main.mnuEditStackClearClick();
      break;
  }
}

bool WindowLinks::Run(const std::function<void()>& command) {
  return app_.frmKumo->Run(command);
}

void WindowLinks::EnableMain(bool enabled) {
  app_.frmKumo->setEnabled(enabled);
}

bool WindowLinks::TimetableOpen() const {
  return app_.frmKumo->TimetableOpen();
}

void WindowLinks::FocusTable() {
  app_.frmEdit->FocusTable();
}

void WindowLinks::Tell(const std::string& done) {
  app_.frmEdit->Tell(done);
}

bool WindowLinks::SingleCellSelected() const {
  return app_.frmEdit->Selection().SingleCell();
}

CellRange WindowLinks::SelectedCells() const {
  return app_.frmEdit->SelectedCells();
}

void WindowLinks::EditLessonDetails(bool singleCell) {
  if (singleCell) {
    app_.dlgMicro->RunForCell();
  } else {
    app_.dlgMicro->RunForRange();
  }
}

void WindowLinks::ShowTeacher(int line) {
  app_.frmTeacher->ShowOne(line);
}

void WindowLinks::OpenTeacher(int line) {
  app_.frmTeacher->ShowOne(line);
  app_.frmTeacher->show();
}

void WindowLinks::ShowClass(int entry) {
  app_.frmClass->ShowOne(entry);
}

void WindowLinks::OpenEnvironment(EnvironmentPage page) {
  app_.dlgEnvironment->RunEnvironmentDialog(static_cast<int>(page));
}

void WindowLinks::PrintNotices() {
  TdlgPrintOut& print = *app_.dlgPrintOut;
  print.ChooseNotices();
  app_.frmKumo->Run([&print] { print.RunPrintDialog(); });
}

void WindowLinks::ExportNotices() {
  TdlgExport& dialog = *app_.dlgExport;
  dialog.ChooseNotices();
  app_.frmKumo->Run([&dialog] { dialog.RunExportDialog(); });
}

void WindowLinks::EditSubject(int k, QPoint origin) {
  app_.dlgEditS->EditSubject(k, origin);
}

void WindowLinks::EditSymbol(int k, QPoint origin) {
  app_.dlgEditSi->EditSymbol(k, origin);
}

void WindowLinks::SetScrollBars(GridScrollBars bars) {
  app_.frmEdit->SetScrollBars(bars);
  app_.frmTeachers->Grid().SetScrollBars(bars);
  app_.frmClasses->Grid().SetScrollBars(bars);
}

}  // namespace kumo
