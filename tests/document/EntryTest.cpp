// Classes entered from the palette and Erase: the steps that add or remove lessons.
#include "DocFixture.h"

namespace kumo::test {
namespace {

class Entry : public DocTest {
 protected:
  // Grades with 5, 4 and 0 classes, one homeroom line each, and a line without a class.
  void SetUp() override {
    DocTest::SetUp();
    for (Byte c = 1; c <= 5; ++c) doc.AddLine(Line(1, c));
    for (Byte c = 1; c <= 4; ++c) doc.AddLine(Line(2, c));
    doc.AddLine(Line(0, 0));
    Unchanged();
  }
  bool EnterAt(int line, int period, int grade, int classNo, bool follow = true) {
    doc.SetCursor(line, period);
    return doc.EnterClass(grade, classNo, follow);
  }
};

TEST_F(Entry, BlankLockedAndSubjectCellsRefuseTheClass) {
  Put(1, 3, Piece(KindGrade1, 1, Locked));
  Put(1, 4, Piece(KindSubject, 2));
  Unchanged();
  EXPECT_FALSE(EnterAt(1, 1, 2, 5));  // grade 2 has four classes
  EXPECT_FALSE(EnterAt(1, 1, 3, 1));  // grade 3 none
  EXPECT_EQ(prompter.Beeps(), 2);
  EXPECT_TRUE(doc.Cell(1, 1).IsEmpty());

  prompter.Expect(Answer::Cancel);
  EXPECT_FALSE(EnterAt(1, 3, 2, 1));
  ASSERT_EQ(prompter.Boxes().size(), 1u);
  EXPECT_EQ(prompter.Boxes()[0].Type, BoxType::Error);
  EXPECT_EQ(prompter.Boxes()[0].Text, "この時限はロックされています。");
  EXPECT_EQ(prompter.Beeps(), 3);

  EXPECT_FALSE(EnterAt(1, 4, 2, 1));
  EXPECT_EQ(prompter.Beeps(), 4);
  EXPECT_EQ(doc.Cell(1, 4).Kind, KindSubject);
  EXPECT_EQ(doc.HistoryEnd(), 1);
  EXPECT_FALSE(doc.Modified());
}

TEST_F(Entry, AReplacedClassKeepsItsFlagsAndLessonSubjectAndIsRecorded) {
  Put(1, 7, {KindGrade1, 1, 9, Linked | Team});
  ASSERT_TRUE(EnterAt(1, 7, 2, 3));
  EXPECT_EQ(prompter.Beeps(), 0);
  EXPECT_EQ(doc.Cell(1, 7), (PeriodCell{KindGrade2, 3, 9, Linked | Team}));
  EXPECT_TRUE(doc.Modified());
  ASSERT_EQ(doc.HistoryPos(), 2);
  EXPECT_EQ(doc.History(1).Line, 1);
  EXPECT_EQ(doc.History(1).Period, 7);
  EXPECT_EQ(doc.History(1).Cell.Item, 3);
}

TEST_F(Entry, AnEntryDropsTheStepsThatCouldBeSteppedForward) {
  EnterAt(1, 1, 1, 1);
  EnterAt(1, 2, 1, 2);
  doc.StepBack();
  ASSERT_EQ(doc.HistoryEnd(), 3);
  EnterAt(2, 5, 1, 2);
  EXPECT_EQ(doc.HistoryPos(), 3);
  EXPECT_EQ(doc.HistoryEnd(), 3);
}

TEST_F(Entry, AClashBeepsAndTakesTheCursorToTheOtherLineWhenAsked) {
  Put(2, 5, Piece(KindGrade1, 2));
  EnterAt(1, 5, 1, 2);
  EXPECT_EQ(prompter.Beeps(), 1);
  EXPECT_EQ(doc.Cell(1, 5).Item, 2);  // the clash is not refused
  EXPECT_EQ(doc.CurLine(), 2);
  EXPECT_EQ(doc.CurPeriod(), 5);

  Put(3, 6, Piece(KindGrade1, 1));
  EnterAt(1, 6, 1, 1, false);
  EXPECT_EQ(prompter.Beeps(), 2);
  EXPECT_EQ(doc.CurLine(), 1);
}

// A carried piece stays on its line: the beep is all.
TEST_F(Entry, AClashWhileCarryingLeavesTheCursorOnTheHandsLine) {
  Put(1, 1, Piece(KindGrade1, 5));
  Put(2, 5, Piece(KindGrade1, 2));
  MoveAt(1, 1);
  EnterAt(1, 5, 1, 2);
  EXPECT_EQ(prompter.Beeps(), 1);
  EXPECT_EQ(doc.CurLine(), 1);
  EXPECT_EQ(doc.Hand().Piece.Item, 5);
}

TEST_F(Entry, EraseLiftsEveryPieceOfTheRangeAsOneStepEach) {
  Put(1, 1, Piece(1, 1, Locked | Counted));
  Put(1, 3, Piece(KindSubject, 5, Linked));
  Put(2, 2, Piece(1, 2));
  Put(2, 3, {KindSymbol, 2, 0, Team});
  Put(3, 1, Piece(1, 3));  // outside the range

  prompter.Expect(Answer::Cancel);
  EXPECT_FALSE(doc.EraseRange({1, 2, 1, 3}));
  EXPECT_EQ(prompter.Boxes().at(0).Text, "選択範囲を消去します。よろしいか");
  EXPECT_EQ(prompter.Boxes()[0].Type, BoxType::Warning);
  EXPECT_EQ(doc.Cell(1, 1).Item, 1);

  prompter.Expect(Answer::Ok);
  ASSERT_TRUE(doc.EraseRange({1, 2, 1, 3}));
  for (int line : {1, 2}) {
    for (int p : {1, 2, 3}) EXPECT_EQ(doc.Cell(line, p), PeriodCell{}) << line << "," << p;
  }
  EXPECT_EQ(doc.Cell(3, 1).Item, 3);
  EXPECT_EQ(doc.HistoryPos(), 5);
  EXPECT_EQ(doc.Hand(), HeldPiece{});
  EXPECT_EQ(doc.CurLine(), 2);
  EXPECT_EQ(doc.CurPeriod(), 3);
  EXPECT_TRUE(doc.Modified());

  for (int k = 0; k < 4; ++k) doc.StepBack();
  EXPECT_EQ(doc.Cell(1, 1).Flags, Locked | Counted);
  EXPECT_EQ(doc.Cell(1, 3).Kind, KindSubject);
  EXPECT_EQ(doc.Cell(2, 2).Item, 2);
  EXPECT_EQ(doc.Cell(2, 3).Flags, Team);
  EXPECT_TRUE(doc.Hand().Piece.IsEmpty());
}

// A carried piece would be put down or exchanged instead of a lift.
TEST_F(Entry, EraseIsRefusedWhileAPieceIsInHand) {
  Put(1, 1, Piece(1, 1));
  Put(1, 2, Piece(1, 2));
  MoveAt(1, 1);
  EXPECT_FALSE(doc.EraseRange({1, 1, 1, 2}));
  EXPECT_TRUE(prompter.Boxes().empty());
  EXPECT_EQ(doc.Cell(1, 2).Item, 2);
}

// Walking back and forward through erased pieces neither takes a held piece into the hand nor
// puts the erased pieces onto the holding stack.
TEST_F(Entry, WalkingThroughAnEraseLeavesTheHoldingStackAlone) {
  Put(1, 1, Piece(1, 1));
  Put(1, 2, Piece(1, 2));
  Hold({Piece(1, 3), 3, 5});
  prompter.Expect(Answer::Ok);
  doc.EraseRange({1, 1, 1, 2});
  while (doc.HistoryPos() > 1) doc.StepBack();
  EXPECT_EQ(doc.Cell(1, 1).Item, 1);
  EXPECT_EQ(doc.Cell(1, 2).Item, 2);
  EXPECT_TRUE(doc.Hand().Piece.IsEmpty());
  while (doc.HistoryPos() < doc.HistoryEnd()) doc.StepForward();
  EXPECT_TRUE(doc.Cell(1, 1).IsEmpty());
  EXPECT_TRUE(doc.Hand().Piece.IsEmpty());
  ASSERT_EQ(doc.HoldingCount(), 2);
  EXPECT_EQ(doc.Held(1).Piece.Item, 3);
}

}  // namespace
}  // namespace kumo::test
