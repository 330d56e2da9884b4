// The Edit menu of the main window: walking the history, erasing and filling a range,
// selecting the table, clearing the stacks, and the entries of the line tools.
#include "editing/KumoCexc.h"
#include "editing/KumoEdit.h"
#include "editing/KumoLh.h"
#include "shell/KumoApp.h"
#include "shell/KumoMain.h"
#include "views/KumoCl.h"
#include "views/KumoCls.h"
#include "views/KumoHlSt.h"
#include "views/KumoPicS.h"
#include "views/KumoStck.h"
#include "views/KumoTe.h"
#include "views/KumoTes.h"

namespace kumo {

namespace {

// The classes overview row a piece touches: a class piece's own class; a subject piece shows
// in the row of the cursor line's homeroom class.
void RenewClassOf(KumoApp& app, const PeriodCell& piece) {
  const TKumData& doc = app.doc;
  if (piece.IsClass()) {
    app.frmClasses->RenewClass(piece.Kind, piece.Item);
  } else if (piece.Kind == KindSubject) {
    const TeacherLine& line = doc.Lines[doc.CurLine];
    app.frmClasses->RenewClass(line.Grade, line.Homeroom);
  }
}

// What a history step changed, shown again: the cell and the hand, their classes and lines.
void ShowStep(KumoApp& app) {
  TKumData& doc = app.doc;
  RenewClassOf(app, doc.Cell(doc.CurLine, doc.CurPeriod));
  RenewClassOf(app, doc.Hand.Piece);
  app.frmEdit->RedrawCursorCell();
  app.frmEdit->ShowHand();
  app.frmTeachers->RenewCurrentLine();
}

// The views after a step; the holding window is rebuilt whole, because a step may have moved
// every held piece by one place.
void ShowStepRows(KumoApp& app) {
  TKumData& doc = app.doc;
  app.doc.Modified = true;
  app.frmStack->ShowStackRow(doc.HistoryPos - 1);
  app.frmHoldingStack->ShowHoldingRow(doc.HoldingCount - 1);
  app.frmClass->RenewView();
  app.frmTeacher->RenewView();
  app.frmHoldingStack->RenewHolding();
}

}  // namespace

void TfrmKumo::mnuEditClick() {
  const bool range = !app_.frmEdit->Selection().SingleCell();
  SetEnabled({"mnuEditFill"}, range);
  SetEnabled({"mnuEditLineHead"}, !range);
}

void TfrmKumo::mnuEditBackClick() {
  TKumData& doc = app_.doc;
  const int before = doc.HistoryPos;
  if (before > 1) doc.StepBack();
  // At the start, or refused by the document (it beeps itself then).
  if (before == 1 || doc.HistoryPos == before) {
    if (before == 1) app_.platform.Beep();
    app_.frmEdit->FocusTable();
    return;
  }
  ShowStep(app_);
  EnableForwardCommands();
  if (doc.HistoryPos == 1) DisableBackCommands();
  ShowStepRows(app_);
  app_.frmEdit->FocusTable();
}

void TfrmKumo::mnuEditForwardClick() {
  TKumData& doc = app_.doc;
  const int before = doc.HistoryPos;
  if (before < doc.HistoryEnd) doc.StepForward();
  if (doc.HistoryPos == before) {
    if (before == doc.HistoryEnd) app_.platform.Beep();
    app_.frmEdit->FocusTable();
    return;
  }
  ShowStep(app_);
  EnableBackCommands();
  if (doc.HistoryPos == doc.HistoryEnd) DisableForwardCommands();
  ShowStepRows(app_);
  app_.frmEdit->FocusTable();
}

// Each step is painted before the next; a step the document refuses ends the walk.
void TfrmKumo::mnuEditHomeClick() {
  TKumData& doc = app_.doc;
  while (doc.HistoryPos > 1) {
    const int before = doc.HistoryPos;
    mnuEditBackClick();
    app_.platform.ProcessMessages();
    if (doc.HistoryPos == before) break;
  }
}

void TfrmKumo::mnuEditEndClick() {
  TKumData& doc = app_.doc;
  while (doc.HistoryPos < doc.HistoryEnd) {
    const int before = doc.HistoryPos;
    mnuEditForwardClick();
    app_.platform.ProcessMessages();
    if (doc.HistoryPos == before) break;
  }
}

// Every erased piece is one recorded lift, so Back brings the pieces back one by one.
void TfrmKumo::mnuEditEraceClick() {
  TKumData& doc = app_.doc;
  TfrmEdit& edit = *app_.frmEdit;
  // A carried piece would be put down or exchanged instead of a lift.
  if (!doc.Hand.Piece.IsEmpty()) return;
  if (app_.platform.MessageBox(BoxType::Warning, Buttons::OkCancel,
                               "選択範囲を消去します。よろしいか") != Answer::Ok) {
    return;
  }
  const GridRect range = edit.Selection();
  app_.QuietMoves = true;
  for (int row = range.Top; row <= range.Bottom; ++row) {
    for (int col = range.Left; col <= range.Right; ++col) {
      doc.CurLine = static_cast<Byte>(LineOfRow(row));
      doc.CurPeriod = static_cast<Byte>(PeriodOfCol(col));
      edit.SyncGridCursor();
      edit.sgrEditDblClick();
      if (IsCellPlace(doc.CurLine, doc.CurPeriod)) doc.CursorCell().Flags = 0;
      // The whole piece goes, so that no flag of it comes back with the next lift.
      doc.Hand.Piece = {};
    }
  }
  app_.QuietMoves = false;
  edit.RedrawTable();
  doc.Modified = true;
}

void TfrmKumo::mnuEditFillClick() {
  app_.frmPickS->show();
  app_.frmPickS->activateWindow();
}

void TfrmKumo::mnuEditAllClick() {
  // The cursor would leave the carried piece's line for the last one.
  if (!app_.doc.Hand.Piece.IsEmpty()) {
    app_.platform.Beep();
    return;
  }
  StringGrid& grid = app_.frmEdit->EditGrid();
  grid.SetSelection({ColOfPeriod(1), RowOfLine(1), grid.ColCount() - 1, grid.RowCount() - 1});
}

void TfrmKumo::mnuEditStackClearClick() {
  app_.doc.ClearHistory();
}

void TfrmKumo::mnuEditHoldingClearClick() {
  app_.doc.ClearHolding();
}

void TfrmKumo::mnuEditLineHeadClick() {
  app_.frmLineHead->show();
}

void TfrmKumo::mnuColumExchangeClick() {
  app_.frmColumExchange->OpenColumnExchange();
}

}  // namespace kumo
