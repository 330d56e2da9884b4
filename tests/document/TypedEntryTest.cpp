// Entering by typing: the keys of a class, and Delete's erase of one cell without the question.
#include "DocFixture.h"
#include "document/TypedClass.h"

namespace kumo::test {
namespace {

struct TypedCase {
  const char* keys;
  bool letters;
  std::vector<TypedKey> outcomes;
  int grade;  // what the last key left
  int classNo;
};

TEST(TypedClassKeys, GradeThenClassAsTheLabelsShowIt) {
  using enum TypedKey;
  const TypedCase cases[] = {
      {"12", false, {Grade, Class}, 1, 2},
      {"39", false, {Grade, Class}, 3, 9},
      {"2b", true, {Grade, Class}, 2, 2},
      {"2B", true, {Grade, Class}, 2, 2},
      {"1t", true, {Grade, Class}, 1, 20},
      {"1u", true, {Grade, Wrong}, 1, 0},   // past the twenty letters
      {"2b", false, {Grade, Wrong}, 2, 0},  // no letters while the labels are digits
      {"10", false, {Grade, Wrong}, 1, 0},
      {"1x3", false, {Grade, Wrong, Class}, 1, 3},  // a wrong key keeps the grade
      {"4", false, {NotClass}, 0, 0},
      {"b", true, {NotClass}, 0, 0},  // no grade yet
      {"1234", false, {Grade, Class, Grade, Class}, 3, 4},
  };
  for (const TypedCase& c : cases) {
    SCOPED_TRACE(c.keys);
    TypedClass typed;
    std::vector<TypedKey> got;
    for (const char* k = c.keys; *k != 0; ++k) got.push_back(typed.Type(*k, c.letters));
    EXPECT_EQ(got, c.outcomes);
    EXPECT_EQ(typed.Grade, c.grade);
    EXPECT_EQ(typed.ClassNo, c.classNo);
  }
}

class TypedEntry : public DocTest {
 protected:
  void SetUp() override {
    DocTest::SetUp();
    FourTeachers();
    doc.Modified = false;
  }
};

// Delete on one cell erases it at once, a locked one and a range only after the question, and
// Back brings the piece back with its flags.
TEST_F(TypedEntry, EraseWithoutTheQuestionIsOneStepBack) {
  doc.Cell(1, 1) = {KindGrade1, 1, 4, Team};
  doc.SetCursor(1, 1);
  ASSERT_TRUE(doc.EraseRange({1, 1, 1, 1}, false));
  EXPECT_TRUE(prompter.Boxes().empty());
  EXPECT_EQ(doc.Cell(1, 1), PeriodCell{});
  EXPECT_EQ(doc.HistoryPos, 2);
  EXPECT_TRUE(doc.Modified);
  ASSERT_TRUE(doc.StepBack());
  EXPECT_EQ(doc.Cell(1, 1), (PeriodCell{KindGrade1, 1, 4, Team}));

  // A range over lines and periods takes every piece, one step each.
  doc.Cell(2, 3) = Piece(KindSubject, 2);
  doc.Cell(3, 2) = Piece(1, 3);
  prompter.Expect(Answer::Ok);
  ASSERT_TRUE(doc.EraseRange({1, 3, 1, 3}));
  EXPECT_EQ(prompter.Boxes().size(), 1u);
  for (int n = 1; n <= 3; ++n) {
    for (int p = 1; p <= 3; ++p) EXPECT_TRUE(doc.Cell(n, p).IsEmpty()) << n << "," << p;
  }
  EXPECT_EQ(doc.HistoryPos, 4);
}

}  // namespace
}  // namespace kumo::test
