// The faster hand in the running program: the history keys, Delete, a class typed at the
// cursor, the chooser of subjects and symbols, the wheel, the right click, drag and drop.
#include <QTest>

#include "editing/SubjectChooser.h"
#include "gui/EditTableFixture.h"

namespace kumo::test {
namespace {

using FastHand = EditTableTest;

TEST_F(FastHand, CtrlZStepsBackAndCtrlYOrCtrlShiftZForward) {
  FourTeachers();
  Put(1, 1, ClassPiece(1, 1));
  Refresh();
  MoveAt(1, 1);
  MoveAt(1, 2);
  ASSERT_EQ(Doc().HistoryPos, 3);
  Edit().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Edit()));
  QTest::keyClick(&Grid(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Doc().HistoryPos, 2);
  EXPECT_EQ(Doc().Hand.Piece.Item, 1);
  QTest::keyClick(&Grid(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(Doc().HistoryPos, 3);
  QTest::keyClick(&Grid(), Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(&Grid(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Doc().HistoryPos, 3);
  EXPECT_EQ(Doc().Cell(1, 2).Item, 1);
}

TEST_F(FastHand, DeleteErasesTheCellAtOnceAndBackSpaceARangeAfterTheQuestion) {
  FourTeachers();
  Put(1, 1, ClassPiece(1, 1));
  Put(1, 2, ClassPiece(1, 2));
  Put(2, 2, SubjectPiece(3));
  Refresh();
  Cursor(1, 1);
  Key(Qt::Key_Delete);
  EXPECT_TRUE(Doc().Cell(1, 1).IsEmpty());
  EXPECT_TRUE(platform_.Boxes().empty());
  EXPECT_EQ(Text(ColOfPeriod(1), RowOfLine(1)), "");

  Grid().SetSelection({ColOfPeriod(1), RowOfLine(1), ColOfPeriod(2), RowOfLine(2)});
  platform_.Expect(Answer::Ok);
  Key(Qt::Key_Backspace);
  EXPECT_EQ(OnlyBox().Text, "選択範囲を消去します。よろしいか");
  EXPECT_TRUE(Doc().Cell(1, 2).IsEmpty());
  EXPECT_TRUE(Doc().Cell(2, 2).IsEmpty());
}

TEST_F(FastHand, ATypedClassGoesInAsThePaletteEntersItAndTheCursorGoesOn) {
  FourTeachers();
  Put(2, 3, ClassPiece(1, 2));
  Refresh();
  Cursor(1, 1);
  Key(Qt::Key_1, Qt::NoModifier, "1");
  EXPECT_TRUE(Edit().WhyLine().text().contains(QStringLiteral("１年")));
  EXPECT_TRUE(Doc().Cell(1, 1).IsEmpty());
  Key(Qt::Key_2, Qt::NoModifier, "2");
  EXPECT_EQ(Doc().Cell(1, 1), ClassPiece(1, 2));
  EXPECT_EQ(Doc().HistoryPos, 2);
  EXPECT_EQ(Doc().CurPeriod, 2);
  EXPECT_EQ(Grid().Col(), ColOfPeriod(2));
  EXPECT_FALSE(Edit().WhyLine().text().contains(QStringLiteral("１年")));

  // Escape drops the grade: "2" then begins a grade of its own.
  Key(Qt::Key_1, Qt::NoModifier, "1");
  Key(Qt::Key_Escape);
  Key(Qt::Key_2, Qt::NoModifier, "2");
  EXPECT_TRUE(Doc().Cell(1, 2).IsEmpty());
  Key(Qt::Key_Escape);

  // A clash beeps and takes the cursor to the other teacher, who stays there.
  Cursor(1, 3);
  platform_.Reset();
  Key(Qt::Key_1, Qt::NoModifier, "1");
  Key(Qt::Key_2, Qt::NoModifier, "２");  // full width, as the input method sends it
  EXPECT_EQ(Doc().Cell(1, 3), ClassPiece(1, 2));
  EXPECT_EQ(platform_.Beeps(), 1);
  EXPECT_EQ(Doc().CurLine, 2);
  EXPECT_EQ(Doc().CurPeriod, 3);
}

TEST_F(FastHand, TheKeypadAndASDFKeepTheirMeaningWhenOn) {
  FourTeachers();
  Refresh();
  app_->options.TenKeys = true;
  app_->options.ASDFKeys = true;
  app_->options.ViewClassType = 2;
  DeriveOptions(app_->options);
  Cursor(1, 1);
  Keypad('1');
  Keypad('4');  // the grade would be 1, the class 4: both are keypad commands instead
  EXPECT_TRUE(Doc().Cell(1, 1).IsEmpty());
  Key(Qt::Key_1, Qt::NoModifier, "1");
  Key(Qt::Key_A, Qt::NoModifier, "a");  // the head of the history, not class 1-A
  EXPECT_TRUE(Doc().Cell(1, 1).IsEmpty());
  Key(Qt::Key_B, Qt::NoModifier, "b");
  EXPECT_EQ(Doc().Cell(1, 1), ClassPiece(1, 2));
}

TEST_F(FastHand, TheSlashChooserNarrowsAndEntersAsThePaletteDoes) {
  FourTeachers();
  Refresh();
  Cursor(1, 4);
  Key(Qt::Key_Slash, Qt::NoModifier, "/");
  SubjectChooser& chooser = Edit().Chooser();
  ASSERT_TRUE(chooser.isVisible());
  const int all = chooser.ChoiceCount();
  chooser.Narrow(FromDocText(Doc().SubjectNames1[3].View()));
  EXPECT_LT(chooser.ChoiceCount(), all);
  EXPECT_GE(chooser.ChoiceCount(), 1);
  chooser.Choose();
  EXPECT_FALSE(chooser.isVisible());
  EXPECT_EQ(Doc().Cell(1, 4), SubjectPiece(3));
  EXPECT_EQ(Doc().CurPeriod, 5);
}

}  // namespace
}  // namespace kumo::test
