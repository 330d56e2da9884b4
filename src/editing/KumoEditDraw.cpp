// How the edit grid and the summary grid paint their cells: colours by piece kind and grade,
// grey for locked pieces, italic for pieces on the applied history, bold for counted ones.
#include "document/Changes.h"
#include "document/KumoHead.h"
#include "document/Options.h"
#include "editing/KumoEdit.h"

namespace kumo {

namespace {

constexpr ColorRef White = Rgb(255, 255, 255);

}  // namespace

void TfrmEdit::sgrEditDrawCell(Canvas& canvas, int col, int row, const QRect& rect,
                               CellState state) {
  const TKumData& doc = doc_;
  const Options& options = options_;
  const int line = LineOfRow(row);
  const int period = PeriodOfCol(col);
  const bool dataRow = row >= HeaderRows && line <= doc.LineCount();
  const bool periodCol = col >= HeaderCols;
  const PeriodCell cell = dataRow && periodCol ? doc.Cell(line, period) : PeriodCell{};

  // The hand's line is tinted by where the class in hand can go; locked cells stay grey.
  const PlaceTint place = dataRow && periodCol ? places_.At(line, period) : PlaceTint::None;
  ColorRef brush = White;
  if (state.Fixed) {
    brush = SystemColor(QPalette::Button);
  } else if (state.Selected) {
    brush = options.CursorColor;
  } else if (cell.Has(Locked)) {
    brush = LockedGrey;
  } else if (place != PlaceTint::None) {
    brush = PlaceBrush(place);
  }
  // The grid has already filled the cell with its own brush for the state.
  if (!state.Fixed && brush != canvas.BrushColor()) {
    canvas.SetBrushColor(brush);
    canvas.FillRect(rect);
  }
  if (place != PlaceTint::None) DrawPlaceMark(canvas, rect, place, state.Selected);
  if (dataRow && periodCol && options.ShowChanges && CellChanged(doc, line, period)) {
    DrawChangeFrame(canvas, rect);
  }
  if (dataRow && periodCol && clashes_.At(line, period)) DrawClashMark(canvas, rect);
  if (IsDayEnd(col)) DrawDayEnd(canvas, rect);
  if (row == 0 && IsHeaderBand(col)) FillHeaderBand(canvas, rect);

  const QString textOfCell = sgrEdit_->Cells(col, row);
  if (textOfCell.isEmpty()) return;
  ColorRef text = SystemColor(QPalette::WindowText);
  if (dataRow) {
    text = PieceColor(options, periodCol ? cell.Kind : doc.Line(line).Grade);
  }
  if (col == 1 && row == 0) text = PieceColor(options, doc.Hand().Piece.Kind);
  canvas.SetFontColor(text);
  if (dataRow && periodCol) SetPieceStyle(canvas, doc, options, line, period, true);
  // On the background already painted.
  canvas.SetBrushClear();
  WriteCellText(canvas, rect, textOfCell);
}

void TfrmEdit::sgrViewDrawCell(Canvas& canvas, int col, int row, const QRect& rect,
                               CellState state) {
  const TKumData& doc = doc_;
  const TClassLines& classes = classes_;
  const Options& options = options_;
  auto color = [&](int index) { return PieceColor(options, index); };
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
  const bool clashShown =
      doc.Hand().Piece.IsClass() && ClashLine >= 1 && ClashLine <= doc.LineCount();
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
        canvas.SetFontColor(color(teacher != 0 ? doc.Line(teacher).Grade : 0));
      }
      if (teacher != 0) SetPieceStyle(canvas, doc, options, teacher, period, false);
    }
    canvas.FillRect(rect);
  } else if (classInView && row == 1 && clashShown) {
    if (col < 4) {
      canvas.SetFontColor(color(doc.Line(ClashLine).Grade));
    } else if (periodCol) {
      canvas.SetFontColor(color(doc.Cell(ClashLine, period).Kind));
      SetPieceStyle(canvas, doc, options, ClashLine, period, false);
    }
    canvas.FillRect(rect);
  }
  WriteCellText(canvas, rect, sgrView_->Cells(col, row));
}

}  // namespace kumo
