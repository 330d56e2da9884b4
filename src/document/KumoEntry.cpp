// The palettes' steps: a class, a subject or a symbol entered into the cursor cell or into a
// range, and the subject and symbol tables.
#include <algorithm>

#include "document/KumoHead.h"

namespace kumo {
namespace {

constexpr const char* LockedPeriodText = "この時限はロックされています。";

}  // namespace

bool TKumData::RefuseLocked(const char* text) {
  if (!CursorCell().Has(Locked)) return false;
  BeepFor(AtCursor(RefusalKind::Locked));
  prompter_.MessageBox(BoxType::Error, Buttons::OkCancel, text);
  return true;
}

// The hand and the holding stack stay as they are, and Back restores the cell alone: the placed
// piece goes, the former one comes back.
void TKumData::PlaceAtCursor(const PeriodCell& placed, OnClash onClash) {
  const StepStart start = BeginStep();
  SetCellAt(curLine_, curPeriod_, placed);
  const std::optional<int> clash =
      onClash == OnClash::Ignore ? std::optional<int>() : FindCellClash();
  if (clash) {
    BeepFor(AtCursor(RefusalKind::Clash, static_cast<Byte>(*clash)));
    if (onClash == OnClash::Follow) MoveCursor(*clash, curPeriod_);
  }
  RecordStep(start, hand_.Piece, HoldNone);
}

// A class keeps the subject and flags of the class it replaces; an empty cell's leftover bytes
// are nobody's.
PeriodCell TKumData::EnteredPiece(Byte kind, int item) const {
  PeriodCell placed = Cell(curLine_, curPeriod_);
  if (placed.IsEmpty()) placed = {};
  placed.Kind = kind;
  placed.Item = static_cast<Byte>(item);
  return placed;
}

bool TKumData::EnterClass(int grade, int classNo, bool followClash) {
  const Batch batch(*this);
  if (grade < KindGrade1 || grade > KindGrade3 || classNo < 1 || classNo > MaxClassNo ||
      ClassCount(grade) < classNo || !CursorOnLine()) {
    BeepFor({CursorOnLine() ? RefusalKind::NoSuchClass : RefusalKind::None,
             {static_cast<Byte>(grade), static_cast<Byte>(classNo), 0, 0}});
    return false;
  }
  if (RefuseLocked(LockedPeriodText)) return false;
  // A subject or symbol piece is not replaced by a class.
  if (CursorCell().Kind > KindGrade3) {
    BeepFor(AtCursor(RefusalKind::Occupied));
    return false;
  }
  // A carried piece keeps the cursor on its own line.
  PlaceAtCursor(EnteredPiece(static_cast<Byte>(grade), classNo),
                followClash && hand_.Piece.IsEmpty() ? OnClash::Follow : OnClash::Beep);
  return true;
}

bool TKumData::EnterClassAt(int line, int period, int grade, int classNo, bool followClash) {
  const Batch batch(*this);
  if (!OnTimetable(line, period)) return false;
  // A carried piece keeps the cursor on its own line.
  if (!hand_.Piece.IsEmpty()) {
    BeepFor({RefusalKind::HandBusy, hand_.Piece});
    return false;
  }
  MoveCursor(line, period);
  const PeriodCell& cell = CursorCell();
  if (cell.IsClass()) {
    if (cell.Kind == grade && cell.Item == classNo) return true;
    BeepFor(AtCursor(RefusalKind::TeacherBusy));
    return false;
  }
  return EnterClass(grade, classNo, followClash);
}

bool TKumData::EnterSubject(int row, int item) {
  const Batch batch(*this);
  const bool subject = row == 0;
  const int last = subject ? MaxSubject : MaxSymbol;
  if (row < 0 || row > 1 || item < 1 || item > last || !CursorOnLine()) return false;
  if (RefuseLocked(LockedPeriodText)) return false;
  // Subjects and symbols belong to the lines of a grade.
  if (lines_[curLine_].Grade == 0) return false;
  const PeriodCell cell = CursorCell();
  if (cell.IsEmpty()) {
    PlaceAtCursor(EnteredPiece(subject ? KindSubject : KindSymbol, item), OnClash::Ignore);
    return true;
  }
  if (!cell.IsClass()) {
    BeepFor(AtCursor(RefusalKind::Occupied));
    return false;
  }
  if (prompter_.MessageBox(BoxType::Confirmation, Buttons::YesNoCancel,
                           subject ? "この授業の教科に設定しますか"
                                   : "この授業を記号に置き換えますか") != Answer::Yes) {
    return false;
  }
  if (subject) {
    // The lesson keeps its class, flags and place; a clash only sounds.
    return ChangePlacedPiece(
        [item](PeriodCell& lesson) { lesson.LessonSubject = static_cast<Byte>(item); },
        {.FollowClash = false, .ReturnHeld = false});
  }
  // The symbol keeps the lesson's flags and subject byte.
  PlaceAtCursor(EnteredPiece(KindSymbol, item), OnClash::Ignore);
  return true;
}

bool TKumData::FillRange(const CellRange& range, int row, int item) {
  const Batch batch(*this);
  if (prompter_.MessageBox(BoxType::Confirmation, Buttons::YesNoCancel,
                           "選択範囲に埋め込みますか") != Answer::Yes) {
    return false;
  }
  bool entered = false;
  ForEachCell(Clipped(range), [&](int n, int p) {
    MoveCursor(n, p);
    entered = EnterSubject(row, item) || entered;
  });
  return entered;
}

void TKumData::SetSubject(int subject, std::string_view names1, std::string_view names2,
                          std::string_view names4) {
  if (subject < 0 || subject > MaxSubject) return;
  const Batch batch(*this);
  subjectNames1_[subject].AssignWhole(names1);
  subjectNames2_[subject].AssignWhole(names2);
  subjectNames4_[subject].AssignWhole(names4);
  pending_.Subjects = true;
}

void TKumData::SetSymbol(int symbol, std::string_view text, std::string_view meaning) {
  if (symbol < 1 || symbol > MaxSymbol) return;
  const Batch batch(*this);
  symbols_[symbol].AssignWhole(text);
  symbolMeanings_[symbol].AssignWhole(meaning);
  pending_.Subjects = true;
}

void TKumData::ResetSubjectTables() {
  const Batch batch(*this);
  subjectNames1_ = DefaultSubjectNames1();
  subjectNames2_ = DefaultSubjectNames2();
  subjectNames4_ = DefaultSubjectNames4();
  symbols_ = DefaultSymbols();
  symbolMeanings_ = DefaultSymbolMeanings();
  pending_.Subjects = true;
}

}  // namespace kumo
