// The document's lines, cursor, class labels and the searches over them.
#include "document/KumoHead.h"

#include <algorithm>

namespace kumo {

TKumData::TKumData(const Options& options, Prompter& prompter)
    : options_(options), prompter_(prompter) {
  Clear();
}

void TKumData::Clear() {
  const Batch batch(*this);
  MarkAll();
  CurLine = 1;
  LineCount = 0;
  CurPeriod = 1;
  HoldingCount = 1;
  Hand = {};
  HistoryPos = 1;
  HistoryEnd = 1;
  MakeClassLabels();
  History = {};
  Steps = {};
  forgettingTold_ = false;
  Lines = {};
  Saved = {};
  Other = {};
  applied_.Invalidate();
  Title.Len = 0;
  Comment.Len = 0;
  Modified = false;
  SubjectNames1 = DefaultSubjectNames1();
  SubjectNames2 = DefaultSubjectNames2();
  SubjectNames4 = DefaultSubjectNames4();
  Symbols = DefaultSymbols();
  SymbolMeanings = DefaultSymbolMeanings();
  SubjectFileName = DefaultSubjectFileName;
}

void TKumData::ResetEditState() {
  const Batch batch(*this);
  MarkAll();
  HistoryEnd = 1;
  HistoryPos = 1;
  CurLine = 1;
  CurPeriod = 1;
  HoldingCount = 1;
  Hand.Piece.Kind = KindEmpty;
  Hand.Piece.Item = 0;
}

void TKumData::MakeClassLabels() {
  const Batch batch(*this);
  MarkAll();
  ClassLabels = ClassLabelsOf(ShownLabelStyle(options_), ClassLabels);
}

Byte TKumData::ClassCount(int grade) const {
  Byte count = 0;
  for (int n = 1; n <= LineCount; ++n) {
    if (Lines[n].Grade == grade) count = std::max(count, Lines[n].Homeroom);
  }
  return count;
}

Byte TKumData::MaxClassCount() const {
  return std::max({ClassCount(1), ClassCount(2), ClassCount(3)});
}

Byte TKumData::LessonCount(int line) const {
  if (line < 1 || line > MaxLines) return 0;
  Byte count = 0;
  for (const PeriodCell& cell : Lines[line].Cells.Items) {
    if (cell.IsLessonHour()) ++count;
  }
  return count;
}

bool TKumData::InAppliedHistory(int line, int period, Byte kind, Byte item) const {
  return applied_.Contains(History, HistoryPos, line, period, kind, item);
}

void TKumData::NotifyAllChanged() {
  const Batch batch(*this);
  MarkAll();
}

void TKumData::MarkClassOf(const PeriodCell& piece) {
  if (piece.IsClass() && piece.Item >= 1 && piece.Item <= MaxClassNo) {
    pending_.Classes.set(DocumentChange::ClassIndex(piece.Kind, piece.Item));
  }
}

void TKumData::SetCellAt(int line, int period, const PeriodCell& value) {
  MarkClassOf(value);
  MarkCell(line, period);
  Cell(line, period) = value;
}

void TKumData::MarkCell(int line, int period) {
  MarkClassOf(Cell(line, period));
  pending_.Cells.set(DocumentChange::CellIndex(line, period));
  pending_.CellLines.set(line);
  pending_.CellPeriods.set(period);
}

void TKumData::SwapCursorCellWithHand() {
  const PeriodCell cell = CursorCell();
  SetCellAt(CurLine, CurPeriod, Hand.Piece);
  Hand.Piece = cell;
  MarkHand();
}

// The observers may run operations of their own; their changes are told after this round.
void TKumData::Notify() {
  if (notifying_) return;
  notifying_ = true;
  while (pending_.Any()) {
    const DocumentChange change = pending_;
    pending_ = DocumentChange{};
    for (DocumentObserver* observer : observers_) observer->DocumentChanged(change);
  }
  notifying_ = false;
}

DocumentObserver::DocumentObserver(TKumData& doc) : observed_(doc) {
  doc.observers_.push_back(this);
}

DocumentObserver::~DocumentObserver() {
  auto& list = observed_.observers_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

std::optional<int> TKumData::FindPieceInPeriod(const PeriodCell& piece) const {
  if (!IsCellPlace(CurLine, CurPeriod)) return std::nullopt;
  for (int n = 1; n <= LineCount; ++n) {
    if (n != CurLine && Cell(n, CurPeriod).SamePiece(piece)) return n;
  }
  return std::nullopt;
}

std::optional<int> TKumData::FindHandClash() const {
  return FindPieceInPeriod(Hand.Piece);
}

std::optional<int> TKumData::FindCellClash() const {
  if (!IsCellPlace(CurLine, CurPeriod)) return std::nullopt;
  return FindPieceInPeriod(Cell(CurLine, CurPeriod));
}

}  // namespace kumo
