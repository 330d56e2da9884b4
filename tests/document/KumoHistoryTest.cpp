// The history: what each step records, Back and Forward restoring exactly the state before and
// after it (hand, origin and holding stack included), the holding stack and the clears.
#include <cstring>
#include <functional>
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
    EditState s{{}, doc.Hand(), {}, doc.CurLine(), doc.CurPeriod()};
    for (int n = 1; n <= doc.LineCount(); ++n) {
      for (int p = 1; p <= PeriodCount; ++p) s.cells.push_back(doc.Cell(n, p));
    }
    for (int k = 1; k < doc.HoldingCount(); ++k) s.held.push_back(doc.Held(k));
    return s;
  }
  // The cursor is the user's between steps.
  EditState Pieces() const {
    EditState s = State();
    s.line = s.period = 0;
    return s;
  }
  void Home() {
    while (doc.HistoryPos() > 1) ASSERT_TRUE(doc.StepBack());
  }
  void End() {
    while (doc.HistoryPos() < doc.HistoryEnd()) ASSERT_TRUE(doc.StepForward());
  }
  // Teacher 2 carries 1-2 onto its 1-3 in period 7, where teacher 1 has 1-2 already.
  void ClashingCells() {
    Put(1, 7, Piece(1, 2));
    Put(2, 3, Piece(1, 2));
    Put(2, 7, Piece(1, 3));
  }
  void ClashingExchange(MoveChoices choices = {}) {
    ClashingCells();
    MoveAt(2, 3, choices);
    MoveAt(2, 7, choices);
  }
};

TEST_F(History, LiftAndPutDownAreUndoneAndRedoneExactly) {
  const PeriodCell a = Piece(1, 3, Counted);
  Put(2, 5, a);
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
  EXPECT_EQ(doc.Hand(), (HeldPiece{a, 2, 5})) << "the origin is where the piece was lifted";
  ASSERT_TRUE(doc.StepBack());
  EXPECT_EQ(State(), start);
  EXPECT_EQ(doc.HistoryPos(), 1);
  EXPECT_EQ(doc.HistoryEnd(), 3);
  EXPECT_EQ(prompter.Beeps(), 0);

  ASSERT_TRUE(doc.StepForward());
  EXPECT_EQ(State(), lifted);
  ASSERT_TRUE(doc.StepForward());
  EXPECT_EQ(State(), put);
}

TEST_F(History, SteppingPastEitherEndOnlyBeeps) {
  EXPECT_FALSE(doc.StepBack());
  Put(1, 1, Piece(1, 1));
  MoveAt(1, 1);
  Unchanged();
  EXPECT_FALSE(doc.StepForward());
  EXPECT_EQ(prompter.Beeps(), 2);
  EXPECT_EQ(doc.HistoryPos(), 2);
  EXPECT_FALSE(doc.Modified());
}

// Back, Back, Forward, Forward over a clash left the carried piece with origin line 0, and the
// saved timetable was refused at the next open.
TEST_F(History, WalkingOverAClashChainKeepsTheHandsOriginThroughASave) {
  ClashingExchange({.ExchangeOnClash = true});
  const EditState chained = State();
  ASSERT_EQ(doc.Hand(), (HeldPiece{Piece(1, 2), 1, 7}));
  doc.StepBack();
  doc.StepBack();
  doc.StepForward();
  doc.StepForward();
  EXPECT_EQ(State(), chained);

  doc.SaveAs(Path("chain.kmt"));
  TKumData reopened(options, prompter);
  ASSERT_TRUE(reopened.Open(doc.FileName()));
  EXPECT_TRUE(prompter.Boxes().empty());
  EXPECT_EQ(reopened.Hand(), doc.Hand());
  for (int k = 0; k < 3; ++k) ASSERT_TRUE(reopened.StepBack());
  EXPECT_EQ(reopened.Cell(2, 3), Piece(1, 2));
  EXPECT_EQ(reopened.Cell(2, 7), Piece(1, 3));
  EXPECT_EQ(reopened.Cell(1, 7), Piece(1, 2));
  EXPECT_TRUE(reopened.Hand().Piece.IsEmpty());
  EXPECT_EQ(reopened.HoldingCount(), 1);
}

// With the default options Back over a clashing exchange put the lesson set aside back into its
// cell and left it on the holding stack as well.
TEST_F(History, BackOverAClashingExchangeTakesThePutAsidePieceOffTheStack) {
  ClashingExchange();
  ASSERT_EQ(doc.HoldingCount(), 2);
  doc.StepBack();
  EXPECT_EQ(doc.Cell(2, 7), Piece(1, 3));
  EXPECT_EQ(doc.Hand(), (HeldPiece{Piece(1, 2), 2, 3}));
  EXPECT_EQ(doc.HoldingCount(), 1);
  EXPECT_EQ(doc.CurLine(), 2);
  doc.StepForward();
  EXPECT_EQ(doc.HoldingCount(), 2);
  EXPECT_EQ(doc.Held(1), (HeldPiece{Piece(1, 3), 2, 7}));
  EXPECT_EQ(doc.CurLine(), 1) << "Forward goes where the clash took the cursor";
  EXPECT_TRUE(doc.Hand().Piece.IsEmpty());
}

// After Home and End the carried piece had a stale origin, and the next click put it into
// another teacher's line.
TEST_F(History, HomeAndEndLeaveTheCarriedPieceWithItsOwnOrigin) {
  Put(3, 2, Piece(1, 3));
  Put(1, 9, Piece(1, 1));
  MoveAt(1, 9);
  MoveAt(1, 10);
  MoveAt(3, 2);
  const EditState carried = State();
  Home();
  End();
  EXPECT_EQ(State(), carried);
  EXPECT_EQ(doc.Hand(), (HeldPiece{Piece(1, 3), 3, 2}));
  EXPECT_EQ(doc.CurLine(), 3);
}

TEST_F(History, ForwardOverAnEraseLeavesThePieceErased) {
  Put(1, 1, Piece(1, 1));
  Put(1, 2, Piece(KindSymbol, 3, Locked));
  prompter.Expect(Answer::Ok);
  ASSERT_TRUE(doc.EraseRange({1, 1, 1, 2}));
  const EditState erased = State();
  doc.StepBack();
  doc.StepBack();
  EXPECT_EQ(doc.Cell(1, 1), Piece(1, 1));
  EXPECT_EQ(doc.Cell(1, 2), Piece(KindSymbol, 3, Locked));
  EXPECT_TRUE(doc.Hand().Piece.IsEmpty());
  doc.StepForward();
  doc.StepForward();
  EXPECT_EQ(State(), erased);
  EXPECT_TRUE(doc.Hand().Piece.IsEmpty());
}

// Carrying 2-1 along teacher 1's line and entering 1-2 where teacher 3 has it, three Backs left
// 1-2 on the holding stack, and the next put-down brought it into the hand. Back over an entry
// from either palette or a fill gives the cell its former piece and leaves the hand and the
// holding stack as they were; Forward brings the entry again.
TEST_F(History, BackOverAnyEntryRestoresTheStateBeforeIt) {
  using Entry = std::function<bool(TKumData&)>;
  const struct {
    const char* name;
    std::vector<int> moves;  // periods of teacher 1 moved at first
    int line, period, answers;
    Entry entry;
  } cases[] = {
      {"a class after a carry, where another line has it",
       {7, 10},
       2,
       10,
       0,
       [](TKumData& d) { return d.EnterClass(1, 2, true) && d.CurLine() == 3; }},
      {"a class while a piece is carried",
       {7},
       1,
       11,
       0,
       [](TKumData& d) { return d.EnterClass(1, 3, true); }},
      {"a subject into an empty cell",
       {},
       1,
       3,
       0,
       [](TKumData& d) { return d.EnterSubject(0, 3); }},
      {"a symbol over a class", {}, 2, 10, 1, [](TKumData& d) { return d.EnterSubject(1, 5); }},
      {"the subject of a linked lesson",
       {},
       2,
       10,
       2,
       [](TKumData& d) { return d.EnterSubject(0, 5); }},
      {"a fill over a range with two lessons",
       {},
       1,
       1,
       4,
       [](TKumData& d) {
         return d.FillRange({2, 3, 9, 10}, 0, 6);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    doc.Clear();
    FourTeachers();
    Put(1, 7, Piece(2, 1));
    Put(2, 10, {KindGrade1, 1, 9, Linked});
    Put(3, 10, Piece(1, 2));
    Put(2, 2, {KindEmpty, 3, 4, Locked});  // leftovers of an emptied cell
    const EditState start = Pieces();
    for (int p : c.moves) MoveAt(1, p);
    doc.SetCursor(c.line, c.period);
    for (int k = 0; k < c.answers; ++k) prompter.Expect(Answer::Yes);
    ASSERT_TRUE(c.entry(doc));
    const EditState entered = Pieces();
    Home();
    EXPECT_EQ(Pieces(), start);
    EXPECT_TRUE(doc.Hand().Piece.IsEmpty());
    EXPECT_EQ(doc.HoldingCount(), 1);
    End();
    EXPECT_EQ(Pieces(), entered);
  }
}

// After 保持クラスクリア, Home then End brought the discarded pieces back. A discard is a step:
// only a walk back over it brings the piece back, and Forward discards it again.
TEST_F(History, DiscardedPiecesComeBackOnlyByAWalkBackOverTheirDiscard) {
  const struct {
    const char* name;
    int answers;
    void (TKumData::*discard)();
    int steps;
  } cases[] = {
      {"the edit table's drop", 0, &TKumData::DropHand, 1},
      {"the clear of the holding stack", 1, &TKumData::ClearHolding, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    doc.Clear();
    FourTeachers();
    ClashingExchange();  // 1-3 is put aside
    MoveAt(1, 7);        // teacher 1's 1-2 into the hand
    const EditState held = Pieces();
    for (int k = 0; k < c.answers; ++k) prompter.Expect(Answer::Ok);
    (doc.*c.discard)();
    const EditState discarded = Pieces();
    Home();
    End();
    EXPECT_EQ(Pieces(), discarded);
    for (int k = 0; k < c.steps; ++k) ASSERT_TRUE(doc.StepBack());
    EXPECT_EQ(Pieces(), held);
  }
}

TEST_F(History, AStepThatWouldOverfillTheHoldingStackIsRefused) {
  Put(1, 1, Piece(1, 1));
  Hold({Piece(1, 2), 2, 2});
  MoveAt(1, 1);
  MoveAt(1, 3);  // put down: 1-2 comes from the stack into the hand
  ASSERT_EQ(doc.Hand().Piece, Piece(1, 2));
  for (int k = 1; k < MaxHolding; ++k) Hold({Piece(2, 1), 4, static_cast<Byte>(k)});
  prompter.Reset();
  EXPECT_FALSE(doc.StepBack());
  EXPECT_EQ(prompter.Beeps(), 1);
  EXPECT_EQ(doc.HistoryPos(), 3);
  EXPECT_EQ(doc.Hand().Piece, Piece(1, 2));
}

TEST_F(History, AStepTheTimetableNoLongerMatchesIsRefused) {
  Put(1, 1, Piece(1, 1));
  MoveAt(1, 1);
  Put(1, 1, Piece(3, 3));  // changed behind the history's back
  prompter.Expect(Answer::Ok);
  EXPECT_FALSE(doc.StepBack());
  EXPECT_EQ(prompter.Boxes().at(0).Type, BoxType::Error);
  EXPECT_EQ(doc.Cell(1, 1), Piece(3, 3));
  EXPECT_EQ(doc.HistoryPos(), 2);
}

// With 4999 steps recorded every move was refused, and a lifted piece could be put down
// nowhere. The oldest step is forgotten instead, with a beep and a word the first time.
TEST_F(History, AtTheLimitTheOldestStepIsForgottenForEachNewOne) {
  Put(1, 1, Piece(1, 1));
  Put(2, 2, Piece(1, 2));
  for (int i = 0; i < MaxHistory - 1; ++i) MoveAt(1, 1);
  ASSERT_EQ(doc.Hand().Piece, Piece(1, 1));
  const HistoryEntry second = doc.History(2);
  EXPECT_TRUE(MoveAt(1, 3));
  EXPECT_EQ(doc.Cell(1, 3), Piece(1, 1));
  EXPECT_EQ(doc.HistoryPos(), MaxHistory);
  EXPECT_EQ(std::memcmp(&doc.History(1), &second, sizeof second), 0) << "the entries moved down";
  EXPECT_EQ(doc.History(MaxHistory - 1).Period, 3);
  EXPECT_EQ(prompter.Beeps(), 1);

  prompter.Expect(Answer::Ok);
  ASSERT_TRUE(doc.EraseRange({2, 2, 2, 2}));
  EXPECT_TRUE(doc.Cell(2, 2).IsEmpty());
  EXPECT_EQ(doc.HistoryPos(), MaxHistory);
  EXPECT_EQ(prompter.Beeps(), 1) << "the beep is only for the first step forgotten";

  Home();
  EXPECT_EQ(doc.Cell(2, 2), Piece(1, 2));
  EXPECT_EQ(doc.Cell(1, 1).IsEmpty(), doc.Hand().Piece == Piece(1, 1));
}

TEST_F(History, DropHandTakesTheNextHeldPieceAndGoesWhereItWasLifted) {
  Hold({Piece(1, 3), 3, 9});  // C, B, A: A ends on top
  Hold({Piece(1, 2), 2, 8});
  Hold({Piece(1, 1), 1, 7});
  InHand({Piece(2, 1), 4, 4});
  doc.DropHand();
  EXPECT_EQ(doc.Hand(), (HeldPiece{Piece(1, 1), 1, 7}));
  EXPECT_EQ(doc.HoldingCount(), 3);
  EXPECT_EQ(doc.Held(1).Piece, Piece(1, 2));
  EXPECT_EQ(doc.CurLine(), 1);
  EXPECT_EQ(doc.CurPeriod(), 7);
  EXPECT_EQ(doc.HistoryPos(), 2) << "the drop is a step";
}

TEST_F(History, ClearHistoryIsRefusedWhileLessonsAreHeld) {
  Put(1, 1, Piece(1, 1));
  MoveAt(1, 1);
  prompter.Expect(Answer::Ok);
  doc.ClearHistory();
  EXPECT_EQ(prompter.Boxes().at(0).Text, "クラスを保持しているのでスタックの初期化はできません。");

  MoveAt(1, 2);
  Hold({Piece(1, 2), 2, 2});
  Unchanged();
  prompter.Expect(Answer::Ok);
  doc.ClearHistory();
  EXPECT_EQ(prompter.Boxes().at(1).Text, "保持クラスがあるのでスタックの初期化はできません。");
  EXPECT_EQ(prompter.Boxes().at(1).Type, BoxType::Error);
  EXPECT_EQ(doc.HistoryPos(), 3);
  EXPECT_EQ(doc.HoldingCount(), 2);
  EXPECT_FALSE(doc.Modified());
}

TEST_F(History, ClearHistoryAsksThenDropsTheSteps) {
  Put(1, 1, Piece(1, 1));
  MoveAt(1, 1);
  MoveAt(1, 2);
  Unchanged();
  prompter.Expect(Answer::Cancel);
  doc.ClearHistory();
  EXPECT_EQ(doc.HistoryPos(), 3);
  prompter.Expect(Answer::Ok);
  doc.ClearHistory();
  EXPECT_EQ(prompter.Boxes().at(1).Text, "スタックを初期化します。よろしいですか？");
  EXPECT_EQ(prompter.Boxes()[1].Type, BoxType::Confirmation);
  EXPECT_EQ(doc.HistoryPos(), 1);
  EXPECT_EQ(doc.HistoryEnd(), 1);
  EXPECT_EQ(doc.History(2).Line, 0);
  EXPECT_TRUE(doc.Modified());
}

TEST_F(History, ClearHoldingDropsHandAndHeldPiecesAfterConfirmation) {
  Unchanged();
  Hold({Piece(1, 1), 1, 1});
  InHand({Piece(1, 2), 1, 2});
  prompter.Expect(Answer::Cancel);
  doc.ClearHolding();
  EXPECT_EQ(doc.HoldingCount(), 2);
  prompter.Expect(Answer::Ok);
  doc.ClearHolding();
  EXPECT_EQ(prompter.Boxes()[1].Text, "保持クラスをクリアします。よろしいですか");
  EXPECT_EQ(doc.HoldingCount(), 1);
  EXPECT_EQ(doc.Hand(), HeldPiece{});
  EXPECT_EQ(doc.HistoryPos(), 3) << "one step for each piece";
  EXPECT_TRUE(doc.Modified());
}

// Observers hear once per operation, in the document's terms.
TEST_F(History, EachOperationTellsItsObserversOnce) {
  struct Recorder : DocumentObserver {
    using DocumentObserver::DocumentObserver;
    void DocumentChanged(const DocumentChange& c) override { seen.push_back(c); }
    std::vector<DocumentChange> seen;
  };
  ClashingCells();
  Recorder recorder(doc);
  MoveAt(2, 3, {.ExchangeOnClash = true});
  MoveAt(2, 7, {.ExchangeOnClash = true});
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
