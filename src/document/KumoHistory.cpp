// The move history and the holding stack of the document.
#include "document/DocumentViews.h"
#include "document/KumoHead.h"

namespace kumo {

void TKumData::PushHistory() {
  // A cursor off the table cannot be replayed; such a step is left unrecorded like one past the
  // limit.
  if (HistoryPos >= MaxHistory || !IsCellPlace(CurLine, CurPeriod)) {
    prompter_.Beep();
  } else {
    HistoryEntry& e = History[HistoryPos];
    e.Line = CurLine;
    e.Period = CurPeriod;
    e.Cell = Cell(CurLine, CurPeriod);
    e.Hand = Hand.Piece;
    ++HistoryPos;
    applied_.Invalidate();
  }
  if (!views_) return;
  views_->EnableBackCommands();
  if (HistoryPos < HistoryEnd) {
    views_->EnableForwardCommands();
  } else {
    views_->DisableForwardCommands();
  }
}

// Step k lifted a piece into an empty hand right after a step that had left a piece in the hand:
// that piece went onto the holding stack in between. Only a clash does that: the step before
// put a class piece down in exchange and the lift is the clashing piece of the same period.
// Erasing, which also lifts after a lift, discards the piece instead and must not match.
bool TKumData::LiftAfterHeldStep(int k) const {
  if (k <= 1) return false;
  const HistoryEntry& e = History[k];
  const HistoryEntry& p = History[k - 1];
  return !e.Hand.IsEmpty() && e.Cell.IsEmpty() && !p.Hand.IsEmpty() && p.Cell.IsClass() &&
         p.Period == e.Period;
}

// Back undoes the holding-stack movements that Forward redoes, so that no piece is lost or
// doubled: a held piece that came into the hand when a piece was put down goes back onto the
// stack, and a piece put aside before a lift comes back into the hand.
void TKumData::StepBack() {
  if (HistoryPos <= 1 ||
      !IsCellPlace(History[HistoryPos - 1].Line, History[HistoryPos - 1].Period)) {
    prompter_.Beep();
    return;
  }
  const HistoryEntry& e = History[HistoryPos - 1];
  bool returnHeld = e.Hand.IsEmpty() && !Hand.Piece.IsEmpty();
  if (returnHeld && HoldingCount >= MaxHolding) {
    prompter_.Beep();  // the hand's piece would have nowhere to go
    return;
  }
  if (returnHeld) HoldPush();
  --HistoryPos;
  CurLine = e.Line;
  CurPeriod = e.Period;
  Hand.FromLine = e.Line;
  Hand.FromPeriod = e.Period;
  PeriodCell& cell = Cell(e.Line, e.Period);
  Hand.Piece = cell;
  cell = e.Hand;
  if (LiftAfterHeldStep(HistoryPos) && Hand.Piece.IsEmpty()) HoldPop();
}

void TKumData::StepForward() {
  if (HistoryPos >= HistoryEnd ||
      !IsCellPlace(History[HistoryPos].Line, History[HistoryPos].Period)) {
    prompter_.Beep();
    return;
  }
  const HistoryEntry& e = History[HistoryPos];
  if (LiftAfterHeldStep(HistoryPos)) {
    if (HoldingCount >= MaxHolding) {
      prompter_.Beep();  // the hand's piece would be overwritten
      return;
    }
    HoldPush();
  }
  CurLine = e.Line;
  CurPeriod = e.Period;
  Cell(e.Line, e.Period) = e.Cell;
  Hand.Piece = e.Hand;
  // The step put the hand's piece down, and the next held piece came into the hand.
  if (e.Hand.IsEmpty()) HoldPop();
  ++HistoryPos;
}

void TKumData::HoldPush() {
  if (HoldingCount >= MaxHolding) return;
  for (int k = HoldingCount; k >= 1; --k) Holding[k + 1] = Holding[k];
  Holding[1] = Hand;
  Hand = {};
  ++HoldingCount;
}

void TKumData::HoldPop() {
  if (HoldingCount > 1) {
    --HoldingCount;
    Hand = Holding[1];
    for (int k = 1; k <= HoldingCount; ++k) Holding[k] = Holding[k + 1];
  }
  Holding[HoldingCount + 1].Piece = {};
}

void TKumData::ClearHistory() {
  if (!Hand.Piece.IsEmpty()) {
    prompter_.MessageBox(BoxType::Error, Buttons::OkCancel,
                         "クラスを保持しているのでスタックの初期化はできません。");
    return;
  }
  if (prompter_.MessageBox(BoxType::Confirmation, Buttons::OkCancel,
                           "スタックを初期化します。よろしいですか？") != Answer::Ok) {
    return;
  }
  HistoryPos = 1;
  HistoryEnd = 1;
  History = {};
  HoldingCount = 1;
  Modified = true;
  if (!views_) return;
  views_->DisableForwardCommands();
  views_->DisableBackCommands();
  views_->RefreshAllViews();
}

void TKumData::ClearHolding() {
  if (prompter_.MessageBox(BoxType::Confirmation, Buttons::OkCancel,
                           "保持クラスをクリアします。よろしいですか") != Answer::Ok) {
    return;
  }
  HoldingCount = 1;
  Hand = {};
  if (views_) views_->HoldingCleared();
}

}  // namespace kumo
