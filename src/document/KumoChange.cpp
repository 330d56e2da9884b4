// Pieces changed where they stand, the lesson details' flags, and the column exchange: each
// made of piece moves without questions, recorded like the moves made by hand.
#include <string>

#include "base/Cp932.h"
#include "document/KumoHead.h"
#include "document/PeriodName.h"

namespace kumo {
namespace {

// Batch commands ask nothing about marked pieces and leave the cursor and the holding stack
// where they are.
constexpr MoveChoices Quiet{
    .Checks = false, .FollowClash = false, .ExchangeOnClash = false, .ReturnHeld = false};

}  // namespace

CellRange TKumData::Clipped(const CellRange& range) const {
  return {std::max(range.FirstLine, 1), std::min<int>(range.LastLine, lineCount_),
          std::max(range.FirstPeriod, 1), std::min(range.LastPeriod, PeriodCount)};
}

void TKumData::MoveCursor(int line, int period) {
  curLine_ = static_cast<Byte>(line);
  curPeriod_ = static_cast<Byte>(period);
  MarkCursor();
}

// The lift needs an empty hand, or it would exchange the carried piece into the cell.
bool TKumData::ChangePlacedPiece(const std::function<void(PeriodCell&)>& change,
                                 const MoveChoices& choices) {
  if (!hand_.Piece.IsEmpty()) {
    BeepFor({RefusalKind::HandBusy, hand_.Piece});
    return false;
  }
  if (CursorCell().IsEmpty()) return false;
  if (choices.Checks && !MoveAllowed()) return false;
  MoveAction(choices);
  // The change is part of the lift: its step leaves the changed piece in the hand, so that Back
  // over both steps gives the cell its piece as it was, and Forward the changed one.
  change(hand_.Piece);
  history_[historyPos_ - 1].Hand = hand_.Piece;
  steps_[historyPos_ - 1].HandAfter.Piece = hand_.Piece;
  MarkHand();
  MoveAction(choices);
  return true;
}

bool TKumData::SetFlags(Byte flags) {
  const Batch batch(*this);
  if (!CursorOnLine() || CursorCell().IsEmpty() || CursorCell().Flags == flags) return false;
  return ChangePlacedPiece([flags](PeriodCell& piece) { piece.Flags = flags; }, Quiet);
}

bool TKumData::AddFlags(const CellRange& range, Byte flags) {
  const Batch batch(*this);
  if (!hand_.Piece.IsEmpty()) {
    BeepFor({RefusalKind::HandBusy, hand_.Piece});
    return false;
  }
  int pieces = 0;
  const int line = curLine_;
  const int period = curPeriod_;
  // Flags are only added: a piece with more flags than asked is lifted and put back as it is.
  ForEachCell(Clipped(range), [&](int n, int p) {
    const PeriodCell& cell = Cell(n, p);
    if (cell.IsEmpty() || cell.Flags == flags) return;
    MoveCursor(n, p);
    ChangePlacedPiece([flags](PeriodCell& piece) { piece.Flags |= flags; }, Quiet);
    ++pieces;
  });
  MoveCursor(line, period);
  return pieces > 0;
}

bool TKumData::ExchangeColumns(int first, int second, const std::function<void()>& afterLine) {
  const auto inWeek = [](int p) { return p >= 1 && p <= PeriodCount; };
  if (!inWeek(first) || !inWeek(second) || first == second) return false;
  // The moves would carry the hand's piece into another teacher's line, and a put-down would
  // take a held piece into the hand.
  if (!hand_.Piece.IsEmpty() || holdingCount_ > 1) {
    prompter_.MessageBox(BoxType::Error, Buttons::OkCancel,
                         "駒を持っているか保持クラスがあるので、列交換はできません。");
    return false;
  }
  if (prompter_.MessageBox(BoxType::Confirmation, Buttons::OkCancel,
                           Cp932ToUtf8(ColumnName(first)) + "と" + Cp932ToUtf8(ColumnName(second)) +
                               "を交換します。よろしいか") != Answer::Ok) {
    return false;
  }
  for (int n = 1; n <= lineCount_; ++n) {
    {
      const Batch line(*this);
      for (const int p : {first, second, first}) {
        MoveCursor(n, p);
        MoveAction(Quiet);
      }
    }
    if (afterLine) afterLine();
  }
  return true;
}

}  // namespace kumo
