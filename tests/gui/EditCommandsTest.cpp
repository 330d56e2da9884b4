// The Edit menu: the history walk, erasing a range, selecting the table and the menu's states.
#include <QMenu>

#include "EditTableFixture.h"

namespace kumo::test {
namespace {

class EditCommands : public EditTableTest {
 protected:
  bool BackOn() { return Action("mnuEditBack")->isEnabled() && Button("sbnHome")->isEnabled(); }
  bool ForwardOn() {
    return Action("mnuEditForward")->isEnabled() && Button("sbnEnd")->isEnabled();
  }
  // Three moves: 1-1 lifted from period 1 and put down in period 2, then lifted again.
  void ThreeMoves() {
    FourTeachers();
    Put(1, 1, ClassPiece(1, 1));
    Refresh();
    MoveAt(1, 1);
    MoveAt(1, 2);
    MoveAt(1, 2);
  }
};

TEST_F(EditCommands, BackWithNothingToUndoOnlyBeeps) {
  FourTeachers();
  Refresh();
  Unchanged();
  // The buttons are off; the keys still reach the commands.
  app_->options.ASDFKeys = true;
  Key(Qt::Key_S, Qt::NoModifier, "s");
  Key(Qt::Key_D, Qt::NoModifier, "d");
  EXPECT_EQ(platform_.Beeps(), 2);
  EXPECT_FALSE(Doc().Modified());
  EXPECT_FALSE(ForwardOn());
  EXPECT_TRUE(platform_.Boxes().empty());
}

TEST_F(EditCommands, BackAndForwardRestoreCellHandAndCommandStates) {
  ThreeMoves();
  Unchanged();
  Trigger("mnuEditBack");
  EXPECT_TRUE(Doc().Hand().Piece.IsEmpty());
  EXPECT_EQ(Doc().Cell(1, 2).Item, 1);
  EXPECT_EQ(Text(5, 2), "１");
  EXPECT_EQ(Text(1, 0), "[  ]");
  EXPECT_TRUE(Doc().Modified());
  EXPECT_TRUE(ForwardOn());
  EXPECT_TRUE(BackOn());

  Trigger("mnuEditForward");
  EXPECT_EQ(Doc().Hand().Piece.Item, 1);
  EXPECT_EQ(Text(1, 0), "[１]");
  EXPECT_EQ(Text(5, 2), "");
  EXPECT_FALSE(ForwardOn());
}

TEST_F(EditCommands, HomeAndEndWalkTheWholeHistoryPaintingEachStep) {
  ThreeMoves();
  platform_.Reset();
  Trigger("mnuEditHome");
  EXPECT_EQ(Doc().HistoryPos(), 1);
  EXPECT_EQ(Doc().Cell(1, 1).Item, 1);
  EXPECT_TRUE(Doc().Cell(1, 2).IsEmpty());
  EXPECT_TRUE(Doc().Hand().Piece.IsEmpty());
  EXPECT_FALSE(BackOn());
  EXPECT_FALSE(Action("mnuEditHome")->isEnabled());
  EXPECT_TRUE(ForwardOn());
  EXPECT_TRUE(Action("mnuEditEnd")->isEnabled());
  EXPECT_EQ(platform_.Beeps(), 0);

  Trigger("mnuEditEnd");
  EXPECT_EQ(Doc().HistoryPos(), 4);
  EXPECT_EQ(Doc().Hand().Piece.Item, 1);
  EXPECT_TRUE(Doc().Cell(1, 1).IsEmpty());
  EXPECT_FALSE(ForwardOn());
  EXPECT_TRUE(BackOn());
  EXPECT_EQ(platform_.Beeps(), 0);
}

// The selection's lines and periods go to the document's Erase, which asks first.
TEST_F(EditCommands, EraseTakesTheSelectedRange) {
  FourTeachers();
  Put(1, 1, ClassPiece(1, 1, Locked));
  Put(2, 3, SubjectPiece(5));
  Put(3, 1, ClassPiece(1, 3));  // outside the range
  Refresh();
  Grid().SetSelection({4, 2, 6, 3});
  platform_.Expect(Answer::Ok);
  Trigger("mnuEditErace");
  EXPECT_EQ(OnlyBox().Text, "選択範囲を消去します。よろしいか");
  EXPECT_TRUE(Doc().Cell(1, 1).IsEmpty());
  EXPECT_TRUE(Doc().Cell(2, 3).IsEmpty());
  EXPECT_EQ(Doc().Cell(3, 1).Item, 3);
  EXPECT_EQ(Text(4, 2), "");
  EXPECT_EQ(Doc().HistoryPos(), 3);
  EXPECT_TRUE(BackOn());
}

TEST_F(EditCommands, EraseIsOffWhileAPieceIsInHand) {
  FourTeachers();
  Put(1, 1, ClassPiece(1, 1));
  Refresh();
  MoveAt(1, 1);
  EXPECT_FALSE(Action("mnuEditErace")->isEnabled());
  Action("mnuEditErace")->setEnabled(true);  // reached anyway, it refuses without a question
  Trigger("mnuEditErace");
  EXPECT_TRUE(platform_.Boxes().empty());
  EXPECT_EQ(Doc().Hand().Piece.Item, 1);
}

TEST_F(EditCommands, EditMenuOffersFillForARangeAndTheLineHeaderForOneCell) {
  FourTeachers();
  Refresh();
  auto* menu = app_->frmKumo->findChild<QMenu*>("mnuEdit");
  ASSERT_NE(menu, nullptr);
  Cursor(2, 2);
  emit menu->aboutToShow();
  EXPECT_TRUE(Action("mnuEditLineHead")->isEnabled());
  EXPECT_FALSE(Action("mnuEditFill")->isEnabled());
  Grid().SetSelection({5, 3, 6, 3});
  emit menu->aboutToShow();
  EXPECT_FALSE(Action("mnuEditLineHead")->isEnabled());
  EXPECT_TRUE(Action("mnuEditFill")->isEnabled());
}

TEST_F(EditCommands, SelectAllCoversEveryPeriodOfEveryLine) {
  FourTeachers();
  Refresh();
  Trigger("mnuEditAll");
  EXPECT_EQ(Grid().Selection(), (GridRect{4, 2, 33, 5}));
  EXPECT_EQ(Doc().CurLine(), 4);
  EXPECT_EQ(Doc().CurPeriod(), 30);
}

// Selecting the table moves the cursor to the last line, which a carried piece never leaves.
TEST_F(EditCommands, SelectAllIsOffWhileAPieceIsInHand) {
  FourTeachers();
  Put(2, 3, ClassPiece(1, 2));
  Refresh();
  MoveAt(2, 3);
  EXPECT_FALSE(Action("mnuEditAll")->isEnabled());
  Action("mnuEditAll")->setEnabled(true);  // reached anyway, it refuses
  Trigger("mnuEditAll");
  EXPECT_EQ(platform_.Beeps(), 1);
  EXPECT_EQ(Doc().CurLine(), 2);
  EXPECT_EQ(Doc().CurPeriod(), 3);
  EXPECT_TRUE(Grid().Selection().SingleCell());
  Edit().sgrEditDblClick();
  EXPECT_EQ(Doc().Cell(2, 3).Item, 2);
  EXPECT_TRUE(Action("mnuEditAll")->isEnabled());
}

}  // namespace
}  // namespace kumo::test
