// The piece move: lift, put down, exchange, the checks on marked pieces, and clashes.
#include "EditTableFixture.h"

namespace kumo::test {
namespace {

class PieceMove : public EditTableTest {
 protected:
  const HistoryEntry& Entry(int k) { return Doc().History[k]; }
  bool Same(const PeriodCell& a, const PeriodCell& b) {
    return a.Kind == b.Kind && a.Item == b.Item && a.LessonSubject == b.LessonSubject &&
           a.Flags == b.Flags;
  }
};

TEST_F(PieceMove, LiftThenPutDownRecordsTwoEntries) {
  FourTeachers();
  const PeriodCell piece = ClassPiece(1, 2, Counted);
  Put(2, 5, piece);
  Refresh();

  MoveAt(2, 5);
  EXPECT_TRUE(Same(Doc().Hand.Piece, piece));
  EXPECT_EQ(Doc().Hand.FromLine, 2);
  EXPECT_EQ(Doc().Hand.FromPeriod, 5);
  EXPECT_TRUE(Doc().Cell(2, 5).IsEmpty());
  EXPECT_TRUE(Doc().Modified);
  EXPECT_EQ(Text(1, 0), "[２]");
  EXPECT_EQ(Text(8, 3), "");
  ASSERT_EQ(Doc().HistoryPos, 2);
  EXPECT_EQ(Entry(1).Line, 2);
  EXPECT_EQ(Entry(1).Period, 5);
  EXPECT_TRUE(Entry(1).Cell.IsEmpty());
  EXPECT_TRUE(Same(Entry(1).Hand, piece));
  EXPECT_TRUE(Action("mnuEditBack")->isEnabled());

  MoveAt(2, 9);
  EXPECT_TRUE(Doc().Hand.Piece.IsEmpty());
  EXPECT_TRUE(Same(Doc().Cell(2, 9), piece));
  EXPECT_EQ(Text(12, 3), "２");
  EXPECT_EQ(Text(1, 0), "[  ]");
  ASSERT_EQ(Doc().HistoryPos, 3);
  EXPECT_TRUE(Same(Entry(2).Cell, piece));
  EXPECT_TRUE(Entry(2).Hand.IsEmpty());
  EXPECT_EQ(Doc().HistoryEnd, 3);
  EXPECT_EQ(platform_.Beeps(), 0);
}

TEST_F(PieceMove, PuttingOntoAnotherPieceExchangesThem) {
  FourTeachers();
  Put(1, 1, ClassPiece(1, 1));
  Put(1, 2, SubjectPiece(4));
  Refresh();
  MoveAt(1, 1);
  MoveAt(1, 2);
  EXPECT_EQ(Doc().Cell(1, 2).Item, 1);
  EXPECT_EQ(Doc().Hand.Piece.Kind, KindSubject);
  EXPECT_EQ(Doc().Hand.FromPeriod, 2);
  EXPECT_TRUE(Same(Entry(2).Cell, ClassPiece(1, 1)));
  EXPECT_TRUE(Same(Entry(2).Hand, SubjectPiece(4)));
  EXPECT_EQ(Text(1, 0), "[" + Label(SubjectPiece(4)) + "]");
}

TEST_F(PieceMove, AMoveOnNothingStillDropsTheStepsThatCouldBeRedone) {
  FourTeachers();
  Put(1, 1, ClassPiece(1, 1));
  Refresh();
  MoveAt(1, 1);
  MoveAt(1, 2);
  Trigger("mnuEditBack");
  Trigger("mnuEditBack");
  ASSERT_TRUE(Action("mnuEditForward")->isEnabled());
  MoveAt(3, 3);
  EXPECT_EQ(Doc().HistoryPos, 1);
  EXPECT_EQ(Doc().HistoryEnd, 1);
  EXPECT_FALSE(Action("mnuEditForward")->isEnabled());
  EXPECT_FALSE(Button("sbnEnd")->isEnabled());
  EXPECT_EQ(Doc().Cell(1, 1).Item, 1);
}

TEST_F(PieceMove, OnlyTheFirstCautionIsAskedAndOnlyYesGoesOn) {
  FourTeachers();
  const PeriodCell marked = ClassPiece(1, 1, Linked | Team);
  Put(1, 1, marked);
  Put(1, 2, ClassPiece(1, 2, Attention | Continuous));
  Refresh();

  for (Answer refusal : {Answer::No, Answer::Cancel}) {
    platform_.Expect(refusal);
    MoveAt(1, 1);
    ASSERT_EQ(platform_.Boxes().size(), 1u);
    EXPECT_EQ(platform_.Boxes()[0].Type, BoxType::Warning);
    EXPECT_EQ(platform_.Boxes()[0].Buttons, kumo::Buttons::YesNoCancel);
    EXPECT_EQ(platform_.Boxes()[0].Text, "この授業はリンクされています。移動しますか");
    EXPECT_EQ(platform_.Beeps(), 1);
    EXPECT_TRUE(Same(Doc().Cell(1, 1), marked));
    EXPECT_TRUE(Doc().Hand.Piece.IsEmpty());
    EXPECT_EQ(Doc().HistoryPos, 1);
    EXPECT_FALSE(Doc().Modified);
    platform_.Reset();
  }

  platform_.Expect(Answer::Yes);
  MoveAt(1, 2);
  EXPECT_EQ(OnlyBox().Text, "この授業は連続になっています。移動しますか");
  EXPECT_EQ(Doc().Hand.Piece.Item, 2);
  // Putting the hand's piece onto a marked one asks too.
  Put(1, 3, ClassPiece(1, 3, Attention));
  platform_.Expect(Answer::No);
  MoveAt(1, 3);
  EXPECT_EQ(OnlyBox().Text, "この授業は注意！になっています。移動しますか");
  EXPECT_EQ(Doc().Hand.Piece.Item, 2);
}

TEST_F(PieceMove, ALockedPieceIsRefusedUnlessMovesAreQuiet) {
  FourTeachers();
  Put(1, 1, ClassPiece(1, 1, Locked | Linked));
  Refresh();
  platform_.Expect(Answer::Ok);
  MoveAt(1, 1);
  const ShownBox box = OnlyBox();
  EXPECT_EQ(box.Type, BoxType::Error);
  EXPECT_EQ(box.Buttons, kumo::Buttons::OkCancel);
  EXPECT_EQ(box.Text, "この授業はロックされています。移動できません");
  EXPECT_EQ(Doc().Cell(1, 1).Item, 1);
  EXPECT_EQ(Doc().HistoryPos, 1);

  app_->QuietMoves = true;
  MoveAt(1, 1);
  app_->QuietMoves = false;
  EXPECT_TRUE(platform_.Boxes().empty());
  EXPECT_EQ(platform_.Beeps(), 0);
  EXPECT_EQ(Doc().Hand.Piece.Item, 1);
  EXPECT_TRUE(Doc().Cell(1, 1).IsEmpty());
}

TEST_F(PieceMove, AnExchangeThatClashesPutsTheLiftedPieceAside) {
  FourTeachers();
  Put(1, 7, ClassPiece(1, 2));  // teacher B has 1-2 on Tuesday 1
  Put(2, 3, ClassPiece(1, 2));
  Put(2, 7, ClassPiece(1, 3));
  Refresh();
  MoveAt(2, 3);
  MoveAt(2, 7);
  EXPECT_EQ(platform_.Beeps(), 1);
  EXPECT_TRUE(Doc().Hand.Piece.IsEmpty());
  ASSERT_EQ(Doc().HoldingCount, 2);
  EXPECT_EQ(Doc().Holding[1].Piece.Item, 3);
  EXPECT_EQ(Doc().Holding[1].FromLine, 2);
  EXPECT_EQ(Doc().CurLine, 1);
  EXPECT_EQ(Doc().CurPeriod, 7);
  EXPECT_EQ(Grid().Row(), 2);
  EXPECT_EQ(Doc().HistoryPos, 3);

  // Without AutoLocate the beep is all, and a put-down that clashes takes nothing back.
  app_->options.AutoLocate = false;
  Put(3, 8, ClassPiece(1, 1));
  Put(1, 8, ClassPiece(1, 1));
  platform_.Reset();
  MoveAt(3, 8);
  EXPECT_EQ(platform_.Beeps(), 0);
  MoveAt(3, 8);
  EXPECT_EQ(platform_.Beeps(), 1);
  EXPECT_EQ(Doc().CurLine, 3);
  EXPECT_EQ(Doc().HoldingCount, 2);
}

// Teacher A carries 1-2 from Tuesday 3 to Wednesday 1, where A had 1-3, while teacher B has
// 1-2 on Wednesday 1.
TEST_F(PieceMove, TheClashChainLiftsTheOtherPieceAndReturnsTheHeldOne) {
  FourTeachers();
  constexpr int A = 1, B = 2, Tue3 = 9, Wed1 = 13, Wed4 = 16;
  Put(A, Tue3, ClassPiece(1, 2));
  Put(A, Wed1, ClassPiece(1, 3));
  Put(B, Wed1, ClassPiece(1, 2));
  Refresh();
  app_->options.AutoExchange = true;

  MoveAt(A, Tue3);
  Cursor(A, Wed1);
  Edit().sgrEditDblClick();
  EXPECT_EQ(platform_.Beeps(), 1);
  EXPECT_EQ(Doc().Cell(A, Wed1).Item, 2);
  EXPECT_TRUE(Doc().Cell(B, Wed1).IsEmpty());
  EXPECT_EQ(Doc().Hand.Piece.Item, 2);
  EXPECT_EQ(Doc().Hand.FromLine, B);
  ASSERT_EQ(Doc().HoldingCount, 2);
  EXPECT_EQ(Doc().Holding[1].Piece.Item, 3);
  EXPECT_EQ(Doc().CurLine, B);
  ASSERT_EQ(Doc().HistoryPos, 4);  // the lift, the exchange and B's lift
  EXPECT_EQ(Entry(3).Line, B);
  EXPECT_TRUE(Same(Entry(3).Hand, ClassPiece(1, 2)));
  EXPECT_EQ(Text(1, 0), "[２]");

  // B puts 1-2 down in a free period: 1-3 comes back to A's Wednesday 1.
  MoveAt(B, Wed4);
  EXPECT_EQ(Doc().Cell(B, Wed4).Item, 2);
  EXPECT_EQ(Doc().Hand.Piece.Item, 3);
  EXPECT_EQ(Doc().HoldingCount, 1);
  EXPECT_EQ(Doc().CurLine, A);
  EXPECT_EQ(Doc().CurPeriod, Wed1);
  EXPECT_EQ(Grid().Row(), A + 1);
  EXPECT_EQ(Grid().Col(), Wed1 + 3);
  EXPECT_EQ(Text(1, 0), "[３]");
  EXPECT_EQ(platform_.Beeps(), 1);

  // Back undoes all of it, piece by piece.
  for (int k = 0; k < 4; ++k) Trigger("mnuEditBack");
  EXPECT_EQ(Doc().Cell(A, Tue3).Item, 2);
  EXPECT_EQ(Doc().Cell(A, Wed1).Item, 3);
  EXPECT_EQ(Doc().Cell(B, Wed1).Item, 2);
  EXPECT_TRUE(Doc().Cell(B, Wed4).IsEmpty());
  EXPECT_TRUE(Doc().Hand.Piece.IsEmpty());
  EXPECT_EQ(Doc().HoldingCount, 1);
}

TEST_F(PieceMove, ASubjectPutWhereAnotherLineHasItClashesToo) {
  FourTeachers();
  Put(3, 20, SubjectPiece(12));
  Put(1, 19, SubjectPiece(12));
  Refresh();
  MoveAt(1, 19);
  MoveAt(1, 20);
  EXPECT_EQ(platform_.Beeps(), 1);
  EXPECT_EQ(Doc().CurLine, 3);
  EXPECT_EQ(Doc().CurPeriod, 20);
  EXPECT_TRUE(Doc().Hand.Piece.IsEmpty());
  EXPECT_EQ(Doc().HoldingCount, 1);

  // With AutoExchange the other line's piece comes into the hand.
  app_->options.AutoExchange = true;
  Put(3, 21, SubjectPiece(12));
  MoveAt(1, 20);
  MoveAt(1, 21);
  EXPECT_EQ(Doc().Hand.Piece.Item, 12);
  EXPECT_EQ(Doc().Hand.FromLine, 3);
  EXPECT_TRUE(Doc().Cell(3, 21).IsEmpty());
}

// Lifting again on the cell just changed would undo the exchange, and two clashing pieces
// would trade places without end.
TEST_F(PieceMove, AutoExchangeActsOnlyWhereTheCursorWentToTheClash) {
  FourTeachers();
  Put(1, 7, ClassPiece(1, 2));
  Put(3, 7, ClassPiece(1, 3));
  Put(2, 3, ClassPiece(1, 2));
  Put(2, 7, ClassPiece(1, 3));
  Refresh();
  app_->options.AutoExchange = true;
  app_->options.AutoLocate = false;
  MoveAt(2, 3);
  MoveAt(2, 7);
  EXPECT_EQ(platform_.Beeps(), 1);
  EXPECT_EQ(Doc().Cell(2, 7).Item, 2);
  EXPECT_EQ(Doc().Hand.Piece.Item, 3);
  EXPECT_EQ(Doc().CurLine, 2);
  EXPECT_EQ(Doc().Cell(1, 7).Item, 2);
  EXPECT_EQ(Doc().HistoryPos, 3);
}

TEST_F(PieceMove, AClashWithAFullHoldingStackKeepsThePieceOnItsLine) {
  FourTeachers();
  Put(1, 7, ClassPiece(1, 2));
  Put(2, 3, ClassPiece(1, 2));
  Put(2, 7, ClassPiece(1, 3));
  Refresh();
  app_->options.AutoExchange = true;
  for (int k = 1; k < MaxHolding; ++k) {
    Doc().Hand = {ClassPiece(2, 1), 4, static_cast<Byte>(k)};
    Doc().HoldPush();
  }
  ASSERT_EQ(Doc().HoldingCount, MaxHolding);

  MoveAt(2, 3);
  MoveAt(2, 7);
  EXPECT_EQ(platform_.Beeps(), 2);  // the clash, then the refusal
  EXPECT_EQ(Doc().Hand.Piece.Item, 3);
  EXPECT_EQ(Doc().Hand.FromLine, 2);
  EXPECT_EQ(Doc().CurLine, 2);
  EXPECT_EQ(Doc().Cell(1, 7).Item, 2) << "nothing is lifted on the other line";
  EXPECT_EQ(Doc().HoldingCount, MaxHolding);
  EXPECT_EQ(Doc().HistoryPos, 3);
}

TEST_F(PieceMove, WithTheHistoryFullTheMoveIsMadeUnrecorded) {
  FourTeachers();
  Put(1, 1, ClassPiece(1, 1));
  Refresh();
  Doc().HistoryPos = MaxHistory;
  Doc().HistoryEnd = MaxHistory;
  MoveAt(1, 1);
  EXPECT_EQ(Doc().Hand.Piece.Item, 1);
  EXPECT_EQ(Doc().HistoryPos, MaxHistory);
  EXPECT_EQ(platform_.Beeps(), 1);
}

}  // namespace
}  // namespace kumo::test
