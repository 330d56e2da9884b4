#include "platform/StringGrid.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <set>
#include <vector>

namespace kumo {
namespace {

// A grid laid out like the week-wide grids: 34 columns of 16 pixels (the name column 40), two
// header rows and four header columns, 16-pixel rows.
void LayOutWeek(StringGrid& grid, int rows) {
  grid.SetColCount(34);
  grid.SetRowCount(rows);
  grid.SetFixedCols(4);
  grid.SetFixedRows(2);
  grid.SetDefaultColWidth(16);
  grid.SetColWidth(1, 40);
  grid.SetDefaultRowHeight(16);
}

void Mouse(StringGrid& grid, QEvent::Type type, const QPoint& pos,
           Qt::MouseButtons buttons = Qt::LeftButton,
           Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QMouseEvent event(type, pos, grid.viewport()->mapToGlobal(pos), Qt::LeftButton, buttons,
                    modifiers);
  QApplication::sendEvent(grid.viewport(), &event);
}

QPoint Centre(const StringGrid& grid, int col, int row) {
  return grid.CellRect(col, row).center();
}

void Click(StringGrid& grid, int col, int row) {
  Mouse(grid, QEvent::MouseButtonPress, Centre(grid, col, row));
  Mouse(grid, QEvent::MouseButtonRelease, Centre(grid, col, row), Qt::NoButton);
}

void Key(StringGrid& grid, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
         const QString& text = {}) {
  QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(&grid, &event);
}

class StringGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LayOutWeek(grid, 12);
    grid.resize(640, 300);
    grid.show();  // lays out the viewport
    grid.OnClick = [this] { ++clicks; };
  }

  StringGrid grid;
  int clicks = 0;
};

TEST_F(StringGridTest, MouseDragAndShiftArrowsSelectRectangles) {
  Mouse(grid, QEvent::MouseButtonPress, Centre(grid, 7, 5));
  Mouse(grid, QEvent::MouseMove, Centre(grid, 6, 4));
  Mouse(grid, QEvent::MouseMove, Centre(grid, 5, 3));
  Mouse(grid, QEvent::MouseButtonRelease, Centre(grid, 5, 3), Qt::NoButton);
  EXPECT_EQ(grid.Selection(), (GridRect{5, 3, 7, 5}));
  EXPECT_EQ(grid.Col(), 5);
  EXPECT_EQ(grid.Row(), 3);
  // Moving the mouse without the button no longer changes the selection.
  Mouse(grid, QEvent::MouseMove, Centre(grid, 10, 8), Qt::NoButton);
  EXPECT_EQ(grid.Selection(), (GridRect{5, 3, 7, 5}));

  grid.SetCurrent(10, 6);
  EXPECT_EQ(grid.Selection(), (GridRect{10, 6, 10, 6}));
  Key(grid, Qt::Key_Right, Qt::ShiftModifier);
  Key(grid, Qt::Key_Right, Qt::ShiftModifier);
  Key(grid, Qt::Key_Up, Qt::ShiftModifier);
  EXPECT_EQ(grid.Selection(), (GridRect{10, 5, 12, 6}));
  Key(grid, Qt::Key_Left);
  EXPECT_EQ(grid.Selection(), (GridRect{11, 5, 11, 5}));

  grid.SetSelection({20, 9, 15, 4});
  EXPECT_EQ(grid.Selection(), (GridRect{15, 4, 20, 9}));
  EXPECT_EQ(grid.Col(), 20);
  EXPECT_EQ(grid.Row(), 9);
}

TEST_F(StringGridTest, SingleCellModeKeepsTheSelectionOneCell) {
  grid.SetSelection({5, 3, 8, 6});
  grid.SetRangeSelect(false);
  EXPECT_EQ(grid.Selection(), (GridRect{8, 6, 8, 6}));
  Mouse(grid, QEvent::MouseButtonPress, Centre(grid, 5, 3));
  Mouse(grid, QEvent::MouseMove, Centre(grid, 9, 7));
  EXPECT_EQ(grid.Selection(), (GridRect{5, 3, 5, 3}));
  Key(grid, Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(grid.Selection(), (GridRect{5, 4, 5, 4}));
}

TEST_F(StringGridTest, FixedCellsAreNeverCurrentNorSelected) {
  grid.SetCurrent(6, 5);
  clicks = 0;
  Click(grid, 1, 0);
  Click(grid, 2, 7);
  EXPECT_EQ(grid.Col(), 6);
  EXPECT_EQ(grid.Row(), 5);
  EXPECT_EQ(clicks, 0);

  grid.SetCurrent(0, 0);
  EXPECT_EQ(grid.Col(), 4);
  EXPECT_EQ(grid.Row(), 2);
  Key(grid, Qt::Key_Left);
  Key(grid, Qt::Key_Up);
  EXPECT_EQ(grid.Col(), 4);
  EXPECT_EQ(grid.Row(), 2);
  // A drag over the header columns stops at the first normal column.
  Mouse(grid, QEvent::MouseButtonPress, Centre(grid, 6, 4));
  Mouse(grid, QEvent::MouseMove, Centre(grid, 1, 1));
  EXPECT_EQ(grid.Selection(), (GridRect{4, 2, 6, 4}));
  Mouse(grid, QEvent::MouseButtonRelease, Centre(grid, 1, 1), Qt::NoButton);

  Key(grid, Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(grid.Col(), 33);
  EXPECT_EQ(grid.Row(), 11);
  Key(grid, Qt::Key_Home);
  EXPECT_EQ(grid.Col(), 4);
  EXPECT_EQ(grid.Row(), 11);
}

TEST_F(StringGridTest, EveryMoveOfTheCurrentCellClicksOnce) {
  grid.SetCurrent(6, 5);
  EXPECT_EQ(clicks, 1);
  grid.SetCurrent(6, 5);
  EXPECT_EQ(clicks, 1);
  Key(grid, Qt::Key_Right);
  EXPECT_EQ(clicks, 2);
  Click(grid, 9, 8);
  EXPECT_EQ(clicks, 3);
  // A click into the grid counts even on the current cell.
  Click(grid, 9, 8);
  EXPECT_EQ(clicks, 4);

  std::vector<CellPos> asked;
  grid.OnSelectCell = [&](int col, int row, bool& canSelect) {
    asked.push_back({col, row});
    canSelect = col != 10;
  };
  Key(grid, Qt::Key_Right);
  EXPECT_EQ(grid.Col(), 9);
  EXPECT_EQ(clicks, 4);
  Key(grid, Qt::Key_Down);
  EXPECT_EQ(grid.Row(), 9);
  EXPECT_EQ(clicks, 5);
  EXPECT_EQ(asked, (std::vector<CellPos>{{10, 8}, {9, 9}}));
}

TEST_F(StringGridTest, KeyDownHandlerSwallowsOrReplacesKeys) {
  std::vector<QChar> typed;
  grid.OnKeyPress = [&](QChar& ch) { typed.push_back(ch); };
  bool keypadSeen = false;
  grid.OnKeyDown = [&](int& key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Up) key = 0;
    if (modifiers.testFlag(Qt::KeypadModifier) && key == Qt::Key_2) {
      keypadSeen = true;
      key = Qt::Key_Down;
    }
  };
  grid.SetCurrent(6, 5);
  Key(grid, Qt::Key_Up);
  EXPECT_EQ(grid.Row(), 5);
  Key(grid, Qt::Key_2, Qt::KeypadModifier, "2");
  EXPECT_TRUE(keypadSeen);
  EXPECT_EQ(grid.Row(), 6);
  // The digit of a replaced key is not typed; the main keyboard's 2 is.
  Key(grid, Qt::Key_2, Qt::NoModifier, "2");
  EXPECT_EQ(grid.Row(), 6);
  EXPECT_EQ(typed, (std::vector<QChar>{QChar('2')}));
}

TEST_F(StringGridTest, EnterSpaceAndLettersReachKeyPress) {
  std::vector<QChar> typed;
  grid.OnKeyPress = [&](QChar& ch) { typed.push_back(ch); };
  Key(grid, Qt::Key_Return, Qt::NoModifier, "\r");
  Key(grid, Qt::Key_Enter, Qt::KeypadModifier, "\r");
  Key(grid, Qt::Key_Space, Qt::NoModifier, " ");
  Key(grid, Qt::Key_A, Qt::NoModifier, "a");
  Key(grid, Qt::Key_Escape, Qt::NoModifier, "\x1b");
  Key(grid, Qt::Key_Shift, Qt::ShiftModifier);
  EXPECT_EQ(typed, (std::vector<QChar>{QChar('\r'), QChar('\r'), QChar(' '), QChar('a')}));
}

TEST_F(StringGridTest, DoubleClickOnNormalCellsOnly) {
  int doubles = 0;
  grid.OnDblClick = [&] {
    ++doubles;
    EXPECT_EQ(grid.Col(), 8);
    EXPECT_EQ(grid.Row(), 4);
  };
  std::vector<Qt::MouseButton> ups;
  grid.OnMouseUp = [&](Qt::MouseButton button, const QPoint&) { ups.push_back(button); };
  const QPoint at = Centre(grid, 8, 4);
  Mouse(grid, QEvent::MouseButtonPress, at);
  Mouse(grid, QEvent::MouseButtonRelease, at, Qt::NoButton);
  Mouse(grid, QEvent::MouseButtonDblClick, at);
  Mouse(grid, QEvent::MouseButtonRelease, at, Qt::NoButton);
  EXPECT_EQ(doubles, 1);
  EXPECT_EQ(ups.size(), 2u);
  Mouse(grid, QEvent::MouseButtonDblClick, Centre(grid, 1, 0));
  EXPECT_EQ(doubles, 1);
}

TEST_F(StringGridTest, CountsKeepTextsAndPullTheCursorIn) {
  grid.SetCells(5, 3, "x");
  grid.SetCells(33, 11, "y");
  grid.SetCurrent(33, 11);
  clicks = 0;
  grid.SetColCount(20);
  grid.SetRowCount(8);
  EXPECT_EQ(grid.Cells(5, 3), "x");
  EXPECT_EQ(grid.Col(), 19);
  EXPECT_EQ(grid.Row(), 7);
  EXPECT_EQ(clicks, 0);
  grid.SetColCount(34);
  grid.SetRowCount(12);
  EXPECT_EQ(grid.Cells(33, 11), "");
  EXPECT_EQ(grid.Cells(5, 3), "x");
  EXPECT_EQ(grid.ColWidth(1), 40);
  EXPECT_EQ(grid.ColWidth(33), 16);
  // Out of the grid: nothing to read, nothing written.
  grid.SetCells(40, 3, "z");
  EXPECT_EQ(grid.Cells(40, 3), "");
  EXPECT_EQ(grid.Cells(-1, 0), "");
  // One normal row and column always remain.
  grid.SetRowCount(1);
  EXPECT_EQ(grid.FixedRows(), 0);
  EXPECT_EQ(grid.Row(), 0);
}

TEST_F(StringGridTest, ScrolledGridKeepsHeadersAndMapsPixels) {
  LayOutWeek(grid, 102);
  grid.resize(200, 150);
  grid.SetCurrent(33, 101);
  EXPECT_GT(grid.LeftCol(), 4);
  EXPECT_GT(grid.TopRow(), 2);
  EXPECT_TRUE(grid.CellRect(4, 2).isEmpty());
  EXPECT_EQ(grid.CellRect(0, 0), QRect(0, 0, 16, 16));
  EXPECT_EQ(grid.CellRect(1, 1), QRect(17, 17, 40, 16));
  const QRect corner = grid.CellRect(33, 101);
  ASSERT_FALSE(corner.isEmpty());
  EXPECT_LE(corner.right(), grid.viewport()->width());
  EXPECT_LE(corner.bottom(), grid.viewport()->height());
  EXPECT_EQ(grid.CellAt(corner.center()), (CellPos{33, 101}));
  EXPECT_EQ(grid.CellAt(QPoint(20, 20)), (CellPos{1, 1}));
  // The first scrolled column starts right after the header columns and their lines.
  EXPECT_EQ(grid.CellAt(QPoint(16 + 40 + 16 + 16 + 4, 40)),
            (CellPos{grid.LeftCol(), grid.TopRow()}));
  EXPECT_EQ(grid.CellAt(QPoint(-1, 5)), std::nullopt);

  // Back to the top left scrolls back.
  Key(grid, Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(grid.LeftCol(), 4);
  EXPECT_EQ(grid.TopRow(), 2);
  Key(grid, Qt::Key_PageDown);
  EXPECT_GT(grid.Row(), 3);
  EXPECT_EQ(grid.CellAt(Centre(grid, grid.Col(), grid.Row())), (CellPos{4, grid.Row()}));
}

TEST_F(StringGridTest, AZoomedGridScalesEveryCellAndMapsItsPixelsBack) {
  const int fullWidth = grid.FullWidth();
  const int visibleCols = grid.horizontalScrollBar()->pageStep();
  grid.SetZoom(150);
  EXPECT_EQ(grid.CellRect(0, 0), QRect(0, 0, 24, 24));
  EXPECT_EQ(grid.CellRect(1, 1), QRect(25, 25, 61, 25));
  EXPECT_EQ(grid.FullWidth(), (fullWidth * 3 + 1) / 2);
  EXPECT_LT(grid.horizontalScrollBar()->pageStep(), visibleCols);
  for (int row = 0; row < 6; ++row) {
    for (int col = 0; col < 12; ++col) {
      EXPECT_EQ(grid.CellAt(Centre(grid, col, row)), (CellPos{col, row})) << col << "," << row;
    }
  }
  Click(grid, 7, 3);
  EXPECT_EQ(grid.Col(), 7);
  EXPECT_EQ(grid.Row(), 3);
  grid.SetZoom(100);
  EXPECT_EQ(grid.CellRect(1, 1), QRect(17, 17, 40, 16));
  EXPECT_EQ(grid.FullWidth(), fullWidth);
}

TEST_F(StringGridTest, DraggingPastTheEdgeScrolls) {
  LayOutWeek(grid, 102);
  grid.resize(200, 150);
  Mouse(grid, QEvent::MouseButtonPress, Centre(grid, 5, 3));
  for (int i = 0; i < 5; ++i) Mouse(grid, QEvent::MouseMove, QPoint(400, 400));
  EXPECT_GT(grid.LeftCol(), 4);
  EXPECT_GT(grid.TopRow(), 2);
  EXPECT_EQ(grid.Selection().Left, 5);
  EXPECT_EQ(grid.Selection().Top, 3);
  EXPECT_GT(grid.Selection().Right, 10);
}

// Paints through the real paint path of a shown grid and records which cells were drawn.
class GridPaintTest : public StringGridTest {
 protected:
  void SetUp() override {
    StringGridTest::SetUp();
    grid.OnDrawCell = [this](Canvas& canvas, int col, int row, const QRect& rect, CellState) {
      drawn.push_back({col, row});
      canvas.TextOut(rect.left() + 2, rect.top() + 2, grid.Cells(col, row));
    };
    Settle();
    drawn.clear();
  }

  static void Settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  }

  std::vector<CellPos> drawn;
};

TEST_F(GridPaintTest, SettingACellRepaintsOnlyThatCell) {
  grid.SetCells(9, 5, "x");
  Settle();
  EXPECT_EQ(drawn, (std::vector<CellPos>{{9, 5}}));
  drawn.clear();
  grid.SetCells(9, 5, "x");
  Settle();
  EXPECT_TRUE(drawn.empty());
}

// A long list grows by a row at every step; the rows above stay as they were painted.
TEST_F(GridPaintTest, RowsAddedOrRemovedAtTheEndRepaintOnlyFromThere) {
  const int rows = grid.RowCount();
  grid.SetRowCount(rows + 1);
  Settle();
  ASSERT_FALSE(drawn.empty());
  for (const CellPos& cell : drawn) EXPECT_GE(cell.Row, rows) << cell.Row;
  drawn.clear();
  grid.SetCells(5, 10, "x");
  grid.SetRowCount(3);
  Settle();
  for (const CellPos& cell : drawn) EXPECT_GE(cell.Row, 3) << cell.Row;
  grid.SetRowCount(rows);
  EXPECT_EQ(grid.Cells(5, 10), QString()) << "a row that went took its texts along";
}

TEST_F(GridPaintTest, LinesLieUnderTheHandlersPaint) {
  const ColorRef red = Rgb(255, 0, 0);
  grid.OnDrawCell = [&](Canvas& canvas, int col, int row, const QRect& rect, CellState state) {
    if (row == 0 && col == 5) {
      EXPECT_TRUE(state.Fixed);
      canvas.SetBrushColor(red);
      canvas.FillRect(rect.adjusted(-1, 0, 1, 0));
    }
    if (row == 3 && col == 9) {
      canvas.SetPenColor(0);
      canvas.MoveTo(rect.right() + 1, rect.top());
      canvas.LineTo(rect.right() + 1, rect.bottom() + 2);
    }
  };
  const QImage image = grid.viewport()->grab().toImage();
  const QRect band = grid.CellRect(5, 0);
  EXPECT_EQ(image.pixelColor(band.left() - 1, band.center().y()), ToQColor(red));
  EXPECT_EQ(image.pixelColor(band.right() + 1, band.center().y()), ToQColor(red));
  // The neighbours' lines stay where the handler did not paint.
  const QRect right = grid.CellRect(6, 0);
  EXPECT_NE(image.pixelColor(right.right() + 1, right.center().y()), ToQColor(red));

  const QRect dayEnd = grid.CellRect(9, 3);
  const QColor black(0, 0, 0);
  EXPECT_EQ(image.pixelColor(dayEnd.right() + 1, dayEnd.top()), black);
  EXPECT_EQ(image.pixelColor(dayEnd.right() + 1, dayEnd.bottom() + 1), black);
  EXPECT_NE(image.pixelColor(dayEnd.right() + 1, dayEnd.bottom() + 2), black);
  // Lines between normal cells are lighter than those beside the header.
  const QColor normalLine = image.pixelColor(dayEnd.left() - 1, dayEnd.center().y());
  const QRect header = grid.CellRect(2, 3);
  const QColor fixedLine = image.pixelColor(header.right() + 1, header.center().y());
  EXPECT_GT(normalLine.lightness(), fixedLine.lightness());
  EXPECT_LT(normalLine.lightness(), 255);
}

TEST_F(GridPaintTest, FullRepaintDrawsOnlyVisibleCellsInColourOfTheirState) {
  grid.OnDrawCell = [this](Canvas& canvas, int col, int row, const QRect&, CellState state) {
    drawn.push_back({col, row});
    EXPECT_EQ(state.Fixed, col < 4 || row < 2);
    EXPECT_EQ(canvas.BrushColor(), state.Fixed      ? SystemColor(QPalette::Button)
                                   : state.Selected ? SystemColor(QPalette::Highlight)
                                                    : SystemColor(QPalette::Base));
    EXPECT_FALSE(canvas.Font().bold());
    canvas.SetBold(true);  // must not leak into the next cell
  };
  grid.resize(200, 100);
  grid.viewport()->repaint();
  ASSERT_FALSE(drawn.empty());
  for (const CellPos& cell : drawn) {
    const QRect rect = grid.CellRect(cell.Col, cell.Row);
    EXPECT_TRUE(rect.intersects(grid.viewport()->rect()));
  }
  EXPECT_LT(drawn.size(), 34u * 12u);
}

// A pale selection keeps a piece written in its own colour readable: the cell is a light tint of
// the highlight, and the handler starts from the normal text colour.
TEST_F(GridPaintTest, APaleSelectionLeavesThePiecesColourReadable) {
  grid.SetPaleSelection(true);
  grid.SetCurrent(6, 3);
  grid.OnDrawCell = [](Canvas& canvas, int, int, const QRect&, CellState state) {
    if (state.Selected) {
      EXPECT_EQ(canvas.FontColor(), SystemColor(QPalette::WindowText));
    }
  };
  const QImage image = grid.viewport()->grab().toImage();
  const QRect cell = grid.CellRect(6, 3);
  const QColor fill = image.pixelColor(cell.center());
  const QColor highlight = ToQColor(SystemColor(QPalette::Highlight));
  EXPECT_NE(fill, highlight);
  EXPECT_GT(fill.lightness(), highlight.lightness());
  EXPECT_NE(fill, ToQColor(SystemColor(QPalette::Base))) << "the selection still shows";
}

// Scrolling moves the picture and draws only what comes into view; the picture on the screen
// must then be the same as a full repaint of the new position.
TEST_F(GridPaintTest, ScrollingDrawsOnlyTheCellsComingIntoViewAndKeepsThePictureRight) {
  LayOutWeek(grid, 60);
  for (int row = 0; row < 60; ++row) {
    for (int col = 0; col < 34; ++col) grid.SetCells(col, row, QString::number(row * 34 + col));
  }
  grid.resize(300, 200);
  Settle();
  const int bottom = grid.TopRow() + (grid.viewport()->height() - 2 * 17) / 17 - 1;
  grid.SetCurrent(5, bottom);
  Settle();
  drawn.clear();
  grid.SetCurrent(5, bottom + 1);  // one row past the bottom: scrolls by one row
  Settle();
  EXPECT_EQ(grid.TopRow(), 3);
  std::set<int> rows;
  for (const CellPos& cell : drawn) rows.insert(cell.Row);
  EXPECT_LE(rows.size(), 4u) << "drawn rows beyond the new one and its neighbours";
  EXPECT_TRUE(rows.count(bottom + 1));

  for (int step = 0; step < 20; ++step) {
    grid.SetCurrent(step % 2 ? 6 + step : 5, bottom + 1 + step / 2);
    Settle();
  }
  grid.SetLeftCol(4);
  Settle();
  const QImage onScreen = QGuiApplication::primaryScreen()
                              ->grabWindow(grid.winId())
                              .toImage()
                              .copy(grid.viewport()->geometry());
  const QImage repainted = grid.viewport()->grab().toImage();
  ASSERT_EQ(onScreen.size(), repainted.size());
  EXPECT_EQ(onScreen.convertToFormat(QImage::Format_RGB32),
            repainted.convertToFormat(QImage::Format_RGB32));
}

}  // namespace
}  // namespace kumo
