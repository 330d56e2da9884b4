// The faster hand's rules on the document: the keys of a typed class, Delete's erase, the clash
// marks, and a drag as one lift and one put-down. The tints are tested with the other aids.
#include "DocFixture.h"
#include "document/ClashMarks.h"
#include "document/TypedClass.h"

namespace kumo::test {
namespace {

TEST(TypedClassKeys, GradeThenClassAsTheLabelsShowIt) {
  using enum TypedKey;
  const struct {
    const char* keys;
    bool letters;
    std::vector<TypedKey> outcomes;
    int grade, classNo;  // what the last key left
  } cases[] = {
      {"39", false, {Grade, Class}, 3, 9},
      {"2B", true, {Grade, Class}, 2, 2},
      {"1t", true, {Grade, Class}, 1, 20},
      {"1u", true, {Grade, Wrong}, 1, 0},           // past the twenty letters
      {"2b", false, {Grade, Wrong}, 2, 0},          // no letters while the labels are digits
      {"1x3", false, {Grade, Wrong, Class}, 1, 3},  // a wrong key keeps the grade
      {"4", false, {NotClass}, 0, 0},
      {"b", true, {NotClass}, 0, 0},  // no grade yet
      {"1234", false, {Grade, Class, Grade, Class}, 3, 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keys);
    TypedClass typed;
    std::vector<TypedKey> got;
    for (const char* k = c.keys; *k != 0; ++k) got.push_back(typed.Type(*k, c.letters));
    EXPECT_EQ(got, c.outcomes);
    EXPECT_EQ(typed.Grade, c.grade);
    EXPECT_EQ(typed.ClassNo, c.classNo);
  }
}

class HandRules : public DocTest {
 protected:
  void SetUp() override {
    DocTest::SetUp();
    FourTeachers();
  }
};

// Delete erases one cell without the question, a range over lines and periods after it; Back
// brings each piece back with its flags.
TEST_F(HandRules, EraseWithoutTheQuestionAndOverARange) {
  Put(1, 1, {KindGrade1, 1, 4, Team});
  Put(2, 3, Piece(KindSubject, 2));
  Put(3, 2, Piece(1, 3));
  doc.SetCursor(1, 1);
  ASSERT_TRUE(doc.EraseRange({1, 1, 1, 1}, false));
  EXPECT_TRUE(prompter.Boxes().empty());
  EXPECT_EQ(doc.HistoryPos(), 2);
  prompter.Expect(Answer::Ok);
  ASSERT_TRUE(doc.EraseRange({1, 3, 1, 3}));
  for (int n = 1; n <= 3; ++n) {
    for (int p = 1; p <= 3; ++p) EXPECT_TRUE(doc.Cell(n, p).IsEmpty()) << n << "," << p;
  }
  while (doc.HistoryPos() > 1) ASSERT_TRUE(doc.StepBack());
  EXPECT_EQ(doc.Cell(1, 1), (PeriodCell{KindGrade1, 1, 4, Team}));
  EXPECT_EQ(doc.Cell(3, 2), Piece(1, 3));
}

TEST_F(HandRules, ClashMarksFollowEveryClassTaughtTwiceInAPeriod) {
  for (int n : {1, 2}) Put(n, 1, Piece(1, 1));
  Put(3, 1, Piece(1, 2));
  Put(1, 2, Piece(1, 3));
  Put(4, 2, Piece(2, 3));                                 // another grade
  for (int n : {1, 2}) Put(n, 3, Piece(KindSubject, 3));  // subjects are no classes
  for (int n : {1, 2, 3}) Put(n, 6, Piece(3, 1));         // three lines
  const ClashMarks marks = ClashMarks::Find(doc);
  for (int n = 1; n <= 4; ++n) {
    for (int p = 1; p <= PeriodCount; ++p) {
      EXPECT_EQ(marks.At(n, p), (p == 1 && n <= 2) || (p == 6 && n <= 3)) << n << "," << p;
    }
  }
}

// A drag is the lift where it starts and the put-down where it ends; dropped on another piece it
// exchanges, and the other piece is carried on.
TEST_F(HandRules, ADragIsOneLiftAndOnePutDown) {
  Put(1, 1, Piece(1, 1));
  Put(1, 3, Piece(1, 2));
  MoveAt(1, 1);
  MoveAt(1, 3);
  EXPECT_EQ(doc.HistoryPos(), 3);
  EXPECT_EQ(doc.History(2).Cell, Piece(1, 1));
  EXPECT_EQ(doc.Hand().Piece, Piece(1, 2));
  ASSERT_TRUE(doc.StepBack());
  ASSERT_TRUE(doc.StepBack());
  EXPECT_EQ(doc.Cell(1, 1), Piece(1, 1));
  EXPECT_EQ(doc.Cell(1, 3), Piece(1, 2));
}

}  // namespace
}  // namespace kumo::test
