// The edit table as the user sees it: texts, summary rows, drawing, keyboard, mouse and popup.
#include <QMenu>

#include "EditTableFixture.h"
#include "views/KumoHlSt.h"

namespace kumo::test {
namespace {

using EditTable = EditTableTest;

TEST_F(EditTable, HeadersAndDataRowsShowTheTimetable) {
  AddLine("T1", 2, 3, 2);
  AddLine("Free", 0, 0, 1);
  for (int p : {1, 7, 13, 19}) Put(1, p, ClassPiece(2, 1));
  Put(1, 25, SubjectPiece(5, Counted));
  Put(1, 26, SubjectPiece(5));  // not counted
  Put(2, 30, {KindSymbol, 1, 0, 0});
  Refresh();

  EXPECT_EQ(Grid().ColCount(), 34);
  EXPECT_EQ(Grid().RowCount(), 4);
  EXPECT_EQ(Grid().ColWidth(1), 40);
  EXPECT_EQ(Text(0, 1), "教");
  EXPECT_EQ(Text(1, 1), "名　前");
  EXPECT_EQ(Text(1, 0), "[  ]");
  EXPECT_EQ(Text(6, 0), "月");
  EXPECT_EQ(Text(7, 0), "曜");
  EXPECT_EQ(Text(30, 0), "金");
  EXPECT_EQ(Text(4, 1), "１");
  EXPECT_EQ(Text(9, 1), "６");
  EXPECT_EQ(Text(33, 1), "６");

  EXPECT_EQ(Text(0, 2), FromDocText(Doc().SubjectNames1()[2].View()).toStdString());
  EXPECT_EQ(Text(1, 2), "T1");
  EXPECT_EQ(Text(2, 2), "３");
  EXPECT_EQ(Text(3, 2), " 5");  // four classes and one counted subject
  EXPECT_EQ(Text(4, 2), "１");
  EXPECT_EQ(Text(28, 2), Label(SubjectPiece(5)));
  EXPECT_EQ(Text(3, 3), "");  // a line without a grade counts nothing
  EXPECT_EQ(Text(33, 3), FromDocText(Doc().Symbols()[1].View()).toStdString());
  EXPECT_EQ(Text(32, 3), "");
}

TEST_F(EditTable, ATimetableWithoutLinesShowsOneBlankRowAndMovesNothing) {
  AddLine("T1", 1, 1);
  Put(1, 1, ClassPiece(1, 1));
  Refresh();
  Doc().DeleteLine();
  Unchanged();
  Edit().RedrawTable();
  EXPECT_EQ(Grid().RowCount(), 3);
  EXPECT_EQ(Text(1, 2), "");
  EXPECT_EQ(Text(4, 2), "");

  Click(4, 2);
  Edit().sgrEditDblClick();
  EXPECT_EQ(Doc().HistoryPos(), 1);
  EXPECT_FALSE(Doc().Modified());
}

// The class row stays under the table's columns, scrolled sideways with it, whatever width
// the table's vertical scroll bar takes.
TEST_F(EditTable, TheSummaryStaysColumnAlignedWithTheTable) {
  EXPECT_EQ(Edit().ViewGrid().ColCount(), 38);
  EXPECT_EQ(Edit().ViewGrid().RowCount(), 2);
  for (int n = 0; n < 40; ++n) AddLine("T", 1, 0);
  Refresh();
  Edit().resize(300, 300);
  for (GridScrollBars bars : {GridScrollBars::Both, GridScrollBars::Horizontal}) {
    Edit().SetScrollBars(bars);
    QApplication::processEvents();
    Cursor(1, 30);
    QApplication::processEvents();
    StringGrid& view = Edit().ViewGrid();
    EXPECT_EQ(view.viewport()->width(), Grid().viewport()->width());
    EXPECT_EQ(view.LeftCol(), Grid().LeftCol());
    EXPECT_EQ(view.CellRect(33, 0).left(), Grid().CellRect(33, 2).left());
    Cursor(1, 1);
  }
}

TEST_F(EditTable, ClassRowFollowsTheHandAndTheClashRowShowsTheOtherTeacher) {
  FourTeachers();
  AddLine("S", 1, 0, 3);       // a subject teacher without homeroom
  Put(1, 5, SubjectPiece(7));  // the homeroom teacher's own subject piece
  Put(2, 2, ClassPiece(1, 2));
  Put(5, 3, ClassPiece(1, 2));
  Put(5, 4, {KindGrade1, 2, 9, 0});  // a lesson with a subject of its own
  Put(1, 4, ClassPiece(1, 1));
  Refresh();

  Cursor(2, 2);
  EXPECT_EQ(ViewText(0, 0), "２");
  EXPECT_EQ(ViewText(1, 0), "T2");
  EXPECT_EQ(ViewText(3, 0), " 3");
  const std::string subjectOf5 = FromDocText(Doc().SubjectNames1()[3].View()).toStdString();
  EXPECT_EQ(ViewText(6, 0), subjectOf5);
  EXPECT_EQ(ViewText(7, 0), FromDocText(Doc().SubjectNames1()[9].View()).toStdString());
  EXPECT_EQ(ViewText(4, 0), FromDocText(Doc().SubjectNames1()[0].View()).toStdString());

  // Carrying 1-2 along line 1: the class row stays on 1-2 wherever the cursor stands; the
  // clash row shows the line that has 1-2 in the cursor period.
  MoveAt(2, 2);
  Cursor(2, 3);
  EXPECT_EQ(ViewText(0, 0), "２");
  EXPECT_EQ(ViewText(1, 1), "S");
  EXPECT_EQ(ViewText(6, 1), Label(ClassPiece(1, 2)));
  EXPECT_EQ(Edit().ClashLine, 5);
  Cursor(2, 6);
  EXPECT_EQ(ViewText(1, 1), "");
  EXPECT_EQ(Edit().ViewGrid().Col(), 9);

  // With an empty hand a cell of the homeroom class's own teacher decides.
  MoveAt(2, 6);
  Cursor(1, 4);
  EXPECT_EQ(ViewText(0, 0), "１");
  EXPECT_EQ(ViewText(1, 0), "T1");
  EXPECT_EQ(ViewText(8, 0), FromDocText(Doc().SubjectNames1()[7].View()).toStdString());
  EXPECT_EQ(ViewText(3, 0), " 1");  // the homeroom's subject piece is not a lesson

  // A class without an index entry leaves the row as it was; an empty cell empties it.
  Put(3, 9, ClassPiece(1, 9));
  Cursor(3, 9);
  EXPECT_EQ(ViewText(1, 0), "T1");
  EXPECT_EQ(Edit().ViewEntry, 0);
  Cursor(3, 10);
  EXPECT_EQ(ViewText(1, 0), "");
}

TEST_F(EditTable, TheClashRowFollowsTheHandWithoutACursorMove) {
  FourTeachers();
  AddLine("S", 1, 0, 3);
  Put(2, 3, ClassPiece(1, 2));
  Put(5, 3, ClassPiece(1, 2));
  Refresh();
  Cursor(2, 3);
  EXPECT_EQ(ViewText(1, 1), "");
  MoveAt(2, 3);  // lifted where S teaches the same class
  EXPECT_EQ(ViewText(1, 1), "S");
  EXPECT_EQ(Edit().ClashLine, 5);
  MoveAt(2, 3);  // put back: nothing in hand, nothing to show
  EXPECT_EQ(ViewText(1, 1), "");
}

TEST_F(EditTable, LockedPiecesDrawGreyTheCursorInItsColourAndDaysEndInBlack) {
  FourTeachers();
  Put(1, 2, ClassPiece(1, 1, Locked));
  Put(1, 3, ClassPiece(1, 2, Locked));
  Put(1, 4, ClassPiece(1, 3));
  Refresh();
  Cursor(1, 3);
  const QImage image = Render(Grid());
  const QColor cursor = ToQColor(app_->options.CursorColor);
  EXPECT_EQ(PixelAt(image, Grid(), 5, 2, 1, 1), QColor(221, 221, 221));
  EXPECT_EQ(PixelAt(image, Grid(), 6, 2, 1, 1), cursor);  // locked, but the cursor wins
  EXPECT_EQ(PixelAt(image, Grid(), 7, 2, 1, 1), QColor(Qt::white));

  // The line right of Monday's sixth period is black from the header rows down, and one pixel
  // below each cell; inside a day the lines stay grey.
  const QRect monday6 = Grid().CellRect(9, 3);
  EXPECT_EQ(image.pixelColor(monday6.right() + 1, monday6.top() + 3), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(monday6.right() + 1, monday6.bottom() + 1), QColor(Qt::black));
  const QRect header = Grid().CellRect(15, 1);
  EXPECT_EQ(image.pixelColor(header.right() + 1, header.top() + 3), QColor(Qt::black));
  const QRect monday5 = Grid().CellRect(8, 3);
  EXPECT_NE(image.pixelColor(monday5.right() + 1, monday5.top() + 3), QColor(Qt::black));

  // The day's header band covers the lines between its inner columns.
  const QRect band = Grid().CellRect(6, 0);
  EXPECT_EQ(image.pixelColor(band.right() + 1, band.top() + 1),
            image.pixelColor(band.left() + 1, band.top() + 1));
}

TEST_F(EditTable, PieceTextTakesTheColourOfItsKind) {
  FourTeachers();
  app_->options.PieceColors[2] = Rgb(0, 0, 255);
  Put(4, 6, ClassPiece(2, 1));
  Refresh();
  Cursor(1, 1);
  const QImage image = Render(Grid());
  const QRect rect = Grid().CellRect(9, 5);
  bool blue = false;
  for (int x = rect.left(); x <= rect.right(); ++x) {
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
      const QColor c = image.pixelColor(x, y);
      blue |= c.blue() > 150 && c.red() < 100 && c.green() < 100;
    }
  }
  EXPECT_TRUE(blue);
}

TEST_F(EditTable, ACarriedPieceStaysOnItsLine) {
  FourTeachers();
  Put(2, 3, ClassPiece(1, 2));
  Refresh();
  Cursor(2, 3);
  Key(Qt::Key_Return, Qt::NoModifier, "\r");
  ASSERT_EQ(Doc().Hand().Piece.Item, 2);

  Key(Qt::Key_Up);
  Key(Qt::Key_PageDown);
  EXPECT_EQ(Doc().CurLine(), 2);
  Key(Qt::Key_Right);
  EXPECT_EQ(Doc().CurPeriod(), 4);

  // Pressing two rows lower moves the cursor there; releasing brings it back to the line.
  Mouse(QEvent::MouseButtonPress, 10, 5);
  Mouse(QEvent::MouseButtonRelease, 10, 5);
  EXPECT_EQ(Doc().CurLine(), 2);
  EXPECT_EQ(Doc().CurPeriod(), 7);
  EXPECT_EQ(Grid().Row(), 3);

  Key(Qt::Key_Space, Qt::NoModifier, " ");
  EXPECT_TRUE(Doc().Hand().Piece.IsEmpty());
  EXPECT_EQ(Doc().Cell(2, 7).Item, 2);
  // With the hand empty the cursor goes anywhere again.
  Key(Qt::Key_Down);
  EXPECT_EQ(Doc().CurLine(), 3);
}

// The press of a double click on another teacher's row moves the grid's cursor there; the move
// still acts on the hand's own line, in the clicked period.
TEST_F(EditTable, ADoubleClickOnAnotherRowPutsTheCarriedPieceOnItsOwnLine) {
  FourTeachers();
  Put(2, 3, ClassPiece(1, 2));
  Put(4, 7, ClassPiece(2, 1));
  Refresh();
  Mouse(QEvent::MouseButtonPress, 6, 3);
  Mouse(QEvent::MouseButtonDblClick, 6, 3);
  Mouse(QEvent::MouseButtonRelease, 6, 3);
  ASSERT_EQ(Doc().Hand().Piece.Item, 2);
  Mouse(QEvent::MouseButtonPress, 10, 5);
  Mouse(QEvent::MouseButtonRelease, 10, 5);
  Mouse(QEvent::MouseButtonDblClick, 10, 5);
  Mouse(QEvent::MouseButtonRelease, 10, 5);
  EXPECT_EQ(Doc().Cell(2, 7).Item, 2);
  EXPECT_EQ(Doc().Cell(4, 7).Item, 1);
  EXPECT_TRUE(Doc().Hand().Piece.IsEmpty());
  EXPECT_EQ(Text(1, 0), "[  ]");
  EXPECT_EQ(Text(10, 3), "２");
}

// A move made by hand follows a clash as the environment options say.
TEST_F(EditTable, TheMoveTakesTheUsersClashOptions) {
  FourTeachers();
  Put(1, 7, ClassPiece(1, 2));
  Put(2, 3, ClassPiece(1, 2));
  Put(2, 7, ClassPiece(1, 3));
  Refresh();
  app_->options.AutoExchange = true;
  MoveAt(2, 3);
  MoveAt(2, 7);
  EXPECT_EQ(Doc().Hand(), (HeldPiece{ClassPiece(1, 2), 1, 7}));
  EXPECT_EQ(Grid().Row(), 2);
  EXPECT_EQ(Text(1, 0), "[２]");
}

TEST_F(EditTable, KeypadCommandsWhenTheOptionIsOn) {
  FourTeachers();
  Put(1, 1, ClassPiece(1, 1));
  Refresh();
  Cursor(1, 1);
  Keypad('5');
  EXPECT_EQ(Doc().HistoryPos(), 1) << "the keypad is off by default";

  app_->options.TenKeys = true;
  Keypad('5');
  ASSERT_FALSE(Doc().Hand().Piece.IsEmpty());
  Keypad('8');
  EXPECT_EQ(Doc().CurLine(), 1);
  Keypad('6');
  Keypad('6');
  EXPECT_EQ(Doc().CurPeriod(), 3);
  Keypad('5');
  EXPECT_EQ(Doc().Cell(1, 3).Item, 1);
  Keypad('2');
  EXPECT_EQ(Doc().CurLine(), 2);

  Keypad('1');
  EXPECT_EQ(Doc().HistoryPos(), 2);
  Keypad('7');
  EXPECT_EQ(Doc().HistoryPos(), 1);
  EXPECT_EQ(Doc().Cell(1, 1).Item, 1);
  Keypad('9');
  EXPECT_EQ(Doc().HistoryPos(), 3);
  Keypad('1');
  Keypad('3');
  EXPECT_EQ(Doc().HistoryPos(), 3);
}

TEST_F(EditTable, AsdfKeysStepThroughTheHistoryOnlyWhenTheOptionIsOn) {
  FourTeachers();
  Put(1, 1, ClassPiece(1, 1));
  Refresh();
  MoveAt(1, 1);
  MoveAt(1, 2);
  Key(Qt::Key_A, Qt::NoModifier, "a");
  EXPECT_EQ(Doc().HistoryPos(), 3);

  app_->options.ASDFKeys = true;
  Key(Qt::Key_A, Qt::NoModifier, "a");
  EXPECT_EQ(Doc().HistoryPos(), 1);
  Key(Qt::Key_D, Qt::NoModifier, "d");
  EXPECT_EQ(Doc().HistoryPos(), 2);
  Key(Qt::Key_F, Qt::ShiftModifier, "F");
  EXPECT_EQ(Doc().HistoryPos(), 3);
  Key(Qt::Key_S, Qt::NoModifier, "s");
  EXPECT_EQ(Doc().HistoryPos(), 2);
  EXPECT_EQ(platform_.Beeps(), 0);
}

TEST_F(EditTable, PopupItemsFollowTheSelectionAndTheHand) {
  FourTeachers();
  Put(1, 1, ClassPiece(1, 1));
  Refresh();
  auto item = [&](const char* name) {
    return Edit().LocalMenu().findChild<QAction*>(QString::fromUtf8(name));
  };
  Cursor(1, 1);
  Edit().LocalMenuPopup();
  EXPECT_EQ(item("pmnHomeRoomState")->text().toStdString(), "授業詳細(&S)");
  EXPECT_TRUE(item("pmnClass")->isEnabled());
  EXPECT_TRUE(item("pmnLineHead")->isEnabled());
  EXPECT_FALSE(item("pmnFill")->isEnabled());
  EXPECT_FALSE(item("pmnSelfTeaching")->isVisible());

  Grid().SetSelection({4, 2, 6, 3});
  Edit().LocalMenuPopup();
  EXPECT_EQ(item("pmnHomeRoomState")->text().toStdString(), "属性設定(&S)");
  EXPECT_FALSE(item("pmnClass")->isEnabled());
  EXPECT_FALSE(item("pmnLineHead")->isEnabled());
  EXPECT_TRUE(item("pmnFill")->isEnabled());

  MoveAt(1, 1);
  EXPECT_FALSE(item("pmnErace")->isEnabled());
  EXPECT_FALSE(Action("mnuEditErace")->isEnabled());
  MoveAt(1, 2);
  EXPECT_TRUE(item("pmnErace")->isEnabled());
  EXPECT_TRUE(Action("mnuEditErace")->isEnabled());

  app_->options.SelfTeaching = true;
  Edit().RedrawTable();
  EXPECT_TRUE(item("pmnSelfTeaching")->isVisible());
}

TEST_F(EditTable, ClearHoldingDropsTheHandAndTakesTheNextHeldPiece) {
  FourTeachers();
  Refresh();
  HeldPiece older{ClassPiece(1, 2), 2, 5};
  HeldPiece newer{ClassPiece(1, 3), 3, 6};
  Hold(older);
  Hold(newer);
  test::InHand(Doc(), dir_.File("built.kmt"), {ClassPiece(1, 1), 1, 1});
  Edit().LocalMenu().findChild<QAction*>("pmnClearHolding")->trigger();
  EXPECT_EQ(Doc().Hand().Piece.Item, 3);
  EXPECT_EQ(Doc().Hand().FromLine, 3);
  EXPECT_EQ(Doc().HoldingCount(), 2);
  EXPECT_EQ(Text(1, 0), "[３]");
  EXPECT_EQ(Doc().HistoryPos(), 2) << "the drop is a step Back can undo";
  EXPECT_TRUE(platform_.Boxes().empty());
}

// The held piece comes back to where it was lifted: the next Space must not put a lesson of T2
// into the line of the teacher whose piece was dropped.
TEST_F(EditTable, ClearHoldingTakesTheCursorToTheReturningPiecesOwnLine) {
  FourTeachers();
  Refresh();
  Hold({ClassPiece(1, 2), 2, 5});
  test::InHand(Doc(), dir_.File("built.kmt"), {ClassPiece(2, 1), 4, 8});
  Cursor(4, 8);
  Edit().LocalMenu().findChild<QAction*>("pmnClearHolding")->trigger();
  EXPECT_EQ(Doc().CurLine(), 2);
  EXPECT_EQ(Doc().CurPeriod(), 5);
  EXPECT_EQ(Grid().Row(), 3);
  EXPECT_EQ(Grid().Col(), 8);

  Key(Qt::Key_Space, Qt::NoModifier, " ");
  EXPECT_TRUE(Doc().Cell(2, 5).SamePiece(ClassPiece(1, 2)));
  EXPECT_TRUE(Doc().Cell(4, 8).IsEmpty());
  EXPECT_TRUE(Doc().Hand().Piece.IsEmpty());
}

TEST_F(EditTable, SelfTeachingSplitsTheLessonOffIntoALineOfItsOwn) {
  FourTeachers();
  Put(2, 20, ClassPiece(1, 2, Team));
  Put(2, 21, ClassPiece(1, 3));
  Refresh();
  Cursor(2, 20);
  auto* item = Edit().LocalMenu().findChild<QAction*>("pmnSelfTeaching");
  platform_.Expect(Answer::Ok);
  item->trigger();
  ASSERT_EQ(Doc().LineCount(), 5);
  EXPECT_EQ(Doc().Line(2).Name.View(), "T2");
  EXPECT_EQ(Doc().Cell(2, 20).Flags, Team);
  EXPECT_TRUE(Doc().Cell(2, 21).IsEmpty());
  EXPECT_TRUE(Doc().Cell(3, 20).IsEmpty());
  EXPECT_EQ(Doc().Cell(3, 21).Item, 3);
  EXPECT_EQ(Text(1, 4), "T2");
  EXPECT_EQ(Text(23, 3), "２");
  EXPECT_EQ(Text(23, 4), "");
  EXPECT_EQ(Text(24, 4), "３");

  // With a step on the history the command only refuses.
  MoveAt(3, 21);
  platform_.Expect(Answer::Ok);
  item->trigger();
  EXPECT_EQ(Doc().LineCount(), 5);
  EXPECT_EQ(platform_.Boxes().back().Text, "スタックが初期化されていないので自習設定できません");
}

TEST_F(EditTable, AnEmptyClassRowShowsNoHighlightAtTheCursorsPeriod) {
  FourTeachers();
  Put(1, 2, ClassPiece(1, 1));
  Refresh();
  StringGrid& view = Edit().ViewGrid();
  const QColor plain = ToQColor(SystemColor(QPalette::Base));
  Cursor(1, 1);  // an empty cell: no class in view
  ASSERT_EQ(view.Col(), 4);
  EXPECT_EQ(PixelAt(Render(view), view, 4, 0, 1, 1), plain);
  EXPECT_EQ(PixelAt(Render(view), view, 4, 1, 1, 1), plain);
  Cursor(1, 2);
  EXPECT_EQ(ViewText(0, 0), "１");
  EXPECT_EQ(PixelAt(Render(view), view, 5, 0, 1, 1), QColor(Qt::white));
}

// 自習設定 empties only the kind of the teacher's cell. The lock left there among its leftover
// bytes refuses no move onto it, no entry from the palette, and paints nothing grey.
TEST_F(EditTable, SelfTeachingLeavesALockInTheEmptiedCellThatLocksNothing) {
  FourTeachers();
  Put(2, 20, ClassPiece(1, 2, Locked | Counted));
  Put(2, 19, ClassPiece(1, 3));
  Refresh();
  Cursor(2, 20);
  platform_.Expect(Answer::Ok);
  Edit().LocalMenu().findChild<QAction*>("pmnSelfTeaching")->trigger();
  ASSERT_EQ(Doc().LineCount(), 5);
  EXPECT_EQ(Doc().Cell(2, 20).Flags, Locked | Counted);
  EXPECT_EQ(Doc().Cell(3, 20), (PeriodCell{KindEmpty, 2, 0, Locked | Counted}));
  Cursor(3, 1);
  EXPECT_EQ(PixelAt(Render(Grid()), Grid(), ColOfPeriod(20), RowOfLine(3), 1, 1),
            QColor(Qt::white));

  platform_.Reset();
  MoveAt(3, 19);
  MoveAt(3, 20);
  EXPECT_EQ(Doc().Cell(3, 20).Item, 3);
  MoveAt(3, 20);
  Cursor(3, 20);
  ASSERT_TRUE(Doc().EnterClass(1, 1, false));
  EXPECT_EQ(Doc().Cell(3, 20), ClassPiece(1, 1)) << "the entered class takes none of the leftovers";
  EXPECT_TRUE(platform_.Boxes().empty());
}

}  // namespace
}  // namespace kumo::test
