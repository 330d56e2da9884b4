#include <string>
#include <vector>

#include "DocFixture.h"
#include "document/DocumentViews.h"

namespace kumo::test {
namespace {

class RecordingViews : public DocumentViews {
 public:
  void EnableBackCommands() override { calls.push_back("EnableBack"); }
  void DisableBackCommands() override { calls.push_back("DisableBack"); }
  void EnableForwardCommands() override { calls.push_back("EnableForward"); }
  void DisableForwardCommands() override { calls.push_back("DisableForward"); }
  void RefreshAllViews() override { calls.push_back("Refresh"); }
  void HoldingCleared() override { calls.push_back("HoldingCleared"); }
  std::vector<std::string> calls;
};

class History : public DocTest {
 protected:
  void SetUp() override {
    DocTest::SetUp();
    AddLines(4);
    doc.SetViews(&views);
  }
  // A step as the editing windows make it: change, cursor, record, drop the undone steps.
  void Swap(int line, int period) {
    std::swap(doc.Cell(line, period), doc.Hand.Piece);
    doc.CurLine = static_cast<Byte>(line);
    doc.CurPeriod = static_cast<Byte>(period);
    doc.PushHistory();
    doc.HistoryEnd = doc.HistoryPos;
  }
  HeldPiece Held(Byte item) { return {Piece(1, item), 1, 1}; }

  RecordingViews views;
  const PeriodCell a = Piece(1, 3, Team);
};

TEST_F(History, LiftAndPutDownAreRecordedAndUndoneExactly) {
  doc.Cell(2, 5) = a;
  Swap(2, 5);
  Swap(4, 7);
  ASSERT_EQ(doc.HistoryPos, 3);
  const HistoryEntry& lift = doc.History[1];
  EXPECT_EQ(lift.Line, 2);
  EXPECT_EQ(lift.Period, 5);
  EXPECT_TRUE(lift.Cell.IsEmpty());
  EXPECT_EQ(lift.Hand.Flags, Team);
  EXPECT_TRUE(lift.Hand.SamePiece(a));
  const HistoryEntry& put = doc.History[2];
  EXPECT_EQ(put.Line, 4);
  EXPECT_EQ(put.Period, 7);
  EXPECT_TRUE(put.Cell.SamePiece(a));
  EXPECT_TRUE(put.Hand.IsEmpty());

  doc.StepBack();
  EXPECT_TRUE(doc.Cell(4, 7).IsEmpty());
  EXPECT_TRUE(doc.Hand.Piece.SamePiece(a));
  EXPECT_EQ(doc.Hand.FromLine, 4);
  EXPECT_EQ(doc.Hand.FromPeriod, 7);
  doc.StepBack();
  EXPECT_TRUE(doc.Cell(2, 5).SamePiece(a));
  EXPECT_EQ(doc.Cell(2, 5).Flags, Team);
  EXPECT_TRUE(doc.Hand.Piece.IsEmpty());
  EXPECT_EQ(doc.CurLine, 2);
  EXPECT_EQ(doc.CurPeriod, 5);
  EXPECT_EQ(doc.HistoryPos, 1);
  EXPECT_EQ(doc.HistoryEnd, 3);
  EXPECT_EQ(prompter.Beeps(), 0);

  doc.StepForward();
  doc.StepForward();
  EXPECT_TRUE(doc.Cell(4, 7).SamePiece(a));
  EXPECT_TRUE(doc.Cell(2, 5).IsEmpty());
  EXPECT_TRUE(doc.Hand.Piece.IsEmpty());
  EXPECT_EQ(doc.HistoryPos, 3);
}

TEST_F(History, SteppingPastEitherEndOnlyBeeps) {
  doc.StepBack();
  EXPECT_EQ(prompter.Beeps(), 1);
  doc.Cell(1, 1) = a;
  Swap(1, 1);
  doc.StepForward();
  EXPECT_EQ(prompter.Beeps(), 2);
  EXPECT_EQ(doc.HistoryPos, 2);
  EXPECT_TRUE(doc.Hand.Piece.SamePiece(a));
}

TEST_F(History, PushTellsTheWindowsWhetherForwardIsPossible) {
  Swap(1, 1);
  Swap(1, 2);
  doc.StepBack();
  doc.StepBack();
  views.calls.clear();
  doc.PushHistory();  // a new step while one step can still be redone
  EXPECT_EQ(views.calls, (std::vector<std::string>{"EnableBack", "EnableForward"}));
  views.calls.clear();
  doc.HistoryEnd = doc.HistoryPos;
  doc.PushHistory();
  EXPECT_EQ(views.calls, (std::vector<std::string>{"EnableBack", "DisableForward"}));
}

TEST_F(History, TheFiveThousandthPositionIsNeverRecorded) {
  for (int i = 0; i < 4999; ++i) Swap(1 + i % 4, 1 + i % 30);
  EXPECT_EQ(doc.HistoryPos, 5000);
  EXPECT_EQ(prompter.Beeps(), 0);
  doc.Cell(3, 3) = a;
  views.calls.clear();
  Swap(3, 3);
  EXPECT_EQ(prompter.Beeps(), 1);
  EXPECT_EQ(doc.HistoryPos, 5000);
  EXPECT_TRUE(doc.Hand.Piece.SamePiece(a));  // the move itself was made
  EXPECT_EQ(doc.History[5000].Line, 0);
  EXPECT_EQ(views.calls, (std::vector<std::string>{"EnableBack", "DisableForward"}));
}

TEST_F(History, ALiftAfterAClashIsUndoneAndRedoneWithItsHeldPiece) {
  // A is put onto B's cell: B comes into the hand. B goes onto the holding stack, and C is
  // lifted into the empty hand.
  const PeriodCell b = Piece(2, 1), c = Piece(3, 2);
  doc.Hand.Piece = a;
  doc.Cell(1, 1) = b;
  doc.Cell(2, 1) = c;
  Swap(1, 1);
  doc.HoldPush();
  Swap(2, 1);
  ASSERT_EQ(doc.HoldingCount, 2);

  doc.StepBack();  // C back in its cell, B back from the stack into the hand
  EXPECT_TRUE(doc.Cell(2, 1).SamePiece(c));
  EXPECT_TRUE(doc.Hand.Piece.SamePiece(b));
  EXPECT_EQ(doc.HoldingCount, 1);
  doc.StepBack();  // B back in its cell, A in the hand: as before the first step
  EXPECT_TRUE(doc.Cell(1, 1).SamePiece(b));
  EXPECT_TRUE(doc.Hand.Piece.SamePiece(a));
  EXPECT_EQ(doc.HoldingCount, 1);

  doc.StepForward();
  EXPECT_TRUE(doc.Hand.Piece.SamePiece(b));
  doc.StepForward();
  EXPECT_TRUE(doc.Hand.Piece.SamePiece(c));
  ASSERT_EQ(doc.HoldingCount, 2);
  EXPECT_TRUE(doc.Holding[1].Piece.SamePiece(b));
  EXPECT_TRUE(doc.Cell(2, 1).IsEmpty());
  EXPECT_EQ(prompter.Beeps(), 0);
}

TEST_F(History, RedoingAPutDownTakesTheNextHeldPieceIntoTheHand) {
  doc.Holding[1] = Held(9);
  doc.HoldingCount = 2;
  doc.Hand.Piece = a;
  Swap(1, 1);  // put A down: the hand is empty
  doc.StepBack();
  doc.StepForward();
  EXPECT_TRUE(doc.Cell(1, 1).SamePiece(a));
  EXPECT_EQ(doc.Hand.Piece.Item, 9);
  EXPECT_EQ(doc.HoldingCount, 1);
}

TEST_F(History, APutDownThatBroughtAHeldPieceIsUndoneWithoutLosingIt) {
  doc.Holding[1] = Held(9);
  doc.HoldingCount = 2;
  doc.Hand.Piece = a;
  Swap(1, 1);     // put A down: the hand is empty
  doc.HoldPop();  // and the held piece comes into the hand
  ASSERT_EQ(doc.Hand.Piece.Item, 9);

  doc.StepBack();
  EXPECT_TRUE(doc.Cell(1, 1).IsEmpty());
  EXPECT_TRUE(doc.Hand.Piece.SamePiece(a));
  ASSERT_EQ(doc.HoldingCount, 2);
  EXPECT_EQ(doc.Holding[1].Piece.Item, 9);

  doc.StepForward();
  EXPECT_TRUE(doc.Cell(1, 1).SamePiece(a));
  EXPECT_EQ(doc.Hand.Piece.Item, 9);
  EXPECT_EQ(doc.HoldingCount, 1);
}

TEST_F(History, StepsThatWouldOverfillTheHoldingStackAreRefused) {
  doc.Hand.Piece = a;
  Swap(1, 1);  // put down
  doc.Hand = Held(7);
  for (int k = 1; k <= 24; ++k) doc.Holding[k] = Held(static_cast<Byte>(k));
  doc.HoldingCount = 25;
  doc.StepBack();  // the piece in hand would have no place on the stack
  EXPECT_EQ(prompter.Beeps(), 1);
  EXPECT_EQ(doc.HistoryPos, 2);
  EXPECT_EQ(doc.Hand.Piece.Item, 7);

  doc.History[2] = {
      2, 1, {}, Piece(2, 2)};  // the clash lift right after a step that left B in hand
  doc.History[1].Hand = Piece(2, 5);
  doc.HistoryEnd = 3;
  doc.StepForward();
  EXPECT_EQ(prompter.Beeps(), 2);
  EXPECT_EQ(doc.HistoryPos, 2);
  EXPECT_EQ(doc.Hand.Piece.Item, 7);
}

TEST_F(History, HoldingStackKeepsAtMostTwentyFourPieces) {
  for (Byte i = 1; i <= 24; ++i) {
    doc.Hand = Held(i);
    doc.HoldPush();
    EXPECT_TRUE(doc.Hand.Piece.IsEmpty());
  }
  EXPECT_EQ(doc.HoldingCount, 25);
  doc.Hand = Held(25);
  doc.HoldPush();
  EXPECT_EQ(doc.HoldingCount, 25);
  EXPECT_EQ(doc.Hand.Piece.Item, 25);
  EXPECT_EQ(doc.Holding[1].Piece.Item, 24);
  EXPECT_EQ(doc.Holding[24].Piece.Item, 1);
}

TEST_F(History, HoldPopTakesTheTopAndClearsTheFreedSlot) {
  for (Byte item : {3, 2, 1}) {  // C, B, A: A ends on top
    doc.Hand = Held(item);
    doc.HoldPush();
  }
  doc.HoldPop();
  EXPECT_EQ(doc.Hand.Piece.Item, 1);
  EXPECT_EQ(doc.HoldingCount, 3);
  EXPECT_EQ(doc.Holding[1].Piece.Item, 2);
  EXPECT_EQ(doc.Holding[2].Piece.Item, 3);
  EXPECT_TRUE(doc.Holding[4].Piece.IsEmpty());
  doc.HoldPop();
  doc.HoldPop();
  EXPECT_EQ(doc.Hand.Piece.Item, 3);
  doc.HoldPop();  // nothing held: the hand stays
  EXPECT_EQ(doc.Hand.Piece.Item, 3);
  EXPECT_EQ(doc.HoldingCount, 1);
}

TEST_F(History, ClearHistoryIsRefusedWhileAPieceIsInHand) {
  Swap(1, 1);
  doc.Hand.Piece = a;
  doc.Modified = false;
  prompter.Expect(Answer::Ok);
  doc.ClearHistory();
  ASSERT_EQ(prompter.Boxes().size(), 1u);
  EXPECT_EQ(prompter.Boxes()[0].Text, "クラスを保持しているのでスタックの初期化はできません。");
  EXPECT_EQ(prompter.Boxes()[0].Type, BoxType::Error);
  EXPECT_EQ(doc.HistoryPos, 2);
  EXPECT_FALSE(doc.Modified);
}

TEST_F(History, ClearHistoryAsksThenDropsStepsAndHeldPieces) {
  Swap(1, 1);
  Swap(2, 2);
  doc.Hand = Held(4);
  doc.HoldPush();
  doc.Modified = false;
  prompter.Expect(Answer::Cancel);
  doc.ClearHistory();
  EXPECT_EQ(doc.HistoryPos, 3);
  prompter.Expect(Answer::Ok);
  views.calls.clear();
  doc.ClearHistory();
  ASSERT_EQ(prompter.Boxes().size(), 2u);
  EXPECT_EQ(prompter.Boxes()[1].Text, "スタックを初期化します。よろしいですか？");
  EXPECT_EQ(prompter.Boxes()[1].Type, BoxType::Confirmation);
  EXPECT_EQ(doc.HistoryPos, 1);
  EXPECT_EQ(doc.HistoryEnd, 1);
  EXPECT_EQ(doc.History[2].Line, 0);
  EXPECT_EQ(doc.HoldingCount, 1);
  EXPECT_TRUE(doc.Modified);
  EXPECT_EQ(views.calls, (std::vector<std::string>{"DisableForward", "DisableBack", "Refresh"}));
}

TEST_F(History, ClearHoldingDropsHandAndHeldPiecesAfterConfirmation) {
  doc.Modified = false;
  doc.Hand = Held(1);
  doc.HoldPush();
  doc.Hand = Held(2);
  prompter.Expect(Answer::Cancel);
  doc.ClearHolding();
  EXPECT_EQ(doc.HoldingCount, 2);
  prompter.Expect(Answer::Ok);
  doc.ClearHolding();
  EXPECT_EQ(prompter.Boxes()[1].Text, "保持クラスをクリアします。よろしいですか");
  EXPECT_EQ(doc.HoldingCount, 1);
  EXPECT_TRUE(doc.Hand.Piece.IsEmpty());
  EXPECT_EQ(doc.Hand.FromLine, 0);
  EXPECT_FALSE(doc.Modified);
  EXPECT_EQ(views.calls, (std::vector<std::string>{"HoldingCleared"}));
}

TEST_F(History, StepsNamingNoCellOfTheTableAreRefused) {
  doc.History[1] = {0, 5, a, {}};
  doc.History[2] = {1, 31, a, {}};
  doc.HistoryPos = 2;
  doc.HistoryEnd = 3;
  doc.StepBack();
  doc.StepForward();
  EXPECT_EQ(prompter.Beeps(), 2);
  EXPECT_EQ(doc.HistoryPos, 2);
}

}  // namespace
}  // namespace kumo::test
