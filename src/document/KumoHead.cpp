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
  curLine_ = 1;
  lineCount_ = 0;
  curPeriod_ = 1;
  holdingCount_ = 1;
  hand_ = {};
  historyPos_ = 1;
  historyEnd_ = 1;
  MakeClassLabels();
  history_ = {};
  steps_ = {};
  forgettingTold_ = false;
  lines_ = {};
  saved_ = {};
  other_ = {};
  applied_.Invalidate();
  title_.Len = 0;
  comment_.Len = 0;
  modified_ = false;
  subjectNames1_ = DefaultSubjectNames1();
  subjectNames2_ = DefaultSubjectNames2();
  subjectNames4_ = DefaultSubjectNames4();
  symbols_ = DefaultSymbols();
  symbolMeanings_ = DefaultSymbolMeanings();
  subjectFileName_ = DefaultSubjectFileName;
}

void TKumData::New() {
  const Batch batch(*this);
  CloseFile();
  SetModified(true);
}

void TKumData::CloseFile() {
  const Batch batch(*this);
  Clear();
  fileName_ = NewTableName;
  pending_.FileName = true;
}

void TKumData::SetTitle(std::string_view title, std::string_view comment) {
  const Batch batch(*this);
  title_.AssignWhole(title);
  comment_.AssignWhole(comment);
  pending_.Title = true;
  SetModified(true);
}

void TKumData::MakeClassLabels() {
  const Batch batch(*this);
  MarkAll();
  classLabels_ = ClassLabelsOf(ShownLabelStyle(options_), classLabels_);
}

Byte TKumData::ClassCount(int grade) const {
  Byte count = 0;
  for (int n = 1; n <= lineCount_; ++n) {
    if (lines_[n].Grade == grade) count = std::max(count, lines_[n].Homeroom);
  }
  return count;
}

Byte TKumData::MaxClassCount() const {
  return std::max({ClassCount(1), ClassCount(2), ClassCount(3)});
}

Byte TKumData::LessonCount(int line) const {
  if (line < 1 || line > MaxLines) return 0;
  Byte count = 0;
  for (const PeriodCell& cell : lines_[line].Cells.Items) {
    if (cell.IsLessonHour()) ++count;
  }
  return count;
}

bool TKumData::InAppliedHistory(int line, int period, Byte kind, Byte item) const {
  return applied_.Contains(history_, historyPos_, line, period, kind, item);
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
  lines_[line].Cells[period] = value;
}

void TKumData::MarkCell(int line, int period) {
  MarkClassOf(Cell(line, period));
  pending_.Cells.set(DocumentChange::CellIndex(line, period));
  pending_.CellLines.set(line);
  pending_.CellPeriods.set(period);
}

void TKumData::SwapCursorCellWithHand() {
  const PeriodCell cell = CursorCell();
  SetCellAt(curLine_, curPeriod_, hand_.Piece);
  hand_.Piece = cell;
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
  if (!IsCellPlace(curLine_, curPeriod_)) return std::nullopt;
  for (int n = 1; n <= lineCount_; ++n) {
    if (n != curLine_ && Cell(n, curPeriod_).SamePiece(piece)) return n;
  }
  return std::nullopt;
}

std::optional<int> TKumData::FindHandClash() const {
  return FindPieceInPeriod(hand_.Piece);
}

std::optional<int> TKumData::FindCellClash() const {
  if (!IsCellPlace(curLine_, curPeriod_)) return std::nullopt;
  return FindPieceInPeriod(Cell(curLine_, curPeriod_));
}

}  // namespace kumo
