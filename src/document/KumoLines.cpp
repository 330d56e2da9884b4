// Line edits: appending, inserting, cutting and changing teacher lines, and the self-teaching
// split. History entries and held pieces name lines by number, so they follow an insert.
#include <algorithm>

#include "document/KumoHead.h"

namespace kumo {

bool TKumData::AddLine(const TeacherLine& line) {
  const Batch batch(*this);
  if (lineCount_ >= MaxLines) {
    prompter_.MessageBox(BoxType::Error, Buttons::OkCancel, "行を追加できません");
    return false;
  }
  ++lineCount_;
  lines_[lineCount_] = line;
  SetModified(true);
  MarkLines();
  return true;
}

bool TKumData::InsertLine(const TeacherLine& line) {
  const Batch batch(*this);
  if (lineCount_ >= MaxLines) {
    prompter_.MessageBox(BoxType::Error, Buttons::OkCancel, "行を挿入できません");
    return false;
  }
  // A cursor off the lines in use inserts at the nearest place a line can go.
  const int at = std::clamp<int>(curLine_, 1, lineCount_ + 1);
  for (int n = lineCount_; n >= at; --n) lines_[n + 1] = lines_[n];
  ++lineCount_;
  lines_[at] = line;
  RenumberLines(at, +1);
  saved_.Inserted(at);
  other_.Inserted(at);
  SetModified(true);
  MarkLines();
  return true;
}

// Refused while the history has entries: they name the lines after the cut by their old numbers.
bool TKumData::DeleteLine() {
  const Batch batch(*this);
  if (!IsLineInUse(curLine_) || historyEnd_ > 1) return false;
  const int cut = curLine_;
  for (int n = cut; n < lineCount_; ++n) lines_[n] = lines_[n + 1];
  lines_[lineCount_] = {};
  --lineCount_;
  RenumberLines(cut + 1, -1);
  saved_.Deleted(cut);
  other_.Deleted(cut);
  if (lineCount_ < curLine_) curLine_ = lineCount_;
  SetModified(true);
  MarkLines();
  MarkCursor();
  return true;
}

TeacherLine TKumData::GetCurrentLine() const {
  if (curLine_ < 1 || curLine_ > MaxLines) return {};
  return lines_[curLine_];
}

bool TKumData::SetCurrentLine(const TeacherLine& line) {
  const Batch batch(*this);
  if (!IsLineInUse(curLine_)) return false;
  lines_[curLine_] = line;
  SetModified(true);
  MarkLines();
  return true;
}

void TKumData::SetCursor(int line, int period) {
  const Batch batch(*this);
  const Byte toLine = static_cast<Byte>(std::clamp(line, 0, MaxLines));
  const Byte toPeriod = static_cast<Byte>(std::clamp(period, 1, PeriodCount));
  if (toLine == curLine_ && toPeriod == curPeriod_) return;
  curLine_ = toLine;
  curPeriod_ = toPeriod;
  MarkCursor();
}

bool TKumData::SplitSelfTeaching() {
  const Batch batch(*this);
  if (historyEnd_ > 1) {
    prompter_.MessageBox(BoxType::Error, Buttons::OkCancel,
                         "スタックが初期化されていないので自習設定できません");
    return false;
  }
  if (!CursorOnLine()) return false;
  TeacherLine line = lines_[curLine_];
  line.Cells = {};
  line.Cells[curPeriod_] = CursorCell();
  if (prompter_.MessageBox(BoxType::Confirmation, Buttons::OkCancel,
                           "自習編集用の行を挿入します。よろしいですか") != Answer::Ok) {
    return false;
  }
  if (!InsertLine(line)) return false;
  // Only the kind goes: the other bytes stay as leftovers, which lock and mark nothing.
  PeriodCell emptied = Cell(curLine_ + 1, curPeriod_);
  emptied.Kind = KindEmpty;
  SetCellAt(curLine_ + 1, curPeriod_, emptied);
  return true;
}

// Lines at `from` and after move by delta. A held piece whose line was cut loses its origin
// but stays held.
void TKumData::RenumberLines(int from, int delta) {
  auto renumber = [&](Byte& line) {
    if (line == 0 || line < from) return;
    line = static_cast<Byte>(line + delta);
  };
  auto renumberHeld = [&](HeldPiece& held) {
    if (delta < 0 && held.FromLine == from + delta) held.FromLine = held.FromPeriod = 0;
    renumber(held.FromLine);
  };
  for (int k = 1; k <= historyEnd_; ++k) {
    renumber(history_[k].Line);
    StepRecord& r = steps_[k];
    renumberHeld(r.HandBefore);
    renumberHeld(r.HandAfter);
    renumber(r.CursorLine);
  }
  renumberHeld(hand_);
  for (int k = 1; k < holdingCount_; ++k) renumberHeld(holding_[k]);
  applied_.Invalidate();
  MarkHand();
  MarkHolding();
  MarkHistory();
}

}  // namespace kumo
