// The italic test answers from an index of the applied steps: it must follow every change of
// the history, not only changes of its length.
#include "DocFixture.h"

namespace kumo::test {
namespace {

class AppliedSteps : public DocTest {
 protected:
  void SetUp() override {
    DocTest::SetUp();
    AddLines(3);
    Put(1, 4, Piece(1, 2));
  }
  void MoveAt(int line, int period) {
    doc.SetCursor(line, period);
    doc.MovePiece({});
  }
  // Lifts the piece at (line, period) into the hand and puts it down at (line, to).
  void Carry(int line, int period, int to) {
    MoveAt(line, period);
    MoveAt(line, to);
  }
};

TEST_F(AppliedSteps, FollowsStepsRecordedUndoneAndRecordedAnew) {
  Carry(1, 4, 9);
  EXPECT_TRUE(doc.InAppliedHistory(1, 9, 1, 2));
  EXPECT_FALSE(doc.InAppliedHistory(1, 4, 1, 2)) << "the lift left the cell empty";
  EXPECT_TRUE(doc.InAppliedHistory(1, 4, 0, 0));

  // A different step recorded in the place of an undone one: the history has its old length.
  doc.StepBack();
  MoveAt(1, 11);
  EXPECT_FALSE(doc.InAppliedHistory(1, 9, 1, 2));
  EXPECT_TRUE(doc.InAppliedHistory(1, 11, 1, 2));

  doc.StepBack();
  doc.StepForward();
  EXPECT_TRUE(doc.InAppliedHistory(1, 11, 1, 2));
}

TEST_F(AppliedSteps, FollowsLinesRenumberedAndDocumentsCleared) {
  Carry(1, 4, 9);
  doc.SetCursor(1, doc.CurPeriod());
  ASSERT_TRUE(doc.InsertLine(Line(1, 1)));
  EXPECT_TRUE(doc.InAppliedHistory(2, 9, 1, 2));
  EXPECT_FALSE(doc.InAppliedHistory(1, 9, 1, 2));

  // A history of the same length with other entries.
  const std::uint16_t pos = doc.HistoryPos();
  doc.Clear();
  AddLines(3);
  Put(3, 4, Piece(1, 2));
  Carry(3, 4, 9);
  ASSERT_EQ(doc.HistoryPos(), pos);
  EXPECT_FALSE(doc.InAppliedHistory(2, 9, 1, 2));
}

TEST_F(AppliedSteps, ManyStepsOnOneCellAndNoneOffTheTable) {
  for (int k = 0; k < 40; ++k) Carry(1, 4 + k % 2, 5 - k % 2);
  EXPECT_TRUE(doc.InAppliedHistory(1, 4, 1, 2));
  EXPECT_TRUE(doc.InAppliedHistory(1, 5, 1, 2));
  EXPECT_FALSE(doc.InAppliedHistory(0, 5, 1, 2));
  EXPECT_FALSE(doc.InAppliedHistory(1, 31, 1, 2));
}

}  // namespace
}  // namespace kumo::test
