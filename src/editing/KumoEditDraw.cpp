// How the edit grid and the summary grid paint their cells: colours by piece kind and grade,
// grey for locked pieces, italic for pieces on the applied history, bold for counted ones.
#include "editing/KumoEdit.h"
#include "shell/KumoApp.h"

namespace kumo {

namespace {

constexpr ColorRef White = Rgb(255, 255, 255);
constexpr ColorRef LockedGrey = Rgb(221, 221, 221);
constexpr ColorRef Black = Rgb(0, 0, 0);

bool IsDayEnd(int col) {
  return col >= 9 && col <= 33 && (col - 9) % PeriodsPerDay == 0;
}

// Row 0 reads as one band over the hand and homeroom columns and over each day's inner columns.
bool IsHeaderBand(int col) {
  if (col == 1 || col == 2) return true;
  const int inDay = (col - 4) % PeriodsPerDay;
  return col >= 4 && inDay >= 1 && inDay <= 4;
}

// The black line that closes a day, along the cell's right edge down to one pixel below it.
void DrawDayEnd(Canvas& canvas, const QRect& rect) {
  canvas.SetPenColor(Black);
  canvas.SetPenWidth(1);
  canvas.MoveTo(rect.right() + 1, rect.top());
  canvas.LineTo(rect.right() + 1, rect.bottom() + 2);
}

// A colour of the view colours by piece kind or line grade; values off the table take black's.
ColorRef PieceColor(const Options& options, int index) {
  return options
      .PieceColors[index >= 0 && index < static_cast<int>(options.PieceColors.size()) ? index : 0];
}

void WriteText(Canvas& canvas, const QRect& rect, const QString& text) {
  canvas.TextOut(rect.left() + 2, rect.top() + 2, text);
}

}  // namespace

void TfrmEdit::sgrEditDrawCell(Canvas& canvas, int col, int row, const QRect& rect,
                               CellState state) {
  const TKumData& doc = app_.doc;
  const Options& options = app_.options;
  const int line = LineOfRow(row);
  const int period = PeriodOfCol(col);
  const bool dataRow = row >= HeaderRows && line <= doc.LineCount;
  const bool periodCol = col >= HeaderCols;
  const PeriodCell cell = dataRow && periodCol ? doc.Cell(line, period) : PeriodCell{};

  ColorRef brush = White;
  if (state.Fixed) {
    brush = SystemColor(QPalette::Button);
  } else if (state.Selected) {
    brush = options.CursorColor;
  } else if (cell.Has(Locked)) {
    brush = LockedGrey;
  }
  // The grid has already filled the cell with its own brush for the state.
  if (!state.Fixed && brush != canvas.BrushColor()) {
    canvas.SetBrushColor(brush);
    canvas.FillRect(rect);
  }
  if (IsDayEnd(col)) DrawDayEnd(canvas, rect);
  if (row == 0 && IsHeaderBand(col)) canvas.FillRect(rect.adjusted(-1, 0, 1, 0));

  const QString textOfCell = sgrEdit_->Cells(col, row);
  if (textOfCell.isEmpty()) return;
  ColorRef text = SystemColor(QPalette::WindowText);
  if (dataRow) {
    text = PieceColor(options, periodCol ? cell.Kind : doc.Lines[line].Grade);
  }
  if (col == 1 && row == 0) text = PieceColor(options, doc.Hand.Piece.Kind);
  canvas.SetFontColor(text);
  // The font starts plain; only a change costs a new font.
  if (dataRow && periodCol && !cell.IsEmpty()) {
    if (options.OnStackView && doc.InAppliedHistory(line, period, cell.Kind, cell.Item)) {
      canvas.SetItalic(true);
    }
    if (options.CountedView && cell.Has(Counted)) canvas.SetBold(true);
  }
  // On the background already painted.
  canvas.SetBrushClear();
  WriteText(canvas, rect, textOfCell);
}

void TfrmEdit::sgrViewDrawCell(Canvas& canvas, int col, int row, const QRect& rect,
                               CellState state) {
  const TKumData& doc = app_.doc;
  const TClassLines& classes = app_.classes;
  const Options& options = app_.options;
  auto color = [&](int index) { return PieceColor(options, index); };
  auto italic = [&](int line, int period) {
    const PeriodCell& cell = doc.Cell(line, period);
    return options.OnStackView && !cell.IsEmpty() &&
           doc.InAppliedHistory(line, period, cell.Kind, cell.Item);
  };
  // The summary follows the cursor by scrolling only; its own current cell is no selection
  // to show, least of all in an empty class row.
  if (state.Selected) {
    canvas.SetBrushColor(SystemColor(QPalette::Base));
    canvas.SetFontColor(SystemColor(QPalette::WindowText));
    canvas.FillRect(rect);
  }
  if (IsDayEnd(col)) DrawDayEnd(canvas, rect);
  const int period = PeriodOfCol(col);
  const bool periodCol = col >= HeaderCols && period <= PeriodCount;
  // An empty class row is drawn plainly, whatever class was in view before.
  const bool classInView = ViewEntry >= 1 && ViewEntry <= classes.EntryCount &&
                           ViewGrade >= KindGrade1 && ViewGrade <= KindGrade3;
  const bool clashShown = doc.Hand.Piece.IsClass() && ClashLine >= 1 && ClashLine <= doc.LineCount;
  if (classInView && row == 0) {
    if (col < 4) {
      canvas.SetFontColor(color(ViewGrade));
    } else if (periodCol) {
      const ClassEntry& entry = classes.Entries[ViewEntry];
      const int teacher = entry.PeriodLines[period];
      const int home = entry.HomeroomLine;
      canvas.SetBrushColor(teacher != 0 && doc.Cell(teacher, period).Has(Locked) ? LockedGrey
                                                                                 : White);
      if (home != 0 && doc.Cell(home, period).Kind == KindSubject) {
        canvas.SetFontColor(color(KindSubject));
      } else {
        canvas.SetFontColor(color(teacher != 0 ? doc.Lines[teacher].Grade : 0));
      }
      canvas.SetItalic(teacher != 0 && italic(teacher, period));
    }
    canvas.FillRect(rect);
  } else if (classInView && row == 1 && clashShown) {
    if (col < 4) {
      canvas.SetFontColor(color(doc.Lines[ClashLine].Grade));
    } else if (periodCol) {
      canvas.SetFontColor(color(doc.Cell(ClashLine, period).Kind));
      canvas.SetItalic(italic(ClashLine, period));
    }
    canvas.FillRect(rect);
  }
  WriteText(canvas, rect, sgrView_->Cells(col, row));
}

}  // namespace kumo
