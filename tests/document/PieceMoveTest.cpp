// The piece move: lift, put down, exchange, the checks on marked pieces, and clashes.
#include <functional>

#include "DocFixture.h"

namespace kumo::test {
namespace {

class PieceMove : public DocTest {
 protected:
  void SetUp() override {
    DocTest::SetUp();
    FourTeachers();
    Unchanged();
  }
  const HistoryEntry& Entry(int k) { return doc.History(k); }
};

TEST_F(PieceMove, LiftThenPutDownRecordsTwoEntries) {
  const PeriodCell piece = Piece(1, 2, Counted);
  Put(2, 5, piece);

  MoveAt(2, 5);
  EXPECT_EQ(doc.Hand(), (HeldPiece{piece, 2, 5}));
  EXPECT_TRUE(doc.Cell(2, 5).IsEmpty());
  EXPECT_TRUE(doc.Modified());
  ASSERT_EQ(doc.HistoryPos(), 2);
  EXPECT_EQ(Entry(1).Line, 2);
  EXPECT_EQ(Entry(1).Period, 5);
  EXPECT_TRUE(Entry(1).Cell.IsEmpty());
  EXPECT_EQ(Entry(1).Hand, piece);

  MoveAt(2, 9);
  EXPECT_TRUE(doc.Hand().Piece.IsEmpty());
  EXPECT_EQ(doc.Cell(2, 9), piece);
  ASSERT_EQ(doc.HistoryPos(), 3);
  EXPECT_EQ(Entry(2).Cell, piece);
  EXPECT_TRUE(Entry(2).Hand.IsEmpty());
  EXPECT_EQ(doc.HistoryEnd(), 3);
  EXPECT_EQ(prompter.Beeps(), 0);
}

TEST_F(PieceMove, PuttingOntoAnotherPieceExchangesThem) {
  Put(1, 1, Piece(1, 1));
  Put(1, 2, Piece(KindSubject, 4));
  MoveAt(1, 1);
  MoveAt(1, 2);
  EXPECT_EQ(doc.Cell(1, 2), Piece(1, 1));
  EXPECT_EQ(doc.Hand(), (HeldPiece{Piece(KindSubject, 4), 1, 2}));
  EXPECT_EQ(Entry(2).Cell, Piece(1, 1));
  EXPECT_EQ(Entry(2).Hand, Piece(KindSubject, 4));
}

// Enter on an empty cell with an empty hand dropped the whole forward history.
TEST_F(PieceMove, NoOpsKeepTheStepsThatCanBeRedone) {
  const struct {
    const char* name;
    bool asks;
    std::function<void(TKumData&)> noOp;
  } cases[] = {
      {"move on nothing", false, [](TKumData& d) { d.MovePiece({}); }},
      {"erase of empty cells", true,
       [](TKumData& d) {
         d.EraseRange({3, 4, 5, 6});
       }},
      {"exchange of empty periods", true, [](TKumData& d) { d.ExchangeColumns(20, 21, {}); }},
      {"flags for empty cells", false,
       [](TKumData& d) {
         d.AddFlags({3, 4, 5, 6}, Team);
       }},
      {"drop of an empty hand", false, [](TKumData& d) { d.DropHand(); }},
      {"clear of nothing held", true, [](TKumData& d) { d.ClearHolding(); }},
  };
  Put(1, 1, Piece(1, 1));
  MoveAt(1, 1);
  MoveAt(1, 2);
  doc.StepBack();
  doc.StepBack();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    doc.SetCursor(3, 3);
    if (c.asks) prompter.Expect(Answer::Ok);
    c.noOp(doc);
    EXPECT_EQ(doc.HistoryPos(), 1);
    EXPECT_EQ(doc.HistoryEnd(), 3);
    EXPECT_EQ(doc.Cell(1, 1).Item, 1);
  }
}

// A double click on another teacher's row while a piece is in hand acts on the hand's own line.
TEST_F(PieceMove, ACarriedPieceStaysOnItsOwnLine) {
  Put(2, 3, Piece(1, 2));
  Put(4, 6, Piece(2, 1));
  MoveAt(2, 3);
  MoveAt(4, 6);
  EXPECT_EQ(doc.Cell(2, 6), Piece(1, 2));
  EXPECT_EQ(doc.Cell(4, 6), Piece(2, 1));
  EXPECT_EQ(doc.CurLine(), 2);
  EXPECT_TRUE(doc.Hand().Piece.IsEmpty());
}

TEST_F(PieceMove, OnlyTheFirstCautionIsAskedAndOnlyYesGoesOn) {
  const PeriodCell marked = Piece(1, 1, Linked | Team);
  Put(1, 1, marked);
  Put(1, 2, Piece(1, 2, Attention | Continuous));
  Unchanged();
  for (Answer refusal : {Answer::No, Answer::Cancel}) {
    prompter.Expect(refusal);
    EXPECT_FALSE(MoveAt(1, 1));
    ASSERT_EQ(prompter.Boxes().size(), 1u);
    EXPECT_EQ(prompter.Boxes()[0].Type, BoxType::Warning);
    EXPECT_EQ(prompter.Boxes()[0].Buttons, Buttons::YesNoCancel);
    EXPECT_EQ(prompter.Boxes()[0].Text, "この授業はリンクされています。移動しますか");
    EXPECT_EQ(prompter.Beeps(), 1);
    EXPECT_EQ(doc.Cell(1, 1), marked);
    EXPECT_TRUE(doc.Hand().Piece.IsEmpty());
    EXPECT_EQ(doc.HistoryPos(), 1);
    EXPECT_FALSE(doc.Modified());
    prompter.Reset();
  }
  prompter.Expect(Answer::Yes);
  MoveAt(1, 2);
  EXPECT_EQ(prompter.Boxes().at(0).Text, "この授業は連続になっています。移動しますか");
  EXPECT_EQ(doc.Hand().Piece.Item, 2);
  // Putting the hand's piece onto a marked one asks too.
  Put(1, 3, Piece(1, 3, Attention));
  prompter.Expect(Answer::No);
  MoveAt(1, 3);
  EXPECT_EQ(prompter.Boxes().at(1).Text, "この授業は注意！になっています。移動しますか");
  EXPECT_EQ(doc.Hand().Piece.Item, 2);
}

TEST_F(PieceMove, ALockedPieceIsRefusedUnlessTheMoveSkipsTheChecks) {
  Put(1, 1, Piece(1, 1, Locked | Linked));
  prompter.Expect(Answer::Ok);
  EXPECT_FALSE(MoveAt(1, 1));
  ASSERT_EQ(prompter.Boxes().size(), 1u);
  EXPECT_EQ(prompter.Boxes()[0].Type, BoxType::Error);
  EXPECT_EQ(prompter.Boxes()[0].Text, "この授業はロックされています。移動できません");
  EXPECT_EQ(doc.Cell(1, 1).Item, 1);
  EXPECT_EQ(doc.HistoryPos(), 1);

  prompter.Reset();
  MoveAt(1, 1, {.Checks = false});
  EXPECT_TRUE(prompter.Boxes().empty());
  EXPECT_EQ(prompter.Beeps(), 0);
  EXPECT_EQ(doc.Hand().Piece.Item, 1);
}

TEST_F(PieceMove, AnExchangeThatClashesPutsTheLiftedPieceAside) {
  Put(1, 7, Piece(1, 2));  // teacher 1 has 1-2 on Tuesday 1
  Put(2, 3, Piece(1, 2));
  Put(2, 7, Piece(1, 3));
  MoveAt(2, 3);
  MoveAt(2, 7);
  EXPECT_EQ(prompter.Beeps(), 1);
  EXPECT_TRUE(doc.Hand().Piece.IsEmpty());
  ASSERT_EQ(doc.HoldingCount(), 2);
  EXPECT_EQ(doc.Held(1), (HeldPiece{Piece(1, 3), 2, 7}));
  EXPECT_EQ(doc.CurLine(), 1);
  EXPECT_EQ(doc.CurPeriod(), 7);
  EXPECT_EQ(doc.HistoryPos(), 3);

  // Without following, the beep is all, and a put-down that clashes takes nothing back.
  const MoveChoices stay{.FollowClash = false};
  Put(3, 8, Piece(1, 1));
  Put(1, 8, Piece(1, 1));
  prompter.Reset();
  MoveAt(3, 8, stay);
  EXPECT_EQ(prompter.Beeps(), 0);
  MoveAt(3, 8, stay);
  EXPECT_EQ(prompter.Beeps(), 1);
  EXPECT_EQ(doc.CurLine(), 3);
  EXPECT_EQ(doc.HoldingCount(), 2);
}

// Teacher A carries 1-2 from Tuesday 3 to Wednesday 1, where A had 1-3, while teacher B has
// 1-2 on Wednesday 1.
TEST_F(PieceMove, TheClashChainLiftsTheOtherPieceAndReturnsTheHeldOne) {
  constexpr int A = 1, B = 2, Tue3 = 9, Wed1 = 13, Wed4 = 16;
  const MoveChoices chain{.ExchangeOnClash = true};
  Put(A, Tue3, Piece(1, 2));
  Put(A, Wed1, Piece(1, 3));
  Put(B, Wed1, Piece(1, 2));

  MoveAt(A, Tue3, chain);
  MoveAt(A, Wed1, chain);
  EXPECT_EQ(prompter.Beeps(), 1);
  EXPECT_EQ(doc.Cell(A, Wed1).Item, 2);
  EXPECT_TRUE(doc.Cell(B, Wed1).IsEmpty());
  EXPECT_EQ(doc.Hand(), (HeldPiece{Piece(1, 2), B, Wed1}));
  ASSERT_EQ(doc.HoldingCount(), 2);
  EXPECT_EQ(doc.Held(1).Piece.Item, 3);
  EXPECT_EQ(doc.CurLine(), B);
  ASSERT_EQ(doc.HistoryPos(), 4);  // the lift, the exchange and B's lift
  EXPECT_EQ(Entry(3).Line, B);
  EXPECT_EQ(Entry(3).Hand, Piece(1, 2));

  // B puts 1-2 down in a free period: 1-3 comes back to A's Wednesday 1.
  MoveAt(B, Wed4, chain);
  EXPECT_EQ(doc.Cell(B, Wed4).Item, 2);
  EXPECT_EQ(doc.Hand(), (HeldPiece{Piece(1, 3), A, Wed1}));
  EXPECT_EQ(doc.HoldingCount(), 1);
  EXPECT_EQ(doc.CurLine(), A);
  EXPECT_EQ(doc.CurPeriod(), Wed1);
  EXPECT_EQ(prompter.Beeps(), 1);

  // Back undoes all of it, piece by piece.
  for (int k = 0; k < 4; ++k) EXPECT_TRUE(doc.StepBack());
  EXPECT_EQ(doc.Cell(A, Tue3).Item, 2);
  EXPECT_EQ(doc.Cell(A, Wed1).Item, 3);
  EXPECT_EQ(doc.Cell(B, Wed1).Item, 2);
  EXPECT_TRUE(doc.Cell(B, Wed4).IsEmpty());
  EXPECT_TRUE(doc.Hand().Piece.IsEmpty());
  EXPECT_EQ(doc.HoldingCount(), 1);
}

TEST_F(PieceMove, ASubjectPutWhereAnotherLineHasItClashesToo) {
  Put(3, 20, Piece(KindSubject, 12));
  Put(1, 19, Piece(KindSubject, 12));
  MoveAt(1, 19);
  MoveAt(1, 20);
  EXPECT_EQ(prompter.Beeps(), 1);
  EXPECT_EQ(doc.CurLine(), 3);
  EXPECT_EQ(doc.CurPeriod(), 20);
  EXPECT_TRUE(doc.Hand().Piece.IsEmpty());
  EXPECT_EQ(doc.HoldingCount(), 1);

  // Exchanging on a clash, the other line's piece comes into the hand.
  const MoveChoices chain{.ExchangeOnClash = true};
  Put(3, 21, Piece(KindSubject, 12));
  MoveAt(1, 20, chain);
  MoveAt(1, 21, chain);
  EXPECT_EQ(doc.Hand(), (HeldPiece{Piece(KindSubject, 12), 3, 21}));
  EXPECT_TRUE(doc.Cell(3, 21).IsEmpty());
}

// Lifting again on the cell just changed would undo the exchange, and two clashing pieces
// would trade places without end.
TEST_F(PieceMove, ExchangingOnAClashNeedsTheCursorToFollowIt) {
  Put(1, 7, Piece(1, 2));
  Put(3, 7, Piece(1, 3));
  Put(2, 3, Piece(1, 2));
  Put(2, 7, Piece(1, 3));
  const MoveChoices noFollow{.FollowClash = false, .ExchangeOnClash = true};
  MoveAt(2, 3, noFollow);
  MoveAt(2, 7, noFollow);
  EXPECT_EQ(prompter.Beeps(), 1);
  EXPECT_EQ(doc.Cell(2, 7).Item, 2);
  EXPECT_EQ(doc.Hand().Piece.Item, 3);
  EXPECT_EQ(doc.CurLine(), 2);
  EXPECT_EQ(doc.Cell(1, 7).Item, 2);
  EXPECT_EQ(doc.HistoryPos(), 3);
}

TEST_F(PieceMove, AClashWithAFullHoldingStackKeepsThePieceOnItsLine) {
  Put(1, 7, Piece(1, 2));
  Put(2, 3, Piece(1, 2));
  Put(2, 7, Piece(1, 3));
  for (int k = 1; k < MaxHolding; ++k) Hold({Piece(2, 1), 4, static_cast<Byte>(k)});
  const MoveChoices chain{.ExchangeOnClash = true};
  MoveAt(2, 3, chain);
  MoveAt(2, 7, chain);
  EXPECT_EQ(prompter.Beeps(), 2);  // the clash, then the refusal
  EXPECT_EQ(doc.Hand(), (HeldPiece{Piece(1, 3), 2, 7}));
  EXPECT_EQ(doc.CurLine(), 2);
  EXPECT_EQ(doc.Cell(1, 7).Item, 2) << "nothing is lifted on the other line";
  EXPECT_EQ(doc.HoldingCount(), MaxHolding);
  EXPECT_EQ(doc.HistoryPos(), 3);
}

TEST_F(PieceMove, NoLineNoMove) {
  doc.SetCursor(0, 1);
  EXPECT_FALSE(doc.MovePiece({}));
  doc.SetCursor(5, 1);
  EXPECT_FALSE(doc.MovePiece({}));
  EXPECT_EQ(doc.HistoryPos(), 1);
}

}  // namespace
}  // namespace kumo::test
