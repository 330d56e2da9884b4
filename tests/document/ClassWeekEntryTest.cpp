// A class's own week entered teacher by teacher: the lines offered, the number that settles the
// choice, and the class entry at a teacher's line.
#include <tuple>

#include "DocFixture.h"
#include "document/TeacherChoice.h"

namespace kumo::test {
namespace {

class ClassWeekEntry : public DocTest, public DocumentObserver {
 protected:
  ClassWeekEntry() : DocumentObserver(doc) {}
  void SetUp() override {
    DocTest::SetUp();
    FourTeachers();  // 1-1, 1-2, 1-3 and 2-1
    notices = 0;
  }
  void DocumentChanged(const DocumentChange& change) override {
    ++notices;
    refused = change.Refused.Kind;
  }
  int notices = 0;
  RefusalKind refused = RefusalKind::None;
};

TEST(TeacherChoice, ANumberSettlesTheChoiceOnlyWhenNoLongerNumberBeginsWithIt) {
  const std::tuple<const char*, int, std::optional<int>> cases[] = {
      {"3", 10, 3},   {"1", 10, {}},  {"10", 10, 10},    {"1", 9, 1},       {"11", 10, {}},
      {"0", 10, {}},  {"05", 10, {}}, {"", 10, {}},      {"4", 40, {}},     {"25", 25, 25},
      {"3a", 40, {}}, {"7", 0, {}},   {"9999", 100, {}}, {"100", 100, 100},
  };
  for (const auto& [digits, lines, meant] : cases) {
    EXPECT_EQ(LineMeant(digits, lines), meant) << digits << " of " << lines;
  }
  EXPECT_TRUE(NumberBegins(12, "1"));
  EXPECT_FALSE(NumberBegins(21, "1"));
}

TEST_F(ClassWeekEntry, TheFreeTeachersAreOfferedFirst) {
  Put(1, 4, Piece(KindGrade1, 2));
  Put(3, 4, Piece(KindSymbol, 1));
  EXPECT_EQ(OfferedLines(doc, 4), (std::vector<int>{2, 4, 1, 3}));
}

// One notice and one step each, the clash told as the palette tells it; Back empties the week.
TEST_F(ClassWeekEntry, AWeekGoesInPeriodByPeriodAndWalksBackToNothing) {
  for (int p = 1; p <= PeriodCount; ++p) {
    ASSERT_TRUE(doc.EnterClassAt(p % 4 + 1, p, 1, 1, true)) << p;
    EXPECT_EQ(doc.Cell(p % 4 + 1, p), Piece(KindGrade1, 1));
    EXPECT_EQ(doc.CurLine(), p % 4 + 1);
  }
  EXPECT_EQ(notices, PeriodCount);
  EXPECT_EQ(doc.HistoryPos(), PeriodCount + 1);
  Put(4, 30, Piece(KindGrade1, 1));
  ASSERT_TRUE(doc.EnterClassAt(2, 30, 1, 1, true));
  EXPECT_EQ(refused, RefusalKind::Clash);
  EXPECT_NE(doc.CurLine(), 2);  // followed to a clashing line
  Put(4, 30, {});
  while (doc.StepBack()) {
  }
  for (int n = 1; n <= 4; ++n) {
    for (int p = 1; p <= PeriodCount; ++p) EXPECT_TRUE(doc.Cell(n, p).IsEmpty());
  }
}

TEST_F(ClassWeekEntry, ABusyTeacherOrACarriedPieceRefusesAndTheSameClassAgainIsNoStep) {
  Put(2, 8, Piece(KindGrade1, 3, Locked));
  EXPECT_FALSE(doc.EnterClassAt(2, 8, 1, 1, true));
  EXPECT_EQ(refused, RefusalKind::TeacherBusy);
  EXPECT_EQ(doc.CurLine(), 2);  // the refusing cell is where the edit table shows it
  EXPECT_TRUE(doc.EnterClassAt(2, 8, 1, 3, true));
  Put(4, 9, Piece(KindSymbol, 1));
  EXPECT_FALSE(doc.EnterClassAt(4, 9, 1, 1, true));  // the teacher's × stays
  EXPECT_EQ(refused, RefusalKind::Occupied);
  EXPECT_FALSE(doc.EnterClassAt(5, 9, 1, 1, true));  // no such line
  EXPECT_EQ(doc.HistoryEnd(), 1);
  EXPECT_EQ(prompter.Beeps(), 2);

  Put(1, 1, Piece(KindGrade1, 1));
  ASSERT_TRUE(MoveAt(1, 1));
  EXPECT_FALSE(doc.EnterClassAt(2, 5, 1, 2, true));
  EXPECT_EQ(refused, RefusalKind::HandBusy);
  EXPECT_EQ(doc.CurLine(), 1);
  EXPECT_TRUE(doc.Cell(2, 5).IsEmpty());
}

}  // namespace
}  // namespace kumo::test
