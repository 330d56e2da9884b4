#include "views/KumoCls.h"

#include <QVBoxLayout>
#include <algorithm>

#include "document/Changes.h"
#include "document/ClassWeek.h"
#include "document/KumoHead.h"
#include "document/Options.h"
#include "editing/WindowCommands.h"
#include "platform/DocText.h"
#include "platform/Fonts.h"
#include "platform/ToolMenu.h"
#include "platform/WeekGrid.h"

namespace kumo {
namespace {

constexpr int HelpContext = 4;

}  // namespace

TfrmClasses::TfrmClasses(TKumData& doc, TClassLines& classes, Options& options,
                         WindowCommands& windows)
    : DocumentObserver(doc), doc_(doc), classes_(classes), options_(options), windows_(windows) {
  setObjectName("frmClasses");
  setWindowTitle(QStringLiteral("クラス一覧"));
  setFont(GothicFont(12));
  setProperty("HelpContext", HelpContext);
  resize(435, 400);

  sgrClasses_ = new StringGrid(this);
  sgrClasses_->setObjectName("sgrClasses");
  SetUpWeekGrid(*sgrClasses_);
  sgrClasses_->SetRangeSelect(false);
  sgrClasses_->SetCells(0, 1, QStringLiteral("ク"));
  sgrClasses_->SetCells(1, 1, QStringLiteral("担　任"));
  sgrClasses_->SetCells(3, 1, QStringLiteral("時"));
  sgrClasses_->OnClick = [this] { sgrClassesClick(); };
  sgrClasses_->SetPaleSelection(true);
  sgrClasses_->OnDrawCell = [this](Canvas& canvas, int col, int row, const QRect& rect, CellState) {
    sgrClassesDrawCell(canvas, col, row, rect);
  };
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(sgrClasses_);
  BuildLocalMenu();
}

void TfrmClasses::BuildLocalMenu() {
  AddToolMenu(*this, HelpContext, {{"pmnSetView", "表示設定(&V)", [this] { pmnSetViewClick(); }}});
}

// Renewals requested while hidden were skipped.
void TfrmClasses::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  RenewAll();
}

void TfrmClasses::RenewAll() {
  if (!isVisible()) return;
  // The document's notices keep the class index, its entries and their lines, up to date.
  TClassLines& classes = classes_;
  classes.VisibleCount = 0;
  for (int e = 1; e <= classes.UsedEntries(); ++e) {
    if (options_.ClassesGrade[classes.Entries[e].Grade - 1]) {
      classes.VisibleEntries[++classes.VisibleCount] = static_cast<Byte>(e);
    }
  }
  sgrClasses_->SetRowCount(std::max<int>(classes.VisibleCount, 1) + HeaderRows);
  if (classes.VisibleCount == 0) {
    for (int c = 0; c < WeekCols; ++c) sgrClasses_->SetCells(c, HeaderRows, QString());
  }
  for (int k = 1; k <= classes.VisibleCount; ++k) FillRow(k);
  // Colours and styles follow the options and the history, not only the texts.
  sgrClasses_->viewport()->update();
}

void TfrmClasses::RenewClass(int grade, int classNo) {
  const TClassLines& classes = classes_;
  for (int k = 1; k <= classes.VisibleCount; ++k) {
    const ClassEntry& entry = classes.Entries[classes.VisibleEntries[k]];
    if (entry.Grade == grade && entry.ClassNo == classNo) {
      FillRow(k);
      // Flags and the history change a cell's look even when its text stays.
      sgrClasses_->RepaintRow(k + HeaderRows - 1);
      return;
    }
  }
}

void TfrmClasses::FillRow(int k) {
  const TKumData& doc = doc_;
  const ClassEntry& entry = classes_.Entries[classes_.VisibleEntries[k]];
  const int row = k + HeaderRows - 1;
  const int home = entry.HomeroomLine;
  sgrClasses_->SetCells(0, row, FromDocText(doc.ClassLabels()[entry.ClassNo].View()));
  sgrClasses_->SetCells(
      1, row, doc.IsLineInUse(home) ? FromDocText(doc.Line(home).Name.View()) : QString());
  int count = 0;
  for (int p = 1; p <= PeriodCount; ++p) {
    const ClassPeriod at = ClassSubjectAt(doc, entry, p);
    if (at.Counted()) ++count;
    sgrClasses_->SetCells(ColOfPeriod(p), row, FromDocText(doc.SubjectNames1()[at.Subject].View()));
  }
  sgrClasses_->SetCells(3, row, LessonCountText(count));
}

void TfrmClasses::DocumentChanged(const DocumentChange& change) {
  if (!isVisible()) return;
  if (change.All || change.Lines || change.Subjects) {
    RenewAll();
    return;
  }
  // Classes change only with cells: a cursor moved alone renews nothing.
  if (!change.AnyCell()) return;
  // Both classes of an exchange are among them.
  for (int grade = 1; grade <= 3; ++grade) {
    for (int classNo = 1; classNo <= MaxClassNo; ++classNo) {
      if (change.Class(grade, classNo)) RenewClass(grade, classNo);
    }
  }
  // The homeroom teacher's own subject pieces show in the class's row.
  const TKumData& doc = doc_;
  for (int n = 1; n <= doc.LineCount(); ++n) {
    if (change.LineChanged(n)) RenewClass(doc.Line(n).Grade, doc.Line(n).Homeroom);
  }
}

void TfrmClasses::sgrClassesDrawCell(Canvas& canvas, int col, int row, const QRect& rect) {
  const TKumData& doc = doc_;
  const TClassLines& classes = classes_;
  const Options& options = options_;
  const int k = row - HeaderRows + 1;
  ColorRef text = SystemColor(QPalette::WindowText);
  if (row >= HeaderRows && k <= classes.VisibleCount) {
    const ClassEntry& entry = classes.Entries[classes.VisibleEntries[k]];
    if (col < HeaderCols) {
      text = PieceColor(options, entry.Grade);
    } else {
      const int period = PeriodOfCol(col);
      const int teacher = entry.PeriodLines[period];
      const bool taught = doc.IsLineInUse(teacher);
      if (taught && doc.Cell(teacher, period).Has(Locked)) {
        canvas.SetBrushColor(LockedGrey);
        canvas.FillRect(rect);
      }
      if (ClassSubjectAt(doc, entry, period).Homeroom) {
        text = PieceColor(options, KindSubject);
      } else {
        text = PieceColor(options, taught ? doc.Line(teacher).Grade : 0);
      }
      // Italic only: bold marks a teacher line's counted pieces, which this row does not show.
      if (taught) SetPieceStyle(canvas, doc, options, teacher, period, false);
      if (options.ShowChanges && ClassChanged(doc, entry.Grade, entry.ClassNo, period)) {
        DrawChangeFrame(canvas, rect);
      }
    }
  }
  if (IsDayEnd(col)) DrawDayEnd(canvas, rect);
  if (row == 0 && IsHeaderBand(col)) FillHeaderBand(canvas, rect);
  canvas.SetFontColor(text);
  canvas.SetBrushClear();
  WriteCellText(canvas, rect, sgrClasses_->Cells(col, row));
}

void TfrmClasses::sgrClassesClick() {
  RenewAll();
}

void TfrmClasses::pmnSetViewClick() {
  classes_.BuildClassList();
  windows_.OpenEnvironment(EnvironmentPage::View);
  RenewAll();
}

}  // namespace kumo
