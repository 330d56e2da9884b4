// The faster hand's rules on the document: the tints that know the subject of the day and the
// symbols, the clash marks, and a drag as one lift and one put-down.
#include "DocFixture.h"
#include "document/ClashMarks.h"
#include "document/HandPlaces.h"

namespace kumo::test {
namespace {

constexpr Byte Math = 3;
constexpr Byte English = 5;

class HandRules : public DocTest {
 protected:
  // T1, T2 teach 数; T3 teaches 英; T4 is 2-1's homeroom teacher.
  void SetUp() override {
    DocTest::SetUp();
    doc.AddLine(Line(1, 1, "", Math));
    doc.AddLine(Line(1, 2, "", Math));
    doc.AddLine(Line(1, 3, "", English));
    doc.AddLine(Line(2, 1, "", English));
  }
  void Renew() { doc.NotifyAllChanged(); }
  TClassLines classes{doc};
};

// T1 carries its 数 with 1-1 from Friday's first period; Monday (periods 1..6) holds 1-1's
// lessons of other teachers.
TEST_F(HandRules, TintsWarnOfTheSameSubjectTwiceADayAndMarkSymbols) {
  doc.Cell(1, 25) = Piece(1, 1);
  doc.Cell(2, 2) = Piece(1, 1);  // 1-1 has 数 with T2 on Monday 2
  doc.Cell(3, 5) = Piece(1, 1);  // and 英 with T3 on Monday 5
  doc.Cell(1, 4) = Piece(KindSymbol, 1);
  doc.Cell(1, 10) = Piece(KindSymbol, 2, Locked);
  doc.Cell(2, 14) = {KindGrade1, 1, English, 0};  // 数 teacher T2, but an 英 lesson on Tuesday 2
  Renew();
  MoveAt(1, 25);
  const HandPlaces places = FindHandPlaces(doc, classes);
  ASSERT_EQ(places.Line, 1);
  const struct {
    int period;
    PlaceTint tint;
    const char* what;
  } cases[] = {
      {1, PlaceTint::Good, "next to Monday 2's 数: one continuous lesson"},
      {3, PlaceTint::Good, "next to it on the other side"},
      {6, PlaceTint::Careful, "数 twice on Monday, apart"},
      {2, PlaceTint::Clash, "T2 teaches 1-1 then"},
      {4, PlaceTint::Symbol, "a symbol blocks the period"},
      {10, PlaceTint::None, "a locked symbol stays grey"},
      {13, PlaceTint::Good, "the lesson's own subject counts: 英 on Tuesday"},
      {15, PlaceTint::Good, "next to Tuesday's 英"},
      {26, PlaceTint::Good, "the hand's own day is free of 数 again"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(places.At(1, c.period), c.tint) << "period " << c.period;
  }
  // A lesson with its own subject is judged by that subject.
  doc.Hand.Piece.LessonSubject = English;
  const HandPlaces english = FindHandPlaces(doc, classes);
  EXPECT_EQ(english.At(1, 6), PlaceTint::Good);
  EXPECT_EQ(english.At(1, 1), PlaceTint::Careful);  // 英 on Monday 5, apart
  EXPECT_EQ(english.At(1, 4), PlaceTint::Symbol);
}

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
