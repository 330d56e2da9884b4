// The move history and the holding stack: recording a step, and Back and Forward, which restore
// exactly what a step found and left, the hand, its origin and the holding stack included.
#include <algorithm>
#include <utility>

#include "document/KumoHead.h"

namespace kumo {

TKumData::StepStart TKumData::BeginStep() const {
  return {CurLine, CurPeriod, Cell(CurLine, CurPeriod), Hand};
}

// Every step is recorded, the last ones at the limit too: a step the history did not hold
// could not be undone, and Back over the steps before it would lose or double its lessons.
void TKumData::RecordStep(const StepStart& start, const PeriodCell& handMid, Byte move) {
  Modified = true;
  HistoryEnd = HistoryPos;  // the steps that could have been redone
  if (HistoryPos >= MaxHistory) {
    ForgetOldestStep();
  } else {
    forgettingTold_ = false;
  }
  History[HistoryPos] = {start.Line, start.Period, Cell(start.Line, start.Period), handMid};
  Steps[HistoryPos] = {
      start.CellBefore, start.HandBefore, Hand, static_cast<Byte>(move | StepRecorded),
      CurLine,          CurPeriod};
  if (pending_.FirstEntry == 0) pending_.FirstEntry = HistoryPos;
  ++HistoryPos;
  HistoryEnd = HistoryPos;
  applied_.Invalidate();
  MarkHistory();
}

void TKumData::ForgetOldestStep() {
  // Its cell may no longer show as a step of the history.
  if (const HistoryEntry& oldest = History[1]; IsCellPlace(oldest.Line, oldest.Period)) {
    MarkCell(oldest.Line, oldest.Period);
  }
  History.DropFirst();
  Steps.DropFirst();
  --HistoryPos;
  --HistoryEnd;
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
  } else if (!inHand.IsEmpty() && Hand.Piece != inHand &&
             std::none_of(&Holding[1], &Holding[1] + (HoldingCount - 1),
                          [&](const HeldPiece& held) { return held.Piece == inHand; })) {
    Refused({kind, inHand});
  } else {
    return true;
  }
  prompter_.MessageBox(BoxType::Error, Buttons::OkCancel, refusal);
  return false;
}

bool TKumData::BringHandTo(const PeriodCell& expected, int pushes) {
  if (Hand.Piece == expected) {
    if (HoldingCount + pushes <= MaxHolding) return true;
    BeepFor({RefusalKind::HoldingFull, Hand.Piece});
    return false;
  }
  const bool stray = !Hand.Piece.IsEmpty();
  int at = 0;
  for (int k = 1; k < HoldingCount && at == 0 && !expected.IsEmpty(); ++k) {
    if (Holding[k].Piece == expected) at = k;
  }
  const bool waiting = at != 0;
  const int freed = waiting && !stray ? 1 : 0;
  const int added = stray && !waiting ? 1 : 0;
  if (HoldingCount - freed + added + pushes > MaxHolding) {
    BeepFor({RefusalKind::HoldingFull, Hand.Piece});
    return false;
  }
  // Pieces put aside on the way may lie over it: taken from under them it is not copied.
  if (at > 1) {
    std::rotate(&Holding[1], &Holding[at], &Holding[at] + 1);
    MarkHolding();
  }
  if (waiting && stray) {
    std::swap(Hand, Holding[1]);
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
  Modified = true;
  MarkHand();
  MarkHolding();
  MarkCursor();
  MarkHistory();
}

bool TKumData::StepBack() {
  const Batch batch(*this);
  if (HistoryPos <= 1) {
    BeepFor({RefusalKind::NothingBack});
    return false;
  }
  const int k = HistoryPos - 1;
  const HistoryEntry e = History[k];
  const StepRecord r = Steps[k];
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
  Hand = r.HandBefore;
  CurLine = e.Line;
  CurPeriod = e.Period;
  --HistoryPos;
  Walked();
  return true;
}

bool TKumData::StepForward() {
  const Batch batch(*this);
  if (HistoryPos >= HistoryEnd) {
    BeepFor({RefusalKind::NothingForward});
    return false;
  }
  const HistoryEntry e = History[HistoryPos];
  const StepRecord r = Steps[HistoryPos];
  if (!StepFits(e, r.CellBefore, r.HandBefore.Piece,
                "時間割がスタックの記録と合わないので、このステップは進められません。",
                RefusalKind::ForwardMismatch) ||
      !BringHandTo(r.HandBefore.Piece, r.Move() == HoldPushed ? 1 : 0)) {
    return false;
  }
  SetCellAt(e.Line, e.Period, e.Cell);
  CurLine = r.CursorLine;
  CurPeriod = r.CursorPeriod;
  switch (r.Move()) {
    case HoldPushed:
      Hand = {e.Hand, e.Line, e.Period};
      HoldPush();
      Hand = r.HandAfter;
      break;
    case HoldPopped:
      Hand = {};
      HoldPop();
      // A record worked out from its entry does not know where the piece came from.
      if (r.Inferred() && IsLineInUse(Hand.FromLine) && !Hand.Piece.IsEmpty()) {
        CurLine = Hand.FromLine;
        CurPeriod = Hand.FromPeriod;
      }
      break;
    default:
      Hand = r.HandAfter;
      break;
  }
  ++HistoryPos;
  Walked();
  return true;
}

// Files without records: the records as the plain history implies them. A put-down took the next
// held piece into the hand; a lift of a clashing piece right after an exchange that put a class
// down in the same period means the exchanged piece had been put aside.
void TKumData::InferStepRecords() {
  for (int k = 1; k < HistoryEnd; ++k) {
    const HistoryEntry& e = History[k];
    const HistoryEntry* next = k + 1 < HistoryEnd ? &History[k + 1] : nullptr;
    const bool putAside = next != nullptr && !next->Hand.IsEmpty() && next->Cell.IsEmpty() &&
                          !e.Hand.IsEmpty() && e.Cell.IsClass() && next->Period == e.Period;
    StepRecord& r = Steps[k];
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
  if (HoldingCount >= MaxHolding) return;
  for (int k = HoldingCount; k >= 1; --k) Holding[k + 1] = Holding[k];
  Holding[1] = Hand;
  Hand = {};
  ++HoldingCount;
  MarkHand();
  MarkHolding();
}

void TKumData::HoldPop() {
  if (HoldingCount > 1) {
    --HoldingCount;
    Hand = Holding[1];
    for (int k = 1; k <= HoldingCount; ++k) Holding[k] = Holding[k + 1];
    MarkHand();
    MarkHolding();
  }
  Holding[HoldingCount + 1].Piece = {};
}

bool TKumData::TakeHeldPiece() {
  if (HoldingCount <= 1) return false;
  HoldPop();
  if (Hand.Piece.IsEmpty()) return false;
  // A piece whose origin was lost is carried on from where the cursor stands.
  if (OnTimetable(Hand.FromLine, Hand.FromPeriod)) {
    CurLine = Hand.FromLine;
    CurPeriod = Hand.FromPeriod;
    MarkCursor();
  } else {
    Hand.FromLine = CurLine;
    Hand.FromPeriod = CurPeriod;
  }
  return true;
}

// The step names the cell the piece came from, or the cursor's; that cell stays as it is.
void TKumData::DiscardHand(bool carryOn) {
  const bool fromKnown = !Hand.Piece.IsEmpty() && OnTimetable(Hand.FromLine, Hand.FromPeriod);
  const int line = fromKnown ? Hand.FromLine : CurLine;
  const int period = fromKnown ? Hand.FromPeriod : CurPeriod;
  const StepStart start{static_cast<Byte>(line), static_cast<Byte>(period),
                        OnTimetable(line, period) ? Cell(line, period) : PeriodCell{}, Hand};
  Hand = {};
  MarkHand();
  bool took = false;
  if (carryOn) {
    took = TakeHeldPiece();
  } else if (HoldingCount > 1) {
    HoldPop();
    took = true;
  }
  // Without a line there is no history to bring the piece back.
  if (OnTimetable(line, period)) {
    RecordStep(start, start.HandBefore.Piece, took ? HoldPopped : HoldNone);
  } else {
    Modified = true;
  }
}

void TKumData::DropHand() {
  const Batch batch(*this);
  if (Hand.Piece.IsEmpty() && HoldingCount <= 1) return;
  DiscardHand(true);
}

// Held lessons would lose the history that can bring them back to their places.
void TKumData::ClearHistory() {
  const Batch batch(*this);
  if (!Hand.Piece.IsEmpty()) {
    prompter_.MessageBox(BoxType::Error, Buttons::OkCancel,
                         "クラスを保持しているのでスタックの初期化はできません。");
    return;
  }
  if (HoldingCount > 1) {
    prompter_.MessageBox(BoxType::Error, Buttons::OkCancel,
                         "保持クラスがあるのでスタックの初期化はできません。");
    return;
  }
  if (prompter_.MessageBox(BoxType::Confirmation, Buttons::OkCancel,
                           "スタックを初期化します。よろしいですか？") != Answer::Ok) {
    return;
  }
  HistoryPos = 1;
  HistoryEnd = 1;
  History = {};
  Steps = {};
  applied_.Invalidate();
  Modified = true;
  MarkAll();
}

void TKumData::ClearHolding() {
  const Batch batch(*this);
  if (prompter_.MessageBox(BoxType::Confirmation, Buttons::OkCancel,
                           "保持クラスをクリアします。よろしいですか") != Answer::Ok) {
    return;
  }
  // The cursor stays: the pieces are not carried on.
  while (!Hand.Piece.IsEmpty() || HoldingCount > 1) DiscardHand(false);
}

}  // namespace kumo
