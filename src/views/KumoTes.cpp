#include "views/KumoTes.h"

#include <QVBoxLayout>
#include <algorithm>

#include "document/Changes.h"
#include "document/KumoHead.h"
#include "document/Options.h"
#include "editing/WindowCommands.h"
#include "platform/Fonts.h"
#include "platform/ToolMenu.h"
#include "platform/WeekGrid.h"

namespace kumo {
namespace {

constexpr int HelpContext = 3;
constexpr int Technology = 9;      // 技
constexpr int HomeEconomics = 10;  // 家
constexpr ColorRef White = Rgb(255, 255, 255);

// 技 and 家 are taught as one subject: choosing either lists the teachers of both.
bool SameSubject(int subject, int chosen) {
  auto craft = [](int s) { return s == Technology || s == HomeEconomics; };
  return subject == chosen || (craft(subject) && craft(chosen));
}

}  // namespace

TfrmTeachers::TfrmTeachers(TKumData& doc, Options& options, WindowCommands& windows)
    : DocumentObserver(doc), doc_(doc), options_(options), windows_(windows) {
  setObjectName("frmTeachers");
  setWindowTitle(QStringLiteral("教師一覧"));
  setFont(GothicFont(12));
  setProperty("HelpContext", HelpContext);
  resize(435, 300);

  sgrTeachers_ = new StringGrid(this);
  sgrTeachers_->setObjectName("sgrTeachers");
  SetUpWeekGrid(*sgrTeachers_);
  sgrTeachers_->SetCells(0, 1, QStringLiteral("教"));
  sgrTeachers_->SetCells(1, 1, QStringLiteral("名　前"));
  sgrTeachers_->SetCells(2, 1, QStringLiteral("担"));
  sgrTeachers_->SetCells(3, 1, QStringLiteral("時"));
  sgrTeachers_->OnClick = [this] { sgrTeachersClick(); };
  sgrTeachers_->SetPaleSelection(true);
  sgrTeachers_->OnDrawCell = [this](Canvas& canvas, int col, int row, const QRect& rect,
                                    CellState state) {
    sgrTeachersDrawCell(canvas, col, row, rect, state);
  };
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(sgrTeachers_);
  BuildLocalMenu();
}

void TfrmTeachers::BuildLocalMenu() {
  AddToolMenu(*this, HelpContext, {{"pmnViewSet", "表示設定(&V)", [this] { pmnViewSetClick(); }}});
}

// Renewals requested while hidden were skipped.
void TfrmTeachers::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  RenewAll();
}

bool TfrmTeachers::Listed(const TeacherLine& line) const {
  const Options& options = options_;
  switch (options.TeachersGroup) {
    case 0:
      return SameSubject(line.Subject, options.TeachersSubject);
    case 1:
      // Lines of no grade are never listed, also when no grade is chosen.
      return line.Grade >= 1 && line.Grade == options.TeachersGrade + 1;
    default:
      return false;
  }
}

void TfrmTeachers::RenewAll() {
  if (!isVisible()) return;
  const TKumData& doc = doc_;
  ListedLines.clear();
  for (int n = 1; n <= doc.LineCount(); ++n) {
    if (Listed(doc.Line(n))) ListedLines.push_back(n);
  }
  const int count = static_cast<int>(ListedLines.size());
  sgrTeachers_->SetRowCount(std::max(count, 1) + HeaderRows);
  if (count == 0) {
    for (int c = 0; c < WeekCols; ++c) sgrTeachers_->SetCells(c, HeaderRows, QString());
  }
  SetPeriodWidths(*sgrTeachers_, options_);
  for (int k = 0; k < count; ++k) WriteRow(k);
  clashes_ = options_.MarkClashes ? ClashMarks::Find(doc) : ClashMarks{};
  // Colours and styles follow the options and the history, not only the texts.
  sgrTeachers_->viewport()->update();
}

void TfrmTeachers::ShowClashMarks() {
  const ClashMarks marks = options_.MarkClashes ? ClashMarks::Find(doc_) : ClashMarks{};
  if (marks == clashes_) return;
  for (int k = 0; k < static_cast<int>(ListedLines.size()); ++k) {
    for (int p = 1; p <= PeriodCount; ++p) {
      if (marks.At(ListedLines[k], p) == clashes_.At(ListedLines[k], p)) continue;
      const QRect rect = sgrTeachers_->CellRect(ColOfPeriod(p), k + HeaderRows);
      if (!rect.isEmpty()) sgrTeachers_->viewport()->update(rect);
    }
  }
  clashes_ = marks;
}

void TfrmTeachers::WriteRow(int k) {
  for (int c = 0; c < WeekCols; ++c) {
    sgrTeachers_->SetCells(c, k + HeaderRows, WeekLineText(doc_, options_, ListedLines[k], c));
  }
}

void TfrmTeachers::DocumentChanged(const DocumentChange& change) {
  if (!isVisible()) return;
  if (change.All || change.Lines || change.Subjects) {
    RenewAll();
    return;
  }
  if (!change.AnyCell()) return;  // a cursor moved alone renews nothing
  // After a clash a move changes the clashing line as well as the cursor's. Flags and the
  // history change a cell's look even when its text stays: the whole row repaints.
  for (int k = 0; k < static_cast<int>(ListedLines.size()); ++k) {
    if (!change.LineChanged(ListedLines[k])) continue;
    WriteRow(k);
    sgrTeachers_->RepaintRow(k + HeaderRows);
  }
  // A clash marks the other line too, which the change may not name.
  ShowClashMarks();
}

void TfrmTeachers::sgrTeachersDrawCell(Canvas& canvas, int col, int row, const QRect& rect,
                                       CellState state) {
  const TKumData& doc = doc_;
  const Options& options = options_;
  const int k = row - HeaderRows;
  const bool dataRow = k >= 0 && k < static_cast<int>(ListedLines.size());
  const bool periodCell = dataRow && col >= HeaderCols;
  const int line = dataRow ? ListedLines[k] : 0;
  const int period = PeriodOfCol(col);
  const PeriodCell cell = periodCell ? doc.Cell(line, period) : PeriodCell{};

  // The selection is not shown: the overview only mirrors the edit table.
  if (!state.Fixed) {
    canvas.SetBrushColor(cell.Has(Locked) ? LockedGrey : White);
    canvas.FillRect(rect);
  }
  if (periodCell && options.ShowChanges && CellChanged(doc, line, period)) {
    DrawChangeFrame(canvas, rect);
  }
  if (IsDayEnd(col)) DrawDayEnd(canvas, rect);
  if (row == 0 && IsHeaderBand(col)) FillHeaderBand(canvas, rect);

  ColorRef text = SystemColor(QPalette::WindowText);
  if (dataRow) text = PieceColor(options, periodCell ? cell.Kind : doc.Line(line).Grade);
  canvas.SetFontColor(text);
  if (periodCell && clashes_.At(line, period)) DrawClashMark(canvas, rect);
  if (periodCell) SetPieceStyle(canvas, doc, options, line, period, true);
  canvas.SetBrushClear();
  WriteCellText(canvas, rect, sgrTeachers_->Cells(col, row));
}

void TfrmTeachers::sgrTeachersClick() {
  RenewAll();
}

void TfrmTeachers::pmnViewSetClick() {
  windows_.OpenEnvironment(EnvironmentPage::View);
  RenewAll();
}

}  // namespace kumo
