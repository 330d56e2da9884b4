#include "platform/StringGrid.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>
#include <utility>

namespace kumo {

namespace {

const QColor kNormalLine(192, 192, 192);
const QColor kFixedLine(128, 128, 128);

bool IsNavigationKey(int key) {
  switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
      return true;
    default:
      return false;
  }
}

}  // namespace

// The colours of one paint, looked up once rather than for every cell.
struct StringGrid::Look {
  GridRect selection;
  bool focused = false;
  ColorRef fixedBrush = 0;
  ColorRef selectedBrush = 0;
  ColorRef normalBrush = 0;
  ColorRef text = 0;
  ColorRef selectedText = 0;
};

StringGrid::StringGrid(QWidget* parent) : QAbstractScrollArea(parent) {
  setFrameStyle(QFrame::NoFrame);  // grid pixels and viewport pixels coincide
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  ReshapeCells(colCount_, rowCount_);
  colWidths_.assign(colCount_, defaultColWidth_);
  LayoutChanged();
}

void StringGrid::ReshapeCells(int cols, int rows) {
  // Rows come and go at the end of the row-major cells: the others stay where they are.
  if (cols == colCount_) {
    cells_.resize(static_cast<std::size_t>(cols) * rows);
    rowCount_ = rows;
    return;
  }
  std::vector<QString> cells(static_cast<std::size_t>(cols) * rows);
  const int keepCols = std::min(cols, colCount_);
  const int keepRows = std::min(rows, rowCount_);
  if (!cells_.empty()) {
    for (int r = 0; r < keepRows; ++r) {
      for (int c = 0; c < keepCols; ++c) {
        cells[static_cast<std::size_t>(r) * cols + c] =
            std::move(cells_[static_cast<std::size_t>(r) * colCount_ + c]);
      }
    }
  }
  cells_ = std::move(cells);
  colCount_ = cols;
  rowCount_ = rows;
}

void StringGrid::SetColCount(int count) {
  count = std::max(count, 1);
  if (count == colCount_) return;
  ReshapeCells(count, rowCount_);
  colWidths_.resize(count, defaultColWidth_);
  fixedCols_ = std::min(fixedCols_, count - 1);
  LayoutChanged();
}

void StringGrid::SetRowCount(int count) {
  count = std::max(count, 1);
  if (count == rowCount_) return;
  const int changed = std::min(count, rowCount_);
  ReshapeCells(colCount_, count);
  fixedRows_ = std::min(fixedRows_, count - 1);
  LayoutChanged(changed);
}

void StringGrid::SetFixedCols(int count) {
  fixedCols_ = std::clamp(count, 0, colCount_ - 1);
  LayoutChanged();
}

void StringGrid::SetFixedRows(int count) {
  fixedRows_ = std::clamp(count, 0, rowCount_ - 1);
  LayoutChanged();
}

QString StringGrid::Cells(int col, int row) const {
  if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount_) return {};
  if (IsVirtual(row)) return RowText(col, row);
  return cells_[static_cast<std::size_t>(row) * colCount_ + col];
}

void StringGrid::SetCells(int col, int row, const QString& text) {
  if (col < 0 || col >= colCount_ || row < 0 || row >= rowCount_ || IsVirtual(row)) return;
  QString& cell = cells_[static_cast<std::size_t>(row) * colCount_ + col];
  if (cell == text) return;
  cell = text;
  Repaint(CellArea(col, row));
}

void StringGrid::SetDefaultColWidth(int width) {
  defaultColWidth_ = std::max(width, 0);
  colWidths_.assign(colCount_, defaultColWidth_);
  LayoutChanged();
}

int StringGrid::ColWidth(int col) const {
  return col >= 0 && col < colCount_ ? colWidths_[col] : 0;
}

void StringGrid::SetColWidth(int col, int width) {
  if (col < 0 || col >= colCount_) return;
  colWidths_[col] = std::max(width, 0);
  LayoutChanged();
}

void StringGrid::SetDefaultRowHeight(int height) {
  rowHeight_ = std::max(height, 1);
  LayoutChanged();
}

// Counts, fixed parts or sizes changed: bring the current cell, the anchor and the scroll
// position back inside and repaint everything.
void StringGrid::LayoutChanged(int firstRow) {
  const GridRect selection = Selection();
  const int left = leftCol_;
  const int top = topRow_;
  current_ = ClampToNormal(current_);
  anchor_ = rangeSelect_ ? ClampToNormal(anchor_) : current_;
  leftCol_ = std::clamp(leftCol_, fixedCols_, MaxLeftCol());
  topRow_ = std::clamp(topRow_, fixedRows_, MaxTopRow());
  UpdateScrollBars();
  // A grid that grew or shrank at its end, with nothing else moved, repaints only from there:
  // a history of thousands of rows grows by one at every step.
  if (firstRow > 0 && left == leftCol_ && top == topRow_ && selection == Selection()) {
    const int y = firstRow >= topRow_ ? FixedHeight() + (firstRow - topRow_) * Pitch() : 0;
    if (y < ViewHeight()) Repaint(QRect(0, y, ViewWidth(), ViewHeight() - y));
    return;
  }
  viewport()->update();
}

CellPos StringGrid::ClampToNormal(CellPos pos) const {
  return {std::clamp(pos.Col, fixedCols_, colCount_ - 1),
          std::clamp(pos.Row, fixedRows_, rowCount_ - 1)};
}

void StringGrid::SetCurrent(int col, int row) {
  MoveCurrent({col, row}, false, false);
}

GridRect StringGrid::Selection() const {
  return {std::min(anchor_.Col, current_.Col), std::min(anchor_.Row, current_.Row),
          std::max(anchor_.Col, current_.Col), std::max(anchor_.Row, current_.Row)};
}

void StringGrid::SetSelection(const GridRect& selection) {
  const CellPos topLeft = ClampToNormal(
      {std::min(selection.Left, selection.Right), std::min(selection.Top, selection.Bottom)});
  const CellPos bottomRight = ClampToNormal(
      {std::max(selection.Left, selection.Right), std::max(selection.Top, selection.Bottom)});
  const GridRect before = Selection();
  const CellPos oldAnchor = anchor_;
  anchor_ = topLeft;
  if (!MoveCurrent(bottomRight, true, false)) anchor_ = oldAnchor;
  // Taken after the move, which may have scrolled the old selection elsewhere.
  Repaint(AreaOf(before));
}

void StringGrid::SetPaleSelection(bool on) {
  paleSelection_ = on;
  viewport()->update();
}

void StringGrid::SetRangeSelect(bool on) {
  rangeSelect_ = on;
  if (on) return;
  Repaint(AreaOf(Selection()));
  anchor_ = current_;
}

bool StringGrid::MoveCurrent(CellPos to, bool extend, bool click) {
  to = ClampToNormal(to);
  const bool moves = to != current_;
  if (moves && OnSelectCell) {
    bool canSelect = true;
    OnSelectCell(to.Col, to.Row, canSelect);
    if (!canSelect) return false;
  }
  const GridRect before = Selection();
  current_ = to;
  if (!extend || !rangeSelect_) anchor_ = to;
  ScrollIntoView(to);
  Repaint(AreaOf(before));
  Repaint(AreaOf(Selection()));
  if ((moves || click) && OnClick) OnClick();
  return true;
}

void StringGrid::ScrollIntoView(CellPos pos) {
  int left = std::min(leftCol_, pos.Col);
  const int room = ViewWidth() - FixedWidth();
  while (left < pos.Col && ColumnsWidth(left, pos.Col) + ColWidth(pos.Col) > room) ++left;
  int top = std::min(topRow_, pos.Row);
  top = std::max(top, pos.Row - VisibleRows() + 1);
  ScrollTo(left, top);
}

int StringGrid::ColumnsWidth(int from, int to) const {
  int width = 0;
  for (int c = std::min(from, to); c < std::max(from, to); ++c) width += colWidths_[c] + 1;
  return from <= to ? width : -width;
}

// Moves the picture of the scrolled part instead of painting it again, so that only the cells
// coming into view are drawn: walking the cursor through a long table stays cheap.
void StringGrid::ScrollTo(int left, int top) {
  const int dx = ColumnsWidth(left, leftCol_);
  const int dy = (topRow_ - top) * Pitch();
  if (dx == 0 && dy == 0) return;
  leftCol_ = left;
  topRow_ = top;
  UpdateScrollBars();
  QWidget* view = viewport();
  const QRect rows(0, FixedHeight(), view->width(), view->height() - FixedHeight());
  const QRect cols(FixedWidth(), 0, view->width() - FixedWidth(), view->height());
  // Zoomed pixels do not move by whole pixels: those grids are painted again whole.
  if (zoom_ != 100 || (dx != 0 && dy != 0) || std::abs(dy) >= rows.height() ||
      std::abs(dx) >= cols.width()) {
    view->update();
    return;
  }
  const QRect& moved = dy != 0 ? rows : cols;
  view->scroll(dx, dy, moved);
  // A cell may paint a pixel beyond its edges (the header bands): the neighbours of the strip
  // that came into view are drawn again too.
  QRect strip = dy > 0   ? QRect(rows.left(), rows.top(), rows.width(), dy)
                : dy < 0 ? QRect(rows.left(), rows.bottom() + 1 + dy, rows.width(), -dy)
                : dx > 0 ? QRect(cols.left(), cols.top(), dx, cols.height())
                         : QRect(cols.right() + 1 + dx, cols.top(), -dx, cols.height());
  view->update(strip.adjusted(-2, -2, 2, 2) & moved);
}

void StringGrid::SetScrollBars(GridScrollBars bars) {
  const bool horizontal = bars == GridScrollBars::Horizontal || bars == GridScrollBars::Both;
  const bool vertical = bars == GridScrollBars::Vertical || bars == GridScrollBars::Both;
  setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void StringGrid::SetLeftCol(int col) {
  ScrollTo(std::clamp(col, fixedCols_, MaxLeftCol()), topRow_);
}

void StringGrid::SetTopRow(int row) {
  ScrollTo(leftCol_, std::clamp(row, fixedRows_, MaxTopRow()));
}

int StringGrid::FixedWidth() const {
  int width = 0;
  for (int c = 0; c < fixedCols_; ++c) width += colWidths_[c] + 1;
  return width;
}

int StringGrid::FixedHeight() const {
  return fixedRows_ * Pitch();
}

int StringGrid::MaxLeftCol() const {
  const int room = ViewWidth() - FixedWidth();
  int used = 0;
  int left = colCount_;
  while (left > fixedCols_ && used + colWidths_[left - 1] + 1 <= room) {
    --left;
    used += colWidths_[left] + 1;
  }
  return std::min(left, colCount_ - 1);
}

int StringGrid::MaxTopRow() const {
  return std::max(fixedRows_, rowCount_ - VisibleRows());
}

int StringGrid::VisibleRows() const {
  return std::max(1, (ViewHeight() - FixedHeight()) / Pitch());
}

void StringGrid::UpdateScrollBars() {
  syncingBars_ = true;
  QScrollBar* bar = horizontalScrollBar();
  bar->setRange(0, MaxLeftCol() - fixedCols_);
  bar->setValue(leftCol_ - fixedCols_);
  int shown = 0;
  ForVisibleCols([&](int col, int, int) { shown += col >= fixedCols_ ? 1 : 0; });
  bar->setPageStep(std::max(shown, 1));
  bar = verticalScrollBar();
  bar->setRange(0, MaxTopRow() - fixedRows_);
  bar->setValue(topRow_ - fixedRows_);
  bar->setPageStep(VisibleRows());
  syncingBars_ = false;
}

void StringGrid::scrollContentsBy(int, int) {
  if (syncingBars_) return;
  ScrollTo(fixedCols_ + horizontalScrollBar()->value(), fixedRows_ + verticalScrollBar()->value());
}

void StringGrid::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  LayoutChanged();
}

int StringGrid::ColX(int col) const {
  if (col < 0 || col >= colCount_ || (col >= fixedCols_ && col < leftCol_)) return -1;
  int x = 0;
  const int first = col < fixedCols_ ? 0 : leftCol_;
  if (col >= fixedCols_) x = FixedWidth();
  for (int c = first; c < col; ++c) x += colWidths_[c] + 1;
  return x;
}

int StringGrid::RowY(int row) const {
  if (row < 0 || row >= rowCount_ || (row >= fixedRows_ && row < topRow_)) return -1;
  return row < fixedRows_ ? row * Pitch() : FixedHeight() + (row - topRow_) * Pitch();
}

void StringGrid::SetZoom(int percent) {
  percent = std::max(percent, 10);
  if (percent == zoom_) return;
  zoom_ = percent;
  LayoutChanged();
}

int StringGrid::Zoomed(int pixels) const {
  return (pixels * zoom_ + 99) / 100;
}

int StringGrid::ViewWidth() const {
  return viewport()->width() * 100 / zoom_;
}

int StringGrid::ViewHeight() const {
  return viewport()->height() * 100 / zoom_;
}

QPoint StringGrid::FromDevice(const QPoint& pos) const {
  return pos * 100 / zoom_;
}

QRect StringGrid::FromDevice(const QRect& rect) const {
  if (zoom_ == 100) return rect;
  const QPoint topLeft = rect.topLeft() * 100 / zoom_;
  return QRect(topLeft, QPoint(rect.right() + 1, rect.bottom() + 1) * 100 / zoom_ + QPoint(1, 1));
}

QRect StringGrid::ToDevice(const QRect& rect) const {
  if (zoom_ == 100 || rect.isEmpty()) return rect;
  const QPoint topLeft(rect.left() * zoom_ / 100, rect.top() * zoom_ / 100);
  return QRect(topLeft, QPoint(Zoomed(rect.right() + 1) - 1, Zoomed(rect.bottom() + 1) - 1));
}

void StringGrid::Repaint(const QRect& area) {
  if (area.isEmpty()) return;
  // The pixels a zoomed line falls on round either way: one more each side.
  viewport()->update(zoom_ == 100 ? area : ToDevice(area).adjusted(-1, -1, 1, 1));
}

QRect StringGrid::CellRect(int col, int row) const {
  return ToDevice(CellArea(col, row));
}

QRect StringGrid::CellArea(int col, int row) const {
  const int x = ColX(col);
  const int y = RowY(row);
  if (x < 0 || y < 0) return {};
  return QRect(x, y, colWidths_[col], rowHeight_);
}

int StringGrid::ColAt(int x) const {
  if (x < 0) return -1;
  int right = 0;
  for (int c = 0; c < fixedCols_; ++c) {
    right += colWidths_[c] + 1;
    if (x < right) return c;
  }
  for (int c = leftCol_; c < colCount_; ++c) {
    right += colWidths_[c] + 1;
    if (x < right) return c;
  }
  return -1;
}

int StringGrid::RowAt(int y) const {
  if (y < 0) return -1;
  const int row = y < FixedHeight() ? y / Pitch() : topRow_ + (y - FixedHeight()) / Pitch();
  return row < rowCount_ ? row : -1;
}

void StringGrid::RepaintRow(int row) {
  const int y = RowY(row);
  if (y >= 0) Repaint(QRect(0, y, ViewWidth(), Pitch()));
}

std::optional<CellPos> StringGrid::CellAt(const QPoint& devicePos) const {
  if (!viewport()->rect().contains(devicePos)) return std::nullopt;
  const QPoint pos = FromDevice(devicePos);
  const int col = ColAt(pos.x());
  const int row = RowAt(pos.y());
  if (col < 0 || row < 0) return std::nullopt;
  return CellPos{col, row};
}

// The cell a drag has reached: over the fixed part it is the one scrolled away just before,
// past the viewport the one that comes next, so that dragging scrolls.
CellPos StringGrid::DragCell(const QPoint& pos) const {
  int col = pos.x() < FixedWidth() ? leftCol_ - 1 : ColAt(pos.x());
  int row = pos.y() < FixedHeight() ? topRow_ - 1 : RowAt(pos.y());
  if (col < 0 && pos.x() >= FixedWidth()) col = colCount_ - 1;
  if (row < 0 && pos.y() >= FixedHeight()) row = rowCount_ - 1;
  return ClampToNormal({col, row});
}

template <typename F>
void StringGrid::ForVisibleCols(F visit) const {
  const int limit = ViewWidth();
  int x = 0;
  for (int c = 0; c < fixedCols_ && x < limit; ++c) {
    visit(c, x, colWidths_[c]);
    x += colWidths_[c] + 1;
  }
  for (int c = leftCol_; c < colCount_ && x < limit; ++c) {
    visit(c, x, colWidths_[c]);
    x += colWidths_[c] + 1;
  }
}

template <typename F>
void StringGrid::ForVisibleRows(F visit) const {
  const int limit = ViewHeight();
  int y = 0;
  for (int r = 0; r < fixedRows_ && y < limit; ++r, y += Pitch()) visit(r, y);
  for (int r = topRow_; r < rowCount_ && y < limit; ++r, y += Pitch()) visit(r, y);
}

// The pixels of the visible part of a block of cells, their lines included.
QRect StringGrid::AreaOf(const GridRect& cells) const {
  int left = -1;
  int right = -1;
  ForVisibleCols([&](int col, int x, int width) {
    if (col < cells.Left || col > cells.Right) return;
    if (left < 0) left = x;
    right = x + width;
  });
  int top = -1;
  int bottom = -1;
  ForVisibleRows([&](int row, int y) {
    if (row < cells.Top || row > cells.Bottom) return;
    if (top < 0) top = y;
    bottom = y + rowHeight_;
  });
  if (left < 0 || top < 0) return {};
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

void StringGrid::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  // A zoomed grid is the same grid drawn larger: cells, lines and texts keep their proportions.
  painter.scale(zoom_ / 100.0, zoom_ / 100.0);
  painter.setFont(font());
  const QRegion region =
      zoom_ == 100 ? event->region() : QRegion(FromDevice(event->region().boundingRect()));
  int gridRight = 0;
  int gridBottom = 0;
  ForVisibleCols([&](int, int x, int width) { gridRight = x + width + 1; });
  ForVisibleRows([&](int, int y) { gridBottom = y + Pitch(); });
  const QColor empty = palette().color(QPalette::Base);
  painter.fillRect(QRect(gridRight, 0, ViewWidth() - gridRight, ViewHeight()), empty);
  painter.fillRect(QRect(0, gridBottom, gridRight, ViewHeight() - gridBottom), empty);
  PaintLines(painter, region.boundingRect());

  Look look;
  look.selection = Selection();
  look.focused = hasFocus();
  look.fixedBrush = SystemColor(QPalette::Button);
  look.selectedBrush = SystemColor(QPalette::Highlight);
  look.normalBrush = SystemColor(QPalette::Base);
  look.text = SystemColor(QPalette::WindowText);
  look.selectedText = SystemColor(QPalette::HighlightedText);
  if (paleSelection_) {
    // A quarter of the highlight over the base: dark and light pieces both stand out on it.
    const QColor h = ToQColor(look.selectedBrush);
    const QColor b = ToQColor(look.normalBrush);
    look.selectedBrush = Rgb((h.red() + 3 * b.red()) / 4, (h.green() + 3 * b.green()) / 4,
                             (h.blue() + 3 * b.blue()) / 4);
    look.selectedText = look.text;
  }
  fonts_.Use(font(), *viewport());
  Canvas canvas(painter, &fonts_);
  ForVisibleRows([&](int row, int y) {
    const QRect rowRect(0, y, gridRight, rowHeight_);
    if (!region.intersects(rowRect)) return;
    ForVisibleCols([&](int col, int x, int width) {
      const QRect rect(x, y, width, rowHeight_);
      if (region.intersects(rect)) PaintCell(canvas, look, col, row, rect);
    });
  });
  if (look.focused) {
    const QRect rect = CellArea(current_.Col, current_.Row);
    if (!rect.isEmpty()) canvas.DrawFocusRect(rect);
  }
}

// One line right of and below every visible cell; beside fixed cells the darker colour, which
// is drawn last so that it wins where the two meet. Painting is clipped to what is repainted: the
// lines that lie outside it are left out.
void StringGrid::PaintLines(QPainter& painter, const QRect& area) const {
  const int fixedWidth = FixedWidth();
  const int fixedHeight = FixedHeight();
  int gridRight = 0;
  int gridBottom = 0;
  ForVisibleCols([&](int, int x, int width) { gridRight = x + width + 1; });
  ForVisibleRows([&](int, int y) { gridBottom = y + Pitch(); });
  auto line = [&](const QRect& rect, const QColor& color) {
    if (rect.intersects(area)) painter.fillRect(rect, color);
  };
  ForVisibleCols([&](int col, int x, int width) {
    if (col >= fixedCols_)
      line(QRect(x + width, fixedHeight, 1, gridBottom - fixedHeight), kNormalLine);
  });
  ForVisibleRows([&](int row, int y) {
    if (row >= fixedRows_)
      line(QRect(fixedWidth, y + rowHeight_, gridRight - fixedWidth, 1), kNormalLine);
  });
  ForVisibleCols([&](int col, int x, int width) {
    line(QRect(x + width, 0, 1, col < fixedCols_ ? gridBottom : fixedHeight), kFixedLine);
  });
  ForVisibleRows([&](int row, int y) {
    line(QRect(0, y + rowHeight_, row < fixedRows_ ? gridRight : fixedWidth, 1), kFixedLine);
  });
}

void StringGrid::PaintCell(Canvas& canvas, const Look& look, int col, int row, const QRect& rect) {
  CellState state;
  state.Fixed = IsFixed(col, row);
  state.Selected = !state.Fixed && look.selection.Contains(col, row);
  state.Focused = look.focused && current_ == CellPos{col, row};
  canvas.SetFont(font());
  canvas.SetBrushColor(state.Fixed      ? look.fixedBrush
                       : state.Selected ? look.selectedBrush
                                        : look.normalBrush);
  canvas.SetFontColor(state.Selected ? look.selectedText : look.text);
  canvas.SetPenColor(look.text);
  canvas.SetPenWidth(1);
  canvas.FillRect(rect);
  if (OnDrawCell) {
    OnDrawCell(canvas, col, row, rect, state);
  } else {
    canvas.TextOut(rect.left() + 2, rect.top() + 2, Cells(col, row));
  }
}

void StringGrid::NavigateByKey(int key, Qt::KeyboardModifiers modifiers) {
  CellPos to = current_;
  const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
  switch (key) {
    case Qt::Key_Up:
      --to.Row;
      break;
    case Qt::Key_Down:
      ++to.Row;
      break;
    case Qt::Key_Left:
      --to.Col;
      break;
    case Qt::Key_Right:
      ++to.Col;
      break;
    case Qt::Key_PageUp:
      to.Row -= VisibleRows();
      break;
    case Qt::Key_PageDown:
      to.Row += VisibleRows();
      break;
    case Qt::Key_Home:
      to.Col = fixedCols_;
      if (ctrl) to.Row = fixedRows_;
      break;
    case Qt::Key_End:
      to.Col = colCount_ - 1;
      if (ctrl) to.Row = rowCount_ - 1;
      break;
    default:
      return;
  }
  MoveCurrent(to, modifiers.testFlag(Qt::ShiftModifier), false);
}

void StringGrid::keyPressEvent(QKeyEvent* event) {
  int key = event->key();
  if (OnKeyDown) OnKeyDown(key, event->modifiers());
  if (key == 0) return event->accept();
  if (IsNavigationKey(key)) {
    NavigateByKey(key, event->modifiers());
    return event->accept();
  }
  QChar ch;
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    ch = QChar('\r');
  } else if (!event->text().isEmpty() && event->text().front().isPrint()) {
    ch = event->text().front();
  }
  if (key != event->key() || ch.isNull()) return event->ignore();
  if (OnKeyPress) OnKeyPress(ch);
  event->accept();
}

void StringGrid::mousePressEvent(QMouseEvent* event) {
  const Qt::MouseButton button = event->button();
  if (button != Qt::LeftButton && button != Qt::RightButton) return;
  setFocus(Qt::MouseFocusReason);
  const std::optional<CellPos> cell = CellAt(event->position().toPoint());
  if (!cell || IsFixed(cell->Col, cell->Row)) return;
  if (button == Qt::RightButton) {
    // A range stays selected for the popup when the click falls inside it.
    if (!Selection().Contains(cell->Col, cell->Row)) MoveCurrent(*cell, false, true);
    return;
  }
  const bool extend = event->modifiers().testFlag(Qt::ShiftModifier);
  dragging_ = !extend && OnDragStart && OnDragStart(cell->Col, cell->Row);
  dragMoved_ = false;
  dragOutFrom_.reset();
  if (DragData) dragOutFrom_ = event->position().toPoint();
  selecting_ = rangeSelect_ && !dragging_;
  MoveCurrent(*cell, extend, true);
}

void StringGrid::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  const QPoint pos = event->position().toPoint();
  if (dragOutFrom_ &&
      (pos - *dragOutFrom_).manhattanLength() >= QApplication::startDragDistance()) {
    dragOutFrom_.reset();
    if (QMimeData* data = DragData(current_.Col, current_.Row)) {
      auto* drag = new QDrag(this);
      drag->setMimeData(data);
      drag->exec(Qt::CopyAction);
    }
    return;
  }
  if (dragging_) {
    const std::optional<CellPos> cell = CellAt(pos);
    if (!cell || IsFixed(cell->Col, cell->Row) || *cell == current_) return;
    dragMoved_ = true;
    dragging_ = OnDragOver(cell->Col, cell->Row);
    return;
  }
  if (!selecting_) return;
  const CellPos cell = DragCell(FromDevice(pos));
  if (cell != current_) MoveCurrent(cell, true, false);
}

void StringGrid::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    selecting_ = false;
    dragOutFrom_.reset();
    if (std::exchange(dragging_, false) && dragMoved_ && OnDrop) {
      const std::optional<CellPos> cell = CellAt(event->position().toPoint());
      const CellPos at = cell && !IsFixed(cell->Col, cell->Row) ? *cell : current_;
      OnDrop(at.Col, at.Row);
    }
  }
  if (OnMouseUp) OnMouseUp(event->button(), event->position().toPoint());
}

void StringGrid::AcceptDataDrops() {
  setAcceptDrops(true);
  viewport()->setAcceptDrops(true);
}

void StringGrid::dragEnterEvent(QDragEnterEvent* event) {
  event->acceptProposedAction();
}

void StringGrid::dragMoveEvent(QDragMoveEvent* event) {
  const std::optional<CellPos> cell = CellAt(event->position().toPoint());
  const bool takes = cell && !IsFixed(cell->Col, cell->Row) && OnDataDrop &&
                     OnDataDrop(cell->Col, cell->Row, *event->mimeData(), false);
  if (takes) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void StringGrid::dropEvent(QDropEvent* event) {
  const std::optional<CellPos> cell = CellAt(event->position().toPoint());
  if (cell && !IsFixed(cell->Col, cell->Row) && OnDataDrop &&
      OnDataDrop(cell->Col, cell->Row, *event->mimeData(), true)) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void StringGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const std::optional<CellPos> cell = CellAt(event->position().toPoint());
  if (!cell || IsFixed(cell->Col, cell->Row)) return;
  if (MoveCurrent(*cell, false, true) && OnDblClick) OnDblClick();
}

void StringGrid::wheelEvent(QWheelEvent* event) {
  constexpr int Notch = 120;
  QPoint delta = event->angleDelta();
  if (event->modifiers().testFlag(Qt::ControlModifier)) {
    zoomRest_ += delta.y();
    const int steps = zoomRest_ / Notch;
    zoomRest_ -= steps * Notch;
    if (steps != 0 && OnZoom) OnZoom(steps);
    return event->accept();
  }
  // Shift turns the wheel sideways, as the desktop's lists do.
  if (event->modifiers().testFlag(Qt::ShiftModifier) && delta.x() == 0) delta = {delta.y(), 0};
  wheelRest_ += delta;
  const int cols = wheelRest_.x() / Notch;
  const int rows = wheelRest_.y() / Notch;
  wheelRest_ -= QPoint(cols * Notch, rows * Notch);
  const int lines = std::max(1, QApplication::wheelScrollLines());
  if (rows != 0) SetTopRow(topRow_ - rows * lines);
  if (cols != 0) SetLeftCol(leftCol_ - cols * lines);
  event->accept();
}

void StringGrid::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  Repaint(AreaOf(Selection()));
}

void StringGrid::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  selecting_ = false;
  dragging_ = false;
  Repaint(AreaOf(Selection()));
}

}  // namespace kumo
