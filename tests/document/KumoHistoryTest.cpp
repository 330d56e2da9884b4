// The history: what each step records, Back and Forward restoring exactly the state before and
// after it (hand, origin and holding stack included), the holding stack and the clears.
#include <vector>

#include "DocFixture.h"

namespace kumo::test {
namespace {

// Everything a step may touch, compared whole.
struct EditState {
  std::vector<PeriodCell> cells;
  HeldPiece hand;
  std::vector<HeldPiece> held;
  int line, period;
  bool operator==(const EditState&) const = default;
};

class History : public DocTest {
 protected:
  void SetUp() override {
    DocTest::SetUp();
    FourTeachers();
  }
  EditState State() const {
    EditState s{{}, doc.Hand, {}, doc.CurLine, doc.CurPeriod};
    for (int n = 1; n <= doc.LineCount; ++n) {
      for (int p = 1; p <= PeriodCount; ++p) s.cells.push_back(doc.Cell(n, p));
    }
    for (int k = 1; k < doc.HoldingCount; ++k) s.held.push_back(doc.Holding[k]);
    return s;
  }
  // Teacher 2 carries 1-2 onto its 1-3 in period 7, where teacher 1 has 1-2 already.
  void ClashingExchange(MoveChoices choices = {}) {
    doc.Cell(1, 7) = Piece(1, 2);
    doc.Cell(2, 3) = Piece(1, 2);
    doc.Cell(2, 7) = Piece(1, 3);
    MoveAt(2, 3, choices);
    MoveAt(2, 7, choices);
  }
};

TEST_F(History, LiftAndPutDownAreUndoneAndRedoneExactly) {
  const PeriodCell a = Piece(1, 3, Counted);
  doc.Cell(2, 5) = a;
  doc.SetCursor(2, 5);
  const EditState start = State();
  doc.MovePiece({});
  const EditState lifted = State();
  doc.SetCursor(2, 7);
  const EditState carried = State();
  doc.MovePiece({});
  const EditState put = State();

  ASSERT_TRUE(doc.StepBack());
  EXPECT_EQ(State(), carried);
  EXPECT_EQ(doc.Hand, (HeldPiece{a, 2, 5})) << "the origin is where the piece was lifted";
  ASSERT_TRUE(doc.StepBack());
  EXPECT_EQ(State(), start);
  EXPECT_EQ(doc.HistoryPos, 1);
  EXPECT_EQ(doc.HistoryEnd, 3);
  EXPECT_EQ(prompter.Beeps(), 0);

  ASSERT_TRUE(doc.StepForward());
  EXPECT_EQ(State(), lifted);
  ASSERT_TRUE(doc.StepForward());
  EXPECT_EQ(State(), put);
}

TEST_F(History, SteppingPastEitherEndOnlyBeeps) {
  EXPECT_FALSE(doc.StepBack());
  doc.Cell(1, 1) = Piece(1, 1);
  MoveAt(1, 1);
  doc.Modified = false;
  EXPECT_FALSE(doc.StepForward());
  EXPECT_EQ(prompter.Beeps(), 2);
  EXPECT_EQ(doc.HistoryPos, 2);
  EXPECT_FALSE(doc.Modified);
}

// Back, Back, Forward, Forward over a clash left the carried piece with origin line 0, and the
// saved timetable was refused at the next open.
TEST_F(History, WalkingOverAClashChainKeepsTheHandsOriginThroughASave) {
  ClashingExchange({.ExchangeOnClash = true});
  const EditState chained = State();
  ASSERT_EQ(doc.Hand, (HeldPiece{Piece(1, 2), 1, 7}));
  doc.StepBack();
  doc.StepBack();
  doc.StepForward();
  doc.StepForward();
  EXPECT_EQ(State(), chained);

  doc.FileName = Path("chain.kmt");
  doc.SaveToFile();
  TKumData reopened(options, prompter);
  reopened.FileName = doc.FileName;
  ASSERT_TRUE(reopened.LoadFromFile());
  EXPECT_TRUE(prompter.Boxes().empty());
  EXPECT_EQ(reopened.Hand, doc.Hand);
  for (int k = 0; k < 3; ++k) ASSERT_TRUE(reopened.StepBack());
  EXPECT_EQ(reopened.Cell(2, 3), Piece(1, 2));
  EXPECT_EQ(reopened.Cell(2, 7), Piece(1, 3));
  EXPECT_EQ(reopened.Cell(1, 7), Piece(1, 2));
  EXPECT_TRUE(reopened.Hand.Piece.IsEmpty());
  EXPECT_EQ(reopened.HoldingCount, 1);
}

// With the default options Back over a clashing exchange put the lesson set aside back into its
// cell and left it on the holding stack as well.
TEST_F(History, BackOverAClashingExchangeTakesThePutAsidePieceOffTheStack) {
  ClashingExchange();
  ASSERT_EQ(doc.HoldingCount, 2);
  doc.StepBack();
  EXPECT_EQ(doc.Cell(2, 7), Piece(1, 3));
  EXPECT_EQ(doc.Hand, (HeldPiece{Piece(1, 2), 2, 3}));
  EXPECT_EQ(doc.HoldingCount, 1);
  EXPECT_EQ(doc.CurLine, 2);
  doc.StepForward();
  EXPECT_EQ(doc.HoldingCount, 2);
  EXPECT_EQ(doc.Holding[1], (HeldPiece{Piece(1, 3), 2, 7}));
  EXPECT_EQ(doc.CurLine, 1) << "Forward goes where the clash took the cursor";
  EXPECT_TRUE(doc.Hand.Piece.IsEmpty());
}

// After Home and End the carried piece had a stale origin, and the next click put it into
// another teacher's line.
TEST_F(History, HomeAndEndLeaveTheCarriedPieceWithItsOwnOrigin) {
  doc.Cell(3, 2) = Piece(1, 3);
  doc.Cell(1, 9) = Piece(1, 1);
  MoveAt(1, 9);
  MoveAt(1, 10);
  MoveAt(3, 2);
  const EditState carried = State();
  while (doc.HistoryPos > 1) doc.StepBack();
  while (doc.HistoryPos < doc.HistoryEnd) doc.StepForward();
  EXPECT_EQ(State(), carried);
  EXPECT_EQ(doc.Hand, (HeldPiece{Piece(1, 3), 3, 2}));
  EXPECT_EQ(doc.CurLine, 3);
}

TEST_F(History, ForwardOverAnEraseLeavesThePieceErased) {
  doc.Cell(1, 1) = Piece(1, 1);
  doc.Cell(1, 2) = Piece(KindSymbol, 3, Locked);
  prompter.Expect(Answer::Ok);
  ASSERT_TRUE(doc.EraseRange({1, 1, 1, 2}));
  const EditState erased = State();
  doc.StepBack();
  doc.StepBack();
  EXPECT_EQ(doc.Cell(1, 1), Piece(1, 1));
  EXPECT_EQ(doc.Cell(1, 2), Piece(KindSymbol, 3, Locked));
  EXPECT_TRUE(doc.Hand.Piece.IsEmpty());
  doc.StepForward();
  doc.StepForward();
  EXPECT_EQ(State(), erased);
  EXPECT_TRUE(doc.Hand.Piece.IsEmpty());
}

TEST_F(History, BackOverAClassEntryBringsTheReplacedClassBack) {
  doc.Cell(1, 4) = {KindGrade1, 1, 9, Linked};
  doc.SetCursor(1, 4);
  ASSERT_TRUE(doc.EnterClass(1, 3, true));
  const EditState entered = State();
  doc.StepBack();
  EXPECT_EQ(doc.Cell(1, 4), (PeriodCell{KindGrade1, 1, 9, Linked}));
  EXPECT_EQ(doc.Hand, (HeldPiece{{KindGrade1, 3, 9, Linked}, 1, 4}))
      << "the placed class comes into the hand";
  doc.StepForward();
  EXPECT_EQ(State(), entered);
}

// A class entered while a piece is carried: Back takes the class into the hand and puts the
// carried piece aside until the class is put down.
TEST_F(History, BackOverAClassEnteredWhileCarryingPutsTheCarriedPieceAside) {
  doc.Cell(2, 1) = Piece(2, 1);
  MoveAt(2, 1);
  doc.SetCursor(2, 6);
  ASSERT_TRUE(doc.EnterClass(1, 2, true));
  const EditState entered = State();
  doc.StepBack();
  EXPECT_EQ(doc.Hand, (HeldPiece{Piece(1, 2), 2, 6}));
  ASSERT_EQ(doc.HoldingCount, 2);
  EXPECT_EQ(doc.Holding[1], (HeldPiece{Piece(2, 1), 2, 1}));
  doc.StepForward();
  EXPECT_EQ(State(), entered);
}

// A drop is the user's word: Back brings back what its step removed and never loses a piece
// that a drop brought into the hand.
TEST_F(History, BackAfterADropKeepsEveryPieceThatIsLeft) {
  ClashingExchange();
  doc.DropHand();  // the empty hand takes 1-3 from the holding stack
  ASSERT_EQ(doc.Hand.Piece, Piece(1, 3));
  doc.StepBack();
  EXPECT_EQ(doc.Cell(2, 7), Piece(1, 3));
  EXPECT_EQ(doc.Hand.Piece, Piece(1, 2));
  EXPECT_EQ(doc.HoldingCount, 1);

  doc.DropHand();  // 1-2 is discarded
  doc.StepBack();  // undoing its lift brings it back to its cell
  EXPECT_EQ(doc.Cell(2, 3), Piece(1, 2));
  EXPECT_TRUE(doc.Hand.Piece.IsEmpty());
}

TEST_F(History, AStepThatWouldOverfillTheHoldingStackIsRefused) {
  doc.Cell(1, 1) = Piece(1, 1);
  Hold({Piece(1, 2), 2, 2});
  MoveAt(1, 1);
  MoveAt(1, 3);  // put down: 1-2 comes from the stack into the hand
  ASSERT_EQ(doc.Hand.Piece, Piece(1, 2));
  for (int k = 1; k < MaxHolding; ++k) Hold({Piece(2, 1), 4, static_cast<Byte>(k)});
  prompter.Reset();
  EXPECT_FALSE(doc.StepBack());
  EXPECT_EQ(prompter.Beeps(), 1);
  EXPECT_EQ(doc.HistoryPos, 3);
  EXPECT_EQ(doc.Hand.Piece, Piece(1, 2));
}

TEST_F(History, AStepTheTimetableNoLongerMatchesIsRefused) {
  doc.Cell(1, 1) = Piece(1, 1);
  MoveAt(1, 1);
  doc.Cell(1, 1) = Piece(3, 3);  // changed behind the history's back
  prompter.Expect(Answer::Ok);
  EXPECT_FALSE(doc.StepBack());
  EXPECT_EQ(prompter.Boxes().at(0).Type, BoxType::Error);
  EXPECT_EQ(doc.Cell(1, 1), Piece(3, 3));
  EXPECT_EQ(doc.HistoryPos, 2);

  doc.History[1].Line = 9;  // no such line
  EXPECT_FALSE(doc.StepBack());
  EXPECT_EQ(prompter.Beeps(), 1);
}

TEST_F(History, TheFiveThousandthPositionIsNeverRecorded) {
  doc.Cell(1, 1) = Piece(1, 1);
  for (int i = 0; i < MaxHistory - 1; ++i) MoveAt(1, 1);
  EXPECT_EQ(doc.HistoryPos, MaxHistory);
  EXPECT_TRUE(prompter.Boxes().empty());
  prompter.Expect(Answer::Ok);
  EXPECT_FALSE(MoveAt(1, 1));
  EXPECT_EQ(doc.HistoryPos, MaxHistory);
  EXPECT_EQ(doc.Hand.Piece, Piece(1, 1)) << "the piece stays in hand, where the last step left it";
}

// Erase checks for room before its question: every erased lesson is a step of its own.
TEST_F(History, StepsTheHistoryCannotHoldAreRefused) {
  doc.Cell(1, 1) = Piece(1, 1);
  doc.Cell(2, 2) = Piece(1, 2);
  doc.HistoryPos = doc.HistoryEnd = MaxHistory - 1;  // room for one step
  prompter.Expect(Answer::Ok);
  EXPECT_FALSE(doc.EraseRange({1, 2, 1, 2}));
  EXPECT_EQ(
      prompter.Boxes().at(0).Text,
      "スタックがいっぱいです。スタッククリアをするか、ステップを戻ってからやり直してください。");
  EXPECT_EQ(doc.Cell(1, 1), Piece(1, 1));

  doc.HistoryPos = doc.HistoryEnd = MaxHistory;
  doc.SetCursor(1, 5);
  prompter.Expect(Answer::Ok);
  EXPECT_FALSE(doc.EnterClass(1, 3, true));
  EXPECT_TRUE(doc.Cell(1, 5).IsEmpty());
  EXPECT_EQ(prompter.Boxes().size(), 2u);
}

TEST_F(History, DropHandTakesTheNextHeldPieceAndGoesWhereItWasLifted) {
  Hold({Piece(1, 3), 3, 9});  // C, B, A: A ends on top
  Hold({Piece(1, 2), 2, 8});
  Hold({Piece(1, 1), 1, 7});
  doc.Hand = {Piece(2, 1), 4, 4};
  doc.DropHand();
  EXPECT_EQ(doc.Hand, (HeldPiece{Piece(1, 1), 1, 7}));
  EXPECT_EQ(doc.HoldingCount, 3);
  EXPECT_EQ(doc.Holding[1].Piece, Piece(1, 2));
  EXPECT_EQ(doc.CurLine, 1);
  EXPECT_EQ(doc.CurPeriod, 7);
  EXPECT_EQ(doc.HistoryPos, 1);
}

TEST_F(History, ClearHistoryIsRefusedWhileLessonsAreHeld) {
  doc.Cell(1, 1) = Piece(1, 1);
  MoveAt(1, 1);
  prompter.Expect(Answer::Ok);
  doc.ClearHistory();
  EXPECT_EQ(prompter.Boxes().at(0).Text, "クラスを保持しているのでスタックの初期化はできません。");

  MoveAt(1, 2);
  Hold({Piece(1, 2), 2, 2});
  doc.Modified = false;
  prompter.Expect(Answer::Ok);
  doc.ClearHistory();
  EXPECT_EQ(prompter.Boxes().at(1).Text, "保持クラスがあるのでスタックの初期化はできません。");
  EXPECT_EQ(prompter.Boxes().at(1).Type, BoxType::Error);
  EXPECT_EQ(doc.HistoryPos, 3);
  EXPECT_EQ(doc.HoldingCount, 2);
  EXPECT_FALSE(doc.Modified);
}

TEST_F(History, ClearHistoryAsksThenDropsTheSteps) {
  doc.Cell(1, 1) = Piece(1, 1);
  MoveAt(1, 1);
  MoveAt(1, 2);
  doc.Modified = false;
  prompter.Expect(Answer::Cancel);
  doc.ClearHistory();
  EXPECT_EQ(doc.HistoryPos, 3);
  prompter.Expect(Answer::Ok);
  doc.ClearHistory();
  EXPECT_EQ(prompter.Boxes().at(1).Text, "スタックを初期化します。よろしいですか？");
  EXPECT_EQ(prompter.Boxes()[1].Type, BoxType::Confirmation);
  EXPECT_EQ(doc.HistoryPos, 1);
  EXPECT_EQ(doc.HistoryEnd, 1);
  EXPECT_EQ(doc.History[2].Line, 0);
  EXPECT_TRUE(doc.Modified);
}

TEST_F(History, ClearHoldingDropsHandAndHeldPiecesAfterConfirmation) {
  doc.Modified = false;
  Hold({Piece(1, 1), 1, 1});
  doc.Hand = {Piece(1, 2), 1, 2};
  prompter.Expect(Answer::Cancel);
  doc.ClearHolding();
  EXPECT_EQ(doc.HoldingCount, 2);
  prompter.Expect(Answer::Ok);
  doc.ClearHolding();
  EXPECT_EQ(prompter.Boxes()[1].Text, "保持クラスをクリアします。よろしいですか");
  EXPECT_EQ(doc.HoldingCount, 1);
  EXPECT_EQ(doc.Hand, HeldPiece{});
  EXPECT_FALSE(doc.Modified);
}

// Observers hear once per operation, in the document's terms.
TEST_F(History, EachOperationTellsItsObserversOnce) {
  struct Recorder : DocumentObserver {
    using DocumentObserver::DocumentObserver;
    void DocumentChanged(const DocumentChange& c) override { seen.push_back(c); }
    std::vector<DocumentChange> seen;
  } recorder(doc);
  ClashingExchange({.ExchangeOnClash = true});
  ASSERT_EQ(recorder.seen.size(), 4u);  // two cursor moves, two piece moves
  const DocumentChange& chain = recorder.seen[3];
  EXPECT_TRUE(chain.Cell(2, 7) && chain.Cell(1, 7) && !chain.Cell(2, 3));
  EXPECT_TRUE(chain.Class(1, 2) && chain.Class(1, 3));
  EXPECT_TRUE(chain.Hand && chain.Holding && chain.History && chain.Cursor);
  EXPECT_EQ(chain.FirstEntry, 2);
  EXPECT_FALSE(chain.Lines || chain.All);

  recorder.seen.clear();
  {
    TKumData::Batch walk(doc);
    doc.StepBack();
    doc.StepBack();
  }
  ASSERT_EQ(recorder.seen.size(), 1u);
  EXPECT_TRUE(recorder.seen[0].Cell(1, 7) && recorder.seen[0].Cell(2, 7));
}

}  // namespace
}  // namespace kumo::test
