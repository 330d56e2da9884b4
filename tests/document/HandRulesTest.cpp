// The faster hand's rules on the document: the clash marks, and a drag as one lift and one
// put-down. The tints are tested with the other aids.
#include "DocFixture.h"
#include "document/ClashMarks.h"

namespace kumo::test {
namespace {

constexpr Byte Math = 3;

class HandRules : public DocTest {
 protected:
  void SetUp() override {
    DocTest::SetUp();
    FourTeachers();
  }
  void Renew() { doc.NotifyAllChanged(); }
  TClassLines classes{doc};
};

TEST_F(HandRules, ClashMarksFollowEveryClassTaughtTwiceInAPeriod) {
  doc.Cell(1, 1) = Piece(1, 1);
  doc.Cell(2, 1) = Piece(1, 1);
  doc.Cell(3, 1) = Piece(1, 2);
  doc.Cell(1, 2) = Piece(1, 3);
  doc.Cell(4, 2) = Piece(2, 3);  // the same number in another grade is another class
  doc.Cell(1, 3) = Piece(KindSubject, Math);
  doc.Cell(2, 3) = Piece(KindSubject, Math);  // subjects are no classes
  ClashMarks marks = ClashMarks::Find(doc);
  for (int n = 1; n <= 4; ++n) {
    for (int p = 1; p <= PeriodCount; ++p) {
      EXPECT_EQ(marks.At(n, p), p == 1 && n <= 2) << n << "," << p;
    }
  }
  // Moved away, the mark goes from both lines.
  MoveAt(2, 1);
  MoveAt(2, 5);
  EXPECT_EQ(ClashMarks::Find(doc), ClashMarks{});
  // Three lines with one class are all marked.
  doc.Cell(1, 6) = doc.Cell(2, 6) = doc.Cell(3, 6) = Piece(3, 1);
  marks = ClashMarks::Find(doc);
  EXPECT_TRUE(marks.At(1, 6) && marks.At(2, 6) && marks.At(3, 6));
  EXPECT_FALSE(marks.At(4, 6));
}

// A drag is the lift where it starts and the put-down where it ends: two steps, each Back
// undoes one; dropped on another piece it exchanges, and the other piece is carried on.
TEST_F(HandRules, ADragIsOneLiftAndOnePutDown) {
  doc.Cell(1, 1) = Piece(1, 1);
  doc.Cell(1, 3) = Piece(1, 2);
  Renew();
  MoveAt(1, 1);
  MoveAt(1, 2);
  ASSERT_EQ(doc.HistoryPos, 3);
  EXPECT_EQ(doc.History[1].Hand, Piece(1, 1));
  EXPECT_EQ(doc.History[2].Cell, Piece(1, 1));
  EXPECT_TRUE(doc.Hand.Piece.IsEmpty());
  MoveAt(1, 2);
  MoveAt(1, 3);
  EXPECT_EQ(doc.Cell(1, 3), Piece(1, 1));
  EXPECT_EQ(doc.Hand.Piece, Piece(1, 2));
  EXPECT_EQ(doc.HistoryPos, 5);
  while (doc.HistoryPos > 1) ASSERT_TRUE(doc.StepBack());
  EXPECT_EQ(doc.Cell(1, 1), Piece(1, 1));
  EXPECT_EQ(doc.Cell(1, 3), Piece(1, 2));
  EXPECT_TRUE(doc.Hand.Piece.IsEmpty());
}

}  // namespace
}  // namespace kumo::test
