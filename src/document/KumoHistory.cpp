// The move history and the holding stack: recording a step, and Back and Forward, which restore
// exactly what a step found and left, the hand, its origin and the holding stack included.
#include <algorithm>
#include <utility>

#include "document/KumoHead.h"

namespace kumo {

TKumData::StepStart TKumData::BeginStep() const {
  return {curLine_, curPeriod_, Cell(curLine_, curPeriod_), hand_};
}

// Every step is recorded, the last ones at the limit too: a step the history did not hold
// could not be undone, and Back over the steps before it would lose or double its lessons.
void TKumData::RecordStep(const StepStart& start, const PeriodCell& handMid, Byte move) {
  SetModified(true);
  historyEnd_ = historyPos_;  // the steps that could have been redone
  if (historyPos_ >= MaxHistory) {
    ForgetOldestStep();
  } else {
    forgettingTold_ = false;
  }
  history_[historyPos_] = {start.Line, start.Period, Cell(start.Line, start.Period), handMid};
  steps_[historyPos_] = {
      start.CellBefore, start.HandBefore, hand_, static_cast<Byte>(move | StepRecorded),
      curLine_,         curPeriod_};
  if (pending_.FirstEntry == 0) pending_.FirstEntry = historyPos_;
  ++historyPos_;
  historyEnd_ = historyPos_;
  applied_.Invalidate();
  MarkHistory();
}

void TKumData::ForgetOldestStep() {
  // Its cell may no longer show as a step of the history.
  if (const HistoryEntry& oldest = history_[1]; IsCellPlace(oldest.Line, oldest.Period)) {
    MarkCell(oldest.Line, oldest.Period);
  }
  history_.DropFirst();
  steps_.DropFirst();
  --historyPos_;
  --historyEnd_;
  ++pending_.Forgotten;
  if (pending_.FirstEntry > 1) --pending_.FirstEntry;
  if (!forgettingTold_) {
    forgettingTold_ = true;
    BeepFor({RefusalKind::OldestForgotten});
  }
}

bool TKumData::StepFits(const HistoryEntry& e, const PeriodCell& expected, const PeriodCell& inHand,
                        const char* refusal, RefusalKind kind) {
  if (!OnTimetable(e.Line, e.Period)) {
    BeepFor({kind});
    return false;
  }
  if (Cell(e.Line, e.Period) != expected) {
    Refused({kind, Cell(e.Line, e.Period), e.Line, e.Period});
  } else if (!inHand.IsEmpty() && hand_.Piece != inHand &&
             std::none_of(&holding_[1], &holding_[1] + (holdingCount_ - 1),
                          [&](const HeldPiece& held) { return held.Piece == inHand; })) {
    Refused({kind, inHand});
  } else {
    return true;
  }
  prompter_.MessageBox(BoxType::Error, Buttons::OkCancel, refusal);
  return false;
}

bool TKumData::BringHandTo(const PeriodCell& expected, int pushes) {
  if (hand_.Piece == expected) {
    if (holdingCount_ + pushes <= MaxHolding) return true;
    BeepFor({RefusalKind::HoldingFull, hand_.Piece});
    return false;
  }
  const bool stray = !hand_.Piece.IsEmpty();
  int at = 0;
  for (int k = 1; k < holdingCount_ && at == 0 && !expected.IsEmpty(); ++k) {
    if (holding_[k].Piece == expected) at = k;
  }
  const bool waiting = at != 0;
  const int freed = waiting && !stray ? 1 : 0;
  const int added = stray && !waiting ? 1 : 0;
  if (holdingCount_ - freed + added + pushes > MaxHolding) {
    BeepFor({RefusalKind::HoldingFull, hand_.Piece});
    return false;
  }
  // Pieces put aside on the way may lie over it: taken from under them it is not copied.
  if (at > 1) {
    std::rotate(&holding_[1], &holding_[at], &holding_[at] + 1);
    MarkHolding();
  }
  if (waiting && stray) {
    std::swap(hand_, holding_[1]);
    MarkHand();
    MarkHolding();
  } else if (waiting) {
    HoldPop();
  } else if (stray) {
    HoldPush();
  }
  return true;
}

// A step walked back or forward changes the hand, the holding stack, the cursor and the
// history's position, and counts as a change of the timetable.
void TKumData::Walked() {
  SetModified(true);
  MarkHand();
  MarkHolding();
  MarkCursor();
  MarkHistory();
}

bool TKumData::StepBack() {
  const Batch batch(*this);
  if (historyPos_ <= 1) {
    BeepFor({RefusalKind::NothingBack});
    return false;
  }
  const int k = historyPos_ - 1;
  const HistoryEntry e = history_[k];
  const StepRecord r = steps_[k];
  // The hand gives back what the step left in it: a piece the step took from the holding stack
  // goes back on top, a piece it put aside there comes back.
  const PeriodCell left = r.Move() == HoldPopped   ? PeriodCell{}
                          : r.Move() == HoldPushed ? e.Hand
                                                   : r.HandAfter.Piece;
  if (!StepFits(e, e.Cell, left, "時間割がスタックの記録と合わないので、このステップは戻せません。",
                RefusalKind::BackMismatch) ||
      !BringHandTo(left, 0)) {
    return false;
  }
  SetCellAt(e.Line, e.Period, r.CellBefore);
  hand_ = r.HandBefore;
  curLine_ = e.Line;
  curPeriod_ = e.Period;
  --historyPos_;
  Walked();
  return true;
}

bool TKumData::StepForward() {
  const Batch batch(*this);
  if (historyPos_ >= historyEnd_) {
    BeepFor({RefusalKind::NothingForward});
    return false;
  }
  const HistoryEntry e = history_[historyPos_];
  const StepRecord r = steps_[historyPos_];
  if (!StepFits(e, r.CellBefore, r.HandBefore.Piece,
                "時間割がスタックの記録と合わないので、このステップは進められません。",
                RefusalKind::ForwardMismatch) ||
      !BringHandTo(r.HandBefore.Piece, r.Move() == HoldPushed ? 1 : 0)) {
    return false;
  }
  SetCellAt(e.Line, e.Period, e.Cell);
  curLine_ = r.CursorLine;
  curPeriod_ = r.CursorPeriod;
  switch (r.Move()) {
    case HoldPushed:
      hand_ = {e.Hand, e.Line, e.Period};
      HoldPush();
      hand_ = r.HandAfter;
      break;
    case HoldPopped:
      hand_ = {};
      HoldPop();
      // A record worked out from its entry does not know where the piece came from.
      if (r.Inferred() && IsLineInUse(hand_.FromLine) && !hand_.Piece.IsEmpty()) {
        curLine_ = hand_.FromLine;
        curPeriod_ = hand_.FromPeriod;
      }
      break;
    default:
      hand_ = r.HandAfter;
      break;
  }
  ++historyPos_;
  Walked();
  return true;
}

// Files without records: the records as the plain history implies them. A put-down took the next
// held piece into the hand; a lift of a clashing piece right after an exchange that put a class
// down in the same period means the exchanged piece had been put aside.
void TKumData::InferStepRecords() {
  for (int k = 1; k < historyEnd_; ++k) {
    const HistoryEntry& e = history_[k];
    const HistoryEntry* next = k + 1 < historyEnd_ ? &history_[k + 1] : nullptr;
    const bool putAside = next != nullptr && !next->Hand.IsEmpty() && next->Cell.IsEmpty() &&
                          !e.Hand.IsEmpty() && e.Cell.IsClass() && next->Period == e.Period;
    StepRecord& r = steps_[k];
    r.CellBefore = e.Hand;
    r.HandBefore = {e.Cell, e.Line, e.Period};
    r.HandAfter = {e.Hand, e.Line, e.Period};
    r.Holding = HoldNone;
    r.CursorLine = e.Line;
    r.CursorPeriod = e.Period;
    if (e.Hand.IsEmpty()) {
      r.Holding = HoldPopped;
    } else if (putAside) {
      r.Holding = HoldPushed;
      r.HandAfter = {};
      r.CursorLine = next->Line;
    }
  }
}

void TKumData::HoldPush() {
  if (holdingCount_ >= MaxHolding) return;
  for (int k = holdingCount_; k >= 1; --k) holding_[k + 1] = holding_[k];
  holding_[1] = hand_;
  hand_ = {};
  ++holdingCount_;
  MarkHand();
  MarkHolding();
}

void TKumData::HoldPop() {
  if (holdingCount_ > 1) {
    --holdingCount_;
    hand_ = holding_[1];
    for (int k = 1; k <= holdingCount_; ++k) holding_[k] = holding_[k + 1];
    MarkHand();
    MarkHolding();
  }
  holding_[holdingCount_ + 1].Piece = {};
}

bool TKumData::TakeHeldPiece() {
  if (holdingCount_ <= 1) return false;
  HoldPop();
  if (hand_.Piece.IsEmpty()) return false;
  // A piece whose origin was lost is carried on from where the cursor stands.
  if (OnTimetable(hand_.FromLine, hand_.FromPeriod)) {
    curLine_ = hand_.FromLine;
    curPeriod_ = hand_.FromPeriod;
    MarkCursor();
  } else {
    hand_.FromLine = curLine_;
    hand_.FromPeriod = curPeriod_;
  }
  return true;
}

// The step names the cell the piece came from, or the cursor's; that cell stays as it is.
void TKumData::DiscardHand(bool carryOn) {
  const bool fromKnown = !hand_.Piece.IsEmpty() && OnTimetable(hand_.FromLine, hand_.FromPeriod);
  const int line = fromKnown ? hand_.FromLine : curLine_;
  const int period = fromKnown ? hand_.FromPeriod : curPeriod_;
  const StepStart start{static_cast<Byte>(line), static_cast<Byte>(period),
                        OnTimetable(line, period) ? Cell(line, period) : PeriodCell{}, hand_};
  hand_ = {};
  MarkHand();
  bool took = false;
  if (carryOn) {
    took = TakeHeldPiece();
  } else if (holdingCount_ > 1) {
    HoldPop();
    took = true;
  }
  // Without a line there is no history to bring the piece back.
  if (OnTimetable(line, period)) {
    RecordStep(start, start.HandBefore.Piece, took ? HoldPopped : HoldNone);
  } else {
    SetModified(true);
  }
}

void TKumData::DropHand() {
  const Batch batch(*this);
  if (hand_.Piece.IsEmpty() && holdingCount_ <= 1) return;
  DiscardHand(true);
}

// Held lessons would lose the history that can bring them back to their places.
void TKumData::ClearHistory() {
  const Batch batch(*this);
  if (!hand_.Piece.IsEmpty()) {
    prompter_.MessageBox(BoxType::Error, Buttons::OkCancel,
                         "クラスを保持しているのでスタックの初期化はできません。");
    return;
  }
  if (holdingCount_ > 1) {
    prompter_.MessageBox(BoxType::Error, Buttons::OkCancel,
                         "保持クラスがあるのでスタックの初期化はできません。");
    return;
  }
  if (prompter_.MessageBox(BoxType::Confirmation, Buttons::OkCancel,
                           "スタックを初期化します。よろしいですか？") != Answer::Ok) {
    return;
  }
  historyPos_ = 1;
  historyEnd_ = 1;
  history_ = {};
  steps_ = {};
  applied_.Invalidate();
  SetModified(true);
  MarkAll();
}

void TKumData::ClearHolding() {
  const Batch batch(*this);
  if (prompter_.MessageBox(BoxType::Confirmation, Buttons::OkCancel,
                           "保持クラスをクリアします。よろしいですか") != Answer::Ok) {
    return;
  }
  // The cursor stays: the pieces are not carried on.
  while (!hand_.Piece.IsEmpty() || holdingCount_ > 1) DiscardHand(false);
}

}  // namespace kumo
