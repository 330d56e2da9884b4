// The week-wide grids of the timetable (the edit table, the overviews): four header columns
// before the thirty periods, two header rows before the lines, and the drawing rules they share.
#pragma once

#include <QRect>
#include <QString>

#include "document/KumoHead.h"
#include "platform/Canvas.h"

namespace kumo {

class StringGrid;

// Header columns: subject (or class), name, homeroom, lesson count. Header rows: day names, then
// the lesson numbers of each day.
constexpr int HeaderCols = 4;
constexpr int HeaderRows = 2;
constexpr int WeekCols = HeaderCols + PeriodCount;
constexpr int ColOfPeriod(int period) {
  return period + HeaderCols - 1;
}
constexpr int RowOfLine(int line) {
  return line + HeaderRows - 1;
}
constexpr int PeriodOfCol(int col) {
  return col - HeaderCols + 1;
}
constexpr int LineOfRow(int row) {
  return row - HeaderRows + 1;
}

constexpr ColorRef LockedGrey = Rgb(221, 221, 221);

// The text of column col of a line's row, as every week grid shows it: the subject, the name,
// the homeroom class, the lesson count (lines of a grade only), the pieces of the periods.
QString WeekLineText(const TKumData& doc, const Options& options, int line, int col);
// A lesson count as the grids write it, "%2d".
QString LessonCountText(int count);

// Widths, row height and the day and lesson-number headers of a week grid.
void SetUpWeekGrid(StringGrid& grid);
// The period columns from column `first` on, wide enough for classes shown with their grade.
void SetPeriodWidths(StringGrid& grid, const Options& options, int first = HeaderCols);
// The last period of each day is closed by a black line.
bool IsDayEnd(int col);
void DrawDayEnd(Canvas& canvas, const QRect& rect);
// Row 0 reads as one band over the header columns and over each day's inner columns: the cell
// is filled with the current brush one pixel wider on each side, over the grid lines.
bool IsHeaderBand(int col);
void FillHeaderBand(Canvas& canvas, const QRect& rect);
// A view colour by piece kind or line grade; a value off the table takes black's.
ColorRef PieceColor(const Options& options, int index);
// Italic for a piece an applied step of the history put there, bold for a counted one, as the
// options ask.
void SetPieceStyle(Canvas& canvas, const TKumData& doc, const Options& options, int line,
                   int period, bool boldCounted);
void WriteCellText(Canvas& canvas, const QRect& rect, const QString& text);
// A class taught twice in the period: a triangle in the cell's top left corner.
void DrawClashMark(Canvas& canvas, const QRect& rect);

}  // namespace kumo
