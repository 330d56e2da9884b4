#include "platform/WeekGrid.h"

#include <string>

#include "document/FullWidth.h"
#include "document/PieceLabel.h"
#include "platform/DocText.h"
#include "platform/StringGrid.h"

namespace kumo {

constexpr int CellSize = 16;
constexpr int NameWidth = 40;

QString WeekLineText(const TKumData& doc, const Options& options, int line, int col) {
  const TeacherLine& l = doc.Line(line);
  switch (col) {
    case 0:
      return l.Subject <= MaxSubject ? FromDocText(doc.SubjectNames1()[l.Subject].View())
                                     : QString();
    case 1:
      return FromDocText(l.Name.View());
    case 2:
      return l.Homeroom <= MaxClassNo ? FromDocText(doc.ClassLabels()[l.Homeroom].View())
                                      : QString();
    case 3:
      return l.Grade >= 1 && l.Grade <= 3 ? LessonCountText(doc.LessonCount(line)) : QString();
    default:
      return FromDocText(ShownPieceLabel(doc, options, l.Cells[PeriodOfCol(col)]));
  }
}

void SetPeriodWidths(StringGrid& grid, const Options& options, int first) {
  // "1-12", the widest a class with its grade gets, in the 12-pixel font.
  constexpr int GradedWidth = 26;
  const int width = options.GradeLabels ? GradedWidth : CellSize;
  for (int c = first; c < grid.ColCount(); ++c) grid.SetColWidth(c, width);
}

QString LessonCountText(int count) {
  return QString::asprintf("%2d", count);
}

void SetUpWeekGrid(StringGrid& grid) {
  grid.SetColCount(WeekCols);
  grid.SetFixedCols(HeaderCols);
  grid.SetDefaultColWidth(CellSize);
  grid.SetColWidth(1, NameWidth);
  grid.SetDefaultRowHeight(CellSize);
  if (grid.RowCount() < HeaderRows + 1) grid.SetRowCount(HeaderRows + 1);
  grid.SetFixedRows(HeaderRows);
  for (int day = 0; day < DayCount; ++day) {
    grid.SetCells(6 + 6 * day, 0, FromDocText(DayName(day)));
    grid.SetCells(7 + 6 * day, 0, QStringLiteral("曜"));
    for (int k = 1; k <= PeriodsPerDay; ++k) {
      grid.SetCells(3 + 6 * day + k, 1, FromDocText(ToFullWidth(std::to_string(k))));
    }
  }
}

bool IsDayEnd(int col) {
  return col >= ColOfPeriod(PeriodsPerDay) && col < WeekCols &&
         PeriodOfCol(col) % PeriodsPerDay == 0;
}

void DrawDayEnd(Canvas& canvas, const QRect& rect) {
  canvas.SetPenColor(Rgb(0, 0, 0));
  canvas.SetPenWidth(1);
  canvas.MoveTo(rect.right() + 1, rect.top());
  canvas.LineTo(rect.right() + 1, rect.bottom() + 2);
}

// Purple: apart from the place tints' blue, yellow and red, and from the cursor's grey.
void DrawChangeFrame(Canvas& canvas, const QRect& rect) {
  canvas.SetPenColor(Rgb(136, 34, 170));
  canvas.SetPenWidth(1);
  for (int inset = 0; inset < 2; ++inset) {
    const QRect r = rect.adjusted(inset, inset, -inset, -inset);
    canvas.MoveTo(r.left(), r.top());
    canvas.LineTo(r.right(), r.top());
    canvas.LineTo(r.right(), r.bottom());
    canvas.LineTo(r.left(), r.bottom());
    canvas.LineTo(r.left(), r.top());
  }
}

bool IsHeaderBand(int col) {
  if (col == 1 || col == 2) return true;
  const int inDay = (col - HeaderCols) % PeriodsPerDay;
  return col >= HeaderCols && inDay >= 1 && inDay <= 4;
}

void FillHeaderBand(Canvas& canvas, const QRect& rect) {
  canvas.FillRect(rect.adjusted(-1, 0, 1, 0));
}

ColorRef PieceColor(const Options& options, int index) {
  const bool known = index >= 0 && index < static_cast<int>(options.PieceColors.size());
  return options.PieceColors[known ? index : 0];
}

void SetPieceStyle(Canvas& canvas, const TKumData& doc, const Options& options, int line,
                   int period, bool boldCounted) {
  const PeriodCell& cell = doc.Cell(line, period);
  if (cell.IsEmpty()) return;
  // The font starts plain for every cell; only a change costs a new font.
  if (options.OnStackView && doc.InAppliedHistory(line, period, cell.Kind, cell.Item)) {
    canvas.SetItalic(true);
  }
  if (boldCounted && options.CountedView && cell.Has(Counted)) canvas.SetBold(true);
}

void WriteCellText(Canvas& canvas, const QRect& rect, const QString& text) {
  canvas.TextOut(rect.left() + 2, rect.top() + 2, text);
}

// Vermilion, which every kind of colour vision tells from the tints and the piece colours.
void DrawClashMark(Canvas& canvas, const QRect& rect) {
  constexpr int Size = 6;
  canvas.SetBrushColor(Rgb(213, 94, 0));
  for (int k = 0; k < Size; ++k) canvas.FillRect(QRect(rect.left(), rect.top() + k, Size - k, 1));
}

}  // namespace kumo
