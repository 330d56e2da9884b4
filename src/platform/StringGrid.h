// StringGrid: the owner-drawn string grid behind every grid window.
//
// Cells are addressed (column, row), both from 0. The first FixedCols columns and FixedRows
// rows are headers: they stay in place while the rest scrolls and can never become the current
// cell. The current cell always lies in the non-fixed part; the selection is the rectangle
// between an anchor and the current cell (a single cell unless range selection is on and the
// user drags or uses shift with the arrows).
//
//   StringGrid grid;
//   grid.setFont(font);                  // the cells' font, e.g. "ＭＳ ゴシック" 12 px
//   grid.SetColCount(34); grid.SetRowCount(3);
//   grid.SetFixedCols(4); grid.SetFixedRows(2);
//   grid.SetDefaultColWidth(16);         // resets every column to 16
//   grid.SetColWidth(1, 40);
//   grid.SetCells(6, 0, "月");
//   grid.OnClick = [&] { ... grid.Col(), grid.Row() ... };
//   grid.OnDrawCell = [&](Canvas& canvas, int col, int row, const QRect& rect, CellState s) {
//     canvas.SetFontColor(...);
//     canvas.TextOut(rect.left() + 2, rect.top() + 2, grid.Cells(col, row));
//   };
//
// Drawing. All grid lines of the exposed area are drawn first: a 1-pixel line right of and
// below every cell, light grey between normal cells, darker beside fixed ones. Then, for each
// exposed cell, the grid resets the canvas (the grid's font, plain; brush and font colour of
// the cell's state: button face for fixed cells, highlight for selected ones, the base colour
// otherwise), fills the cell's rect with that brush and calls OnDrawCell; without a handler it
// writes the cell's text at (2, 2) itself. Last, the grid draws the focus rectangle of the
// current cell while it has the keyboard focus, so handlers need not. rect is the cell without
// its lines: its right line is the column rect.right() + 1, its bottom line the row
// rect.bottom() + 1, and a handler may paint over them (or over the left neighbour's line at
// rect.left() - 1). Painting is clipped to the area being repainted; SetCells repaints only
// that cell's rect.
//
// Events, in the order they come:
//   OnKeyDown(key, modifiers)  every key press, before the grid's own handling. Keypad keys
//                              carry Qt::KeypadModifier. Set key to 0 to swallow it, or to
//                              another key (e.g. Qt::Key_Down) to have the grid act on that one;
//                              a swallowed or replaced key produces no OnKeyPress.
//   OnKeyPress(ch)             printable characters, Enter (as '\r') and Space.
//   OnSelectCell(col, row, canSelect)  before the current cell moves there; set canSelect to
//                              false to keep it where it is.
//   OnClick                    the current cell has moved (mouse, keyboard or program), and also
//                              for every left-button press on a normal cell, moved or not (the
//                              second press of a double click included).
//   OnDblClick                 a left double click on a normal cell, after it became current;
//                              double clicks on fixed cells or outside the cells are ignored.
//   OnMouseUp(button, pos)     a mouse button released over the grid (pos in grid pixels, which
//                              are CellRect's: the grid has no frame). The left button moves the
//                              current cell; the right one moves it only onto a cell outside the
//                              selection, so that a popup menu acts on what was clicked.
// Dragging, for a grid whose owner sets these:
//   OnDragStart(col, row)      a left press on a normal cell: true when a drag of what the cell
//                              holds begins there, instead of a range selection.
//   OnDragOver(col, row)       while that button is held, each time the mouse comes onto another
//                              cell; false ends the drag.
//   OnDrop(col, row)           the button released after the drag moved, over the last cell.
//   DragData(col, row)         what a cell gives when it is dragged into another window (nullptr:
//                              nothing); the drag begins once the mouse has moved the desktop's
//                              distance.
//   OnDataDrop(col, row, data, drop)  data dragged over a normal cell (drop false) or dropped
//                              there (true); true when the grid takes it.
// The wheel scrolls by rows, or by columns with Shift or a sideways wheel, whether or not the
// scroll bars show; it leaves the current cell where it is.
// Changing RowCount, ColCount or the fixed counts pulls the current cell back inside silently.
#pragma once

#include <QAbstractScrollArea>
#include <QMimeData>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "platform/Canvas.h"
#include "platform/KeptFonts.h"

namespace kumo {

struct CellPos {
  int Col = 0;
  int Row = 0;
  bool operator==(const CellPos&) const = default;
};

// Inclusive column and row bounds.
struct GridRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  bool operator==(const GridRect&) const = default;
  bool Contains(int col, int row) const {
    return col >= Left && col <= Right && row >= Top && row <= Bottom;
  }
  bool SingleCell() const { return Left == Right && Top == Bottom; }
};

struct CellState {
  bool Fixed = false;
  bool Selected = false;  // in the selection rectangle, the current cell included
  bool Focused = false;   // the current cell while the grid has the keyboard focus
};

enum class GridScrollBars { None, Horizontal, Vertical, Both };

class StringGrid : public QAbstractScrollArea {
 public:
  explicit StringGrid(QWidget* parent = nullptr);

  int ColCount() const { return colCount_; }
  int RowCount() const { return rowCount_; }
  // At least one column and row; cells that stay inside keep their texts.
  void SetColCount(int count);
  void SetRowCount(int count);
  int FixedCols() const { return fixedCols_; }
  int FixedRows() const { return fixedRows_; }
  // At most ColCount − 1 and RowCount − 1: one normal column and row always remain.
  void SetFixedCols(int count);
  void SetFixedRows(int count);

  // Outside the grid: empty text, writes are ignored.
  QString Cells(int col, int row) const;
  void SetCells(int col, int row, const QString& text);
  // A virtual grid: the texts of the rows below the fixed ones are asked for here when they are
  // painted or read, and are not kept; writes to them are ignored, and whoever changes what
  // they show repaints them.
  std::function<QString(int col, int row)> RowText;

  int DefaultColWidth() const { return defaultColWidth_; }
  void SetDefaultColWidth(int width);  // every column takes the new width
  int ColWidth(int col) const;
  void SetColWidth(int col, int width);
  int DefaultRowHeight() const { return rowHeight_; }
  // Every column with its line: the width that shows the whole grid without scrolling sideways.
  // In screen pixels, zoomed.
  int FullWidth() const { return Zoomed(ColumnsWidth(0, colCount_)); }
  void SetDefaultRowHeight(int height);

  int Col() const { return current_.Col; }
  int Row() const { return current_.Row; }
  // Makes (col, row) the current cell and the selection (clamped to the normal cells), scrolled
  // into view.
  void SetCurrent(int col, int row);
  GridRect Selection() const;
  // Anchor at the top left, current cell at the bottom right.
  void SetSelection(const GridRect& selection);
  bool RangeSelect() const { return rangeSelect_; }
  void SetRangeSelect(bool on);
  // Selected cells filled with a pale tint of the highlight and written in the normal text
  // colour, for grids whose handlers write pieces in colours of their own that must stay
  // readable.
  void SetPaleSelection(bool on);

  // Every size the grid is given is drawn at this percentage: cells, lines and texts alike.
  // CellRect, CellAt, FullWidth and the mouse's positions are in screen pixels, the drawing
  // handlers' rects in the unzoomed ones.
  int Zoom() const { return zoom_; }
  void SetZoom(int percent);
  int Zoomed(int pixels) const;  // rounded up
  // Ctrl with the wheel asks for the zoom to change by so many steps (positive: larger).
  std::function<void(int steps)> OnZoom;

  void SetScrollBars(GridScrollBars bars);
  // The first normal column and row shown.
  int LeftCol() const { return leftCol_; }
  int TopRow() const { return topRow_; }
  void SetLeftCol(int col);
  void SetTopRow(int row);

  // In grid pixels; an empty rect for a cell scrolled out of view or outside the grid.
  QRect CellRect(int col, int row) const;
  std::optional<CellPos> CellAt(const QPoint& pos) const;
  // The row across the whole width, with the line below it, is painted again.
  void RepaintRow(int row);

  std::function<void(Canvas& canvas, int col, int row, const QRect& rect, CellState state)>
      OnDrawCell;
  std::function<void()> OnClick;
  std::function<void(int col, int row, bool& canSelect)> OnSelectCell;
  std::function<void()> OnDblClick;
  std::function<void(Qt::MouseButton button, const QPoint& pos)> OnMouseUp;
  std::function<void(int& key, Qt::KeyboardModifiers modifiers)> OnKeyDown;
  std::function<void(QChar& ch)> OnKeyPress;
  std::function<bool(int col, int row)> OnDragStart;
  std::function<bool(int col, int row)> OnDragOver;
  std::function<void(int col, int row)> OnDrop;
  std::function<QMimeData*(int col, int row)> DragData;
  std::function<bool(int col, int row, const QMimeData& data, bool drop)> OnDataDrop;
  // Lets OnDataDrop take drops.
  void AcceptDataDrops();

  // A grid takes whatever size its window is given, as small as the palettes' few rows.
  QSize minimumSizeHint() const override { return {}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  struct Look;

  bool IsFixed(int col, int row) const { return col < fixedCols_ || row < fixedRows_; }
  bool IsVirtual(int row) const { return RowText && row >= fixedRows_; }
  CellPos ClampToNormal(CellPos pos) const;
  QRect CellArea(int col, int row) const;  // CellRect unzoomed
  // The viewport's size unzoomed.
  int ViewWidth() const;
  int ViewHeight() const;
  QPoint FromDevice(const QPoint& pos) const;
  QRect FromDevice(const QRect& rect) const;
  QRect ToDevice(const QRect& rect) const;
  void Repaint(const QRect& area);  // unzoomed
  // Asks OnSelectCell, moves the current cell (the anchor follows unless extending) and fires
  // OnClick when it moved or when click is set. Returns false when the move was refused.
  bool MoveCurrent(CellPos to, bool extend, bool click);
  void NavigateByKey(int key, Qt::KeyboardModifiers modifiers);
  void ScrollIntoView(CellPos pos);
  void ScrollTo(int left, int top);
  // The pixels of columns from..to-1, with their lines; negative when to lies before from.
  int ColumnsWidth(int from, int to) const;
  void ReshapeCells(int cols, int rows);
  // firstRow: the first row added or removed when only the row count changed; 0 otherwise.
  void LayoutChanged(int firstRow = 0);
  void UpdateScrollBars();
  int MaxLeftCol() const;
  int MaxTopRow() const;
  int FixedWidth() const;
  int FixedHeight() const;
  int Pitch() const { return rowHeight_ + 1; }
  int ColX(int col) const;  // −1 when scrolled out of view
  int RowY(int row) const;
  // The column or row at a pixel, with the layout continued past the viewport's edge; −1 past
  // the last one.
  int ColAt(int x) const;
  int RowAt(int y) const;
  CellPos DragCell(const QPoint& pos) const;
  int VisibleRows() const;  // whole normal rows that fit below the fixed ones, at least 1
  QRect AreaOf(const GridRect& cells) const;
  template <typename F>
  void ForVisibleCols(F visit) const;
  template <typename F>
  void ForVisibleRows(F visit) const;
  void PaintLines(QPainter& painter, const QRect& area) const;
  void PaintCell(Canvas& canvas, const Look& look, int col, int row, const QRect& rect);

  int colCount_ = 5;
  int rowCount_ = 5;
  int fixedCols_ = 1;
  int fixedRows_ = 1;
  std::vector<QString> cells_;  // row-major
  KeptFonts fonts_;
  std::vector<int> colWidths_;
  int defaultColWidth_ = 64;
  int rowHeight_ = 24;
  CellPos current_{1, 1};
  CellPos anchor_{1, 1};
  bool rangeSelect_ = true;
  bool paleSelection_ = false;
  bool selecting_ = false;  // the left button is down and drags the selection
  bool dragging_ = false;   // the left button is down and drags a cell's content
  bool dragMoved_ = false;
  std::optional<QPoint> dragOutFrom_;  // where a press that may drag data out began
  int leftCol_ = 1;
  int topRow_ = 1;
  bool syncingBars_ = false;
  QPoint wheelRest_;  // the part of a notch not yet scrolled, for fine wheels
  int zoomRest_ = 0;
  int zoom_ = 100;
};

}  // namespace kumo
