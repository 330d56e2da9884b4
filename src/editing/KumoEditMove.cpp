// The piece move: lifting a piece into the hand, putting it down, exchanging it with another,
// and what follows when a class lands where another teacher already teaches it.
#include "editing/KumoEdit.h"
#include "shell/KumoApp.h"
#include "shell/KumoMain.h"
#include "views/KumoCl.h"
#include "views/KumoCls.h"
#include "views/KumoHlSt.h"
#include "views/KumoStck.h"
#include "views/KumoTe.h"
#include "views/KumoTes.h"

namespace kumo {

namespace {

struct Caution {
  PieceFlag flag;
  const char* text;
};

// Asked in this order; only the first that applies is asked.
constexpr Caution Cautions[] = {
    {Linked, "この授業はリンクされています。移動しますか"},
    {Continuous, "この授業は連続になっています。移動しますか"},
    {Team, "この授業はティームになっています。移動しますか"},
    {Attention, "この授業は注意！になっています。移動しますか"},
};

}  // namespace

void TfrmEdit::sgrEditDblClick() {
  if (!MoveAllowed()) return;
  MoveAction();
  FinishMove();
}

// The flags of the cursor cell guard it, whatever the cell and the hand hold.
bool TfrmEdit::MoveAllowed() {
  const TKumData& doc = app_.doc;
  // The blank row of a timetable without lines is not a line to move on.
  if (doc.CurLine < 1 || doc.CurLine > doc.LineCount || !IsCellPlace(doc.CurLine, doc.CurPeriod)) {
    return false;
  }
  if (app_.QuietMoves) return true;
  Platform& ui = app_.platform;
  const PeriodCell& cell = doc.Cell(doc.CurLine, doc.CurPeriod);
  if (cell.Has(Locked)) {
    ui.Beep();
    ui.MessageBox(BoxType::Error, Buttons::OkCancel,
                  "この授業はロックされています。移動できません");
    return false;
  }
  for (const Caution& caution : Cautions) {
    if (!cell.Has(caution.flag)) continue;
    ui.Beep();
    return ui.MessageBox(BoxType::Warning, Buttons::YesNoCancel, caution.text) == Answer::Yes;
  }
  return true;
}

void TfrmEdit::MoveAction() {
  const TKumData& doc = app_.doc;
  if (!doc.Cell(doc.CurLine, doc.CurPeriod).IsEmpty()) {
    LiftOrExchange();
  } else if (!doc.Hand.Piece.IsEmpty()) {
    PutDown();
  }
}

void TfrmEdit::LiftOrExchange() {
  TKumData& doc = app_.doc;
  PeriodCell& cell = doc.CursorCell();
  doc.Modified = true;
  std::swap(cell, doc.Hand.Piece);
  doc.Hand.FromLine = doc.CurLine;
  doc.Hand.FromPeriod = doc.CurPeriod;
  RedrawCursorCell();
  const PeriodCell& lifted = doc.Hand.Piece;
  if (lifted.IsClass()) app_.frmClasses->RenewClass(lifted.Kind, lifted.Item);
  doc.PushHistory();
  if (!cell.IsClass()) return;
  const std::optional<int> clash = doc.FindCellClash();
  if (!clash) return;
  app_.platform.Beep();
  if (!app_.options.AutoLocate) return;
  // With the holding stack full the lifted piece would stay in the hand while the cursor left
  // its line: it stays on its line instead, and nothing else is lifted.
  if (doc.HoldingCount >= MaxHolding) {
    app_.platform.Beep();
    return;
  }
  doc.HoldPush();
  doc.CurLine = static_cast<Byte>(*clash);
  SyncGridCursor();
  MoveAgainOnClash();
}

void TfrmEdit::PutDown() {
  TKumData& doc = app_.doc;
  PeriodCell& cell = doc.CursorCell();
  doc.Modified = true;
  std::swap(cell, doc.Hand.Piece);
  RedrawCursorCell();
  if (cell.IsClass()) app_.frmClasses->RenewClass(cell.Kind, cell.Item);
  doc.PushHistory();
  if (const std::optional<int> clash = doc.FindCellClash()) {
    app_.platform.Beep();
    if (!app_.options.AutoLocate) return;
    doc.CurLine = static_cast<Byte>(*clash);
    SyncGridCursor();
    MoveAgainOnClash();
    return;
  }
  // The hand is free again: the piece put aside last comes back, at the place it came from.
  doc.HoldPop();
  if (doc.Hand.Piece.IsEmpty()) return;
  doc.CurPeriod = doc.Hand.FromPeriod;
  doc.CurLine = doc.Hand.FromLine;
  SyncGridCursor();
  RedrawCursorCell();
}

// The cursor stands on the clashing line: lift its piece at once. Only after the cursor went
// there, or the move would undo itself on the cell it just changed.
void TfrmEdit::MoveAgainOnClash() {
  if (!app_.options.AutoExchange) return;
  TKumData& doc = app_.doc;
  doc.HistoryEnd = doc.HistoryPos;
  app_.frmStack->ShowStackRow(doc.HistoryPos - 1);
  if (MoveAllowed()) MoveAction();
}

void TfrmEdit::FinishMove() {
  TKumData& doc = app_.doc;
  doc.HistoryEnd = doc.HistoryPos;
  ShowHand();
  app_.frmStack->ShowStackRow(doc.HistoryPos - 1);
  app_.frmStack->ClearStackTail();
  app_.frmKumo->DisableForwardCommands();
  app_.frmHoldingStack->RenewHolding();
  app_.frmTeachers->RenewCurrentLine();
  app_.frmClass->RenewView();
  app_.frmTeacher->RenewView();
}

}  // namespace kumo
