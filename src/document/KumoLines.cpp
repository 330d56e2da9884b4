// Line edits: appending, inserting, cutting and changing teacher lines, and the self-teaching
// split. History entries and held pieces name lines by number, so they follow an insert.
#include <algorithm>

#include "document/KumoHead.h"

namespace kumo {

bool TKumData::AddLine(const TeacherLine& line) {
  const Batch batch(*this);
  if (LineCount >= MaxLines) {
    prompter_.MessageBox(BoxType::Error, Buttons::OkCancel, "行を追加できません");
    return false;
  }
  ++LineCount;
  Lines[LineCount] = line;
  Modified = true;
  MarkLines();
  return true;
}

bool TKumData::InsertLine(const TeacherLine& line) {
  const Batch batch(*this);
  if (LineCount >= MaxLines) {
    prompter_.MessageBox(BoxType::Error, Buttons::OkCancel, "行を挿入できません");
    return false;
  }
  // A cursor off the lines in use inserts at the nearest place a line can go.
  const int at = std::clamp<int>(CurLine, 1, LineCount + 1);
  for (int n = LineCount; n >= at; --n) Lines[n + 1] = Lines[n];
  ++LineCount;
  Lines[at] = line;
  RenumberLines(at, +1);
  Saved.Inserted(at);
  Other.Inserted(at);
  Modified = true;
  MarkLines();
  return true;
}

// Refused while the history has entries: they name the lines after the cut by their old numbers.
bool TKumData::DeleteLine() {
  const Batch batch(*this);
  if (!IsLineInUse(CurLine) || HistoryEnd > 1) return false;
  const int cut = CurLine;
  for (int n = cut; n < LineCount; ++n) Lines[n] = Lines[n + 1];
  Lines[LineCount] = {};
  --LineCount;
  RenumberLines(cut + 1, -1);
  Saved.Deleted(cut);
  Other.Deleted(cut);
  if (LineCount < CurLine) CurLine = LineCount;
  Modified = true;
  MarkLines();
  MarkCursor();
  return true;
}

TeacherLine TKumData::GetCurrentLine() const {
  if (CurLine < 1 || CurLine > MaxLines) return {};
  return Lines[CurLine];
}

bool TKumData::SetCurrentLine(const TeacherLine& line) {
  const Batch batch(*this);
  if (!IsLineInUse(CurLine)) return false;
  Lines[CurLine] = line;
  Modified = true;
  MarkLines();
  return true;
}

void TKumData::SetCursor(int line, int period) {
  const Batch batch(*this);
  CurLine = static_cast<Byte>(std::clamp(line, 0, MaxLines));
  CurPeriod = static_cast<Byte>(std::clamp(period, 1, PeriodCount));
  MarkCursor();
}

bool TKumData::SplitSelfTeaching() {
  const Batch batch(*this);
  if (HistoryEnd > 1) {
    prompter_.MessageBox(BoxType::Error, Buttons::OkCancel,
                         "スタックが初期化されていないので自習設定できません");
    return false;
  }
  if (!CursorOnLine()) return false;
  TeacherLine line = Lines[CurLine];
  line.Cells = {};
  line.Cells[CurPeriod] = CursorCell();
  if (prompter_.MessageBox(BoxType::Confirmation, Buttons::OkCancel,
                           "自習編集用の行を挿入します。よろしいですか") != Answer::Ok) {
    return false;
  }
  if (!InsertLine(line)) return false;
  // Only the kind goes: the other bytes stay as leftovers, which lock and mark nothing.
  PeriodCell emptied = Cell(CurLine + 1, CurPeriod);
  emptied.Kind = KindEmpty;
  SetCellAt(CurLine + 1, CurPeriod, emptied);
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
  for (int k = 1; k <= HistoryEnd; ++k) {
    renumber(History[k].Line);
    StepRecord& r = Steps[k];
    renumberHeld(r.HandBefore);
    renumberHeld(r.HandAfter);
    renumber(r.CursorLine);
  }
  renumberHeld(Hand);
  for (int k = 1; k < HoldingCount; ++k) renumberHeld(Holding[k]);
  applied_.Invalidate();
  MarkHand();
  MarkHolding();
  MarkHistory();
}

}  // namespace kumo
