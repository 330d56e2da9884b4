// The steps that change the timetable's cells: the piece move with its checks and clash
// handling, a class entered from the palette, and Erase.
#include <algorithm>

#include "document/KumoHead.h"

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

bool TKumData::MovePiece(const MoveChoices& choices) {
  const Batch batch(*this);
  // A carried piece stays on its own line, wherever the click or key that moves it landed.
  if (!hand_.Piece.IsEmpty() && IsLineInUse(hand_.FromLine) && curLine_ != hand_.FromLine) {
    curLine_ = hand_.FromLine;
    MarkCursor();
  }
  // The blank row of a timetable without lines is not a line to move on.
  if (!CursorOnLine()) return false;
  if (choices.Checks && !MoveAllowed()) return false;
  // A move that changes nothing keeps the steps that can be redone.
  MoveAction(choices);
  return true;
}

// The flags of the cursor cell guard it, whatever the cell and the hand hold.
bool TKumData::MoveAllowed() {
  const PeriodCell& cell = CursorCell();
  if (cell.Has(Locked)) {
    BeepFor(AtCursor(RefusalKind::Locked));
    prompter_.MessageBox(BoxType::Error, Buttons::OkCancel,
                         "この授業はロックされています。移動できません");
    return false;
  }
  for (const Caution& caution : Cautions) {
    if (!cell.Has(caution.flag)) continue;
    prompter_.Beep();
    return prompter_.MessageBox(BoxType::Warning, Buttons::YesNoCancel, caution.text) ==
           Answer::Yes;
  }
  return true;
}

void TKumData::MoveAction(const MoveChoices& choices) {
  if (!CursorCell().IsEmpty()) {
    LiftOrExchange(choices);
  } else if (!hand_.Piece.IsEmpty()) {
    PutDown(choices);
  }
}

void TKumData::LiftOrExchange(const MoveChoices& choices) {
  const StepStart start = BeginStep();
  SwapCursorCellWithHand();
  hand_.FromLine = curLine_;
  hand_.FromPeriod = curPeriod_;
  const PeriodCell lifted = hand_.Piece;
  Byte move = HoldNone;
  // An exchange put a class down: another teacher may already teach it in this period.
  const std::optional<int> clash = CursorCell().IsClass() ? FindCellClash() : std::optional<int>();
  if (clash) {
    if (choices.TellClash) BeepFor(AtCursor(RefusalKind::Clash, static_cast<Byte>(*clash)));
    if (choices.FollowClash) {
      if (holdingCount_ >= MaxHolding) {
        // Nowhere to put the lifted piece aside: it stays in hand on its own line.
        BeepFor({RefusalKind::HoldingFull, hand_.Piece});
      } else {
        HoldPush();
        move = HoldPushed;
        curLine_ = static_cast<Byte>(*clash);
        MarkCursor();
      }
    }
  }
  RecordStep(start, lifted, move);
  if (move == HoldPushed && choices.ExchangeOnClash) MoveAgain(choices);
}

void TKumData::PutDown(const MoveChoices& choices) {
  const StepStart start = BeginStep();
  SwapCursorCellWithHand();
  const PeriodCell handMid = hand_.Piece;
  Byte move = HoldNone;
  bool again = false;
  // Any piece counts here, subjects and symbols as well as classes.
  if (const std::optional<int> clash = FindCellClash()) {
    if (choices.TellClash) BeepFor(AtCursor(RefusalKind::Clash, static_cast<Byte>(*clash)));
    if (choices.FollowClash) {
      curLine_ = static_cast<Byte>(*clash);
      MarkCursor();
      again = choices.ExchangeOnClash;
    }
  } else if (choices.ReturnHeld && TakeHeldPiece()) {
    move = HoldPopped;
  }
  RecordStep(start, handMid, move);
  if (again) MoveAgain(choices);
}

// The cursor stands on the clashing line: its piece is lifted at once, under its own checks.
void TKumData::MoveAgain(const MoveChoices& choices) {
  if (choices.Checks && !MoveAllowed()) return;
  MoveAction(choices);
}

bool TKumData::MoveAlongLine(const std::vector<ChainMove>& moves) {
  const Batch batch(*this);
  // Each clash a move makes is followed and its piece lifted at once, and a displaced piece is
  // put aside meanwhile, as the user's own moves can do: the chain's next piece is then in hand.
  // The chain was planned around the clashes, so they are not told.
  const MoveChoices choices{false, true, true, true, false};
  for (const ChainMove& move : moves) {
    if (!hand_.Piece.SamePiece(move.Piece) || hand_.FromLine != move.Line ||
        !OnTimetable(move.Line, move.To)) {
      return false;
    }
    MoveCursor(move.Line, move.To);
    MoveAction(choices);
  }
  return true;
}

bool TKumData::EraseRange(const CellRange& range, bool ask) {
  const Batch batch(*this);
  // A carried piece would be put down or exchanged instead of a lift.
  if (!hand_.Piece.IsEmpty()) return false;
  if (ask && prompter_.MessageBox(BoxType::Warning, Buttons::OkCancel,
                                  "選択範囲を消去します。よろしいか") != Answer::Ok) {
    return false;
  }
  // Locked and marked pieces go too; every piece is one step, so Back brings them back one by
  // one. The whole piece goes, so that no flag of it stays behind in the cell.
  ForEachCell(Clipped(range), [&](int n, int p) {
    MoveCursor(n, p);
    if (CursorCell().IsEmpty()) return;
    const StepStart start = BeginStep();
    SetCellAt(n, p, {});
    hand_ = {};
    MarkHand();
    RecordStep(start, start.CellBefore, HoldNone);
  });
  SetModified(true);
  return true;
}

}  // namespace kumo
