// The timetabler's aids without windows: where the class in hand can go, the checks, the hours
// and the refusals told with the notices.
#include <algorithm>
#include <set>

#include "DocFixture.h"
#include "document/Checks.h"
#include "document/HandPlaces.h"
#include "document/Hours.h"

namespace kumo::test {
namespace {

constexpr Byte Math = 3;
constexpr Byte English = 5;
constexpr Byte Moral = 14;
constexpr MoveChoices StayPut{.Checks = false, .FollowClash = false, .ReturnHeld = false};

// The piece move at a cell, for the cases of the tables.
void Move(TKumData& doc, int line, int period, MoveChoices choices = {}) {
  doc.SetCursor(line, period);
  doc.MovePiece(choices);
}

// Three grade-1 homeroom teachers T1..T3 (classes 1-1..1-3) and a grade-2 one, T4; the class
// index kept by the notices.
class Aids : public DocTest {
 protected:
  void SetUp() override {
    DocTest::SetUp();
    School();
  }
  void School() {
    doc.Clear();
    for (Byte c = 1; c <= 3; ++c) doc.AddLine(Line(1, c, "", Math));
    doc.AddLine(Line(2, 1, "", English));
  }
  // After cells were written directly.
  void Renew() { doc.NotifyAllChanged(); }
  std::vector<CheckItem> Checks(CheckKind kind) {
    std::vector<CheckItem> found = FindChecks(doc, classes);
    std::erase_if(found, [kind](const CheckItem& item) { return item.Kind != kind; });
    return found;
  }

  TClassLines classes{doc};
};

struct TintCase {
  int period;
  PlaceTint tint;
  const char* what;
};

// The tints of line 1, the hand's, and none on another line.
void ExpectTints(const HandPlaces& places, std::initializer_list<TintCase> cases) {
  ASSERT_EQ(places.Line, 1);
  for (const TintCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(places.At(1, c.period), c.tint) << "period " << c.period;
    EXPECT_EQ(places.At(2, c.period), PlaceTint::None) << "another line";
  }
}

// T1 carries 1-1 from period 1 along its line.
TEST_F(Aids, TheHandsLineIsTintedByWhatPuttingTheClassThereWouldDo) {
  Put(1, 1, Piece(1, 1));
  Put(2, 3, {1, 1, English, 0});  // T2 teaches 1-1 in period 3, not 数
  Put(1, 3, Piece(1, 2));
  Put(1, 4, Piece(1, 3));  // 1-3 would go back to period 1, where T3 has it
  Put(3, 1, Piece(1, 3));
  Put(1, 5, Piece(1, 2));  // 1-2 is free in period 1
  Put(1, 6, Piece(1, 2, Locked));
  Put(1, 7, Piece(KindSubject, Moral));  // T4, 2-1's homeroom teacher, has 道徳 in period 1
  Put(4, 1, Piece(KindSubject, Moral));
  Put(1, 8, Piece(2, 1));
  Renew();
  ASSERT_EQ(FindHandPlaces(doc, classes).Line, 0) << "nothing in hand";
  MoveAt(1, 1);

  ExpectTints(
      FindHandPlaces(doc, classes),
      {
          {1, PlaceTint::Good, "back where it came from"},
          {2, PlaceTint::Good, "an empty period"},
          {3, PlaceTint::Clash, "T2 teaches 1-1 then"},
          {4, PlaceTint::Careful, "the displaced 1-3 clashes with T3 in period 1"},
          {5, PlaceTint::Good, "an exchange with 1-2, free in period 1"},
          {6, PlaceTint::None, "locked: stays grey"},
          {7, PlaceTint::Careful, "the displaced 道徳 is in T4's period 1"},
          {8, PlaceTint::Careful, "the displaced 2-1 has 道徳 with its homeroom teacher then"},
      });
}

// T1 carries its 数 with 1-1 from Friday's first period; Monday (periods 1..6) holds 1-1's
// lessons of other teachers.
TEST_F(Aids, TintsWarnOfTheSameSubjectTwiceADayAndMarkSymbols) {
  Put(1, 25, Piece(1, 1, Continuous));
  Put(2, 2, Piece(1, 1, Continuous));      // 1-1 has 数 with T2 on Monday 2
  Put(3, 5, {KindGrade1, 1, English, 0});  // and 英 with T3 on Monday 5
  Put(1, 4, Piece(KindSymbol, 1));
  Put(1, 10, Piece(KindSymbol, 2, Locked));
  Put(2, 14, {KindGrade1, 1, English, 0});  // 数 teacher T2, but an 英 lesson on Tuesday 2
  Renew();
  MoveAt(1, 25, StayPut);
  ExpectTints(FindHandPlaces(doc, classes),
              {
                  {1, PlaceTint::Good, "next to Monday 2's 数: a continuous pair"},
                  {3, PlaceTint::Good, "next to it on the other side"},
                  {6, PlaceTint::Careful, "数 twice on Monday, apart"},
                  {2, PlaceTint::Clash, "T2 teaches 1-1 then"},
                  {4, PlaceTint::Symbol, "a symbol blocks the period"},
                  {10, PlaceTint::None, "a locked symbol stays grey"},
                  {13, PlaceTint::Good, "the lesson's own subject counts: 英 on Tuesday"},
                  {26, PlaceTint::Good, "the hand's own day is free of 数 again"},
              });
  // A lesson with its own subject is judged by that subject; side by side, only a continuous
  // pair is one lesson.
  HeldPiece hand = doc.Hand();
  hand.Piece.LessonSubject = English;
  InHand(hand);
  ExpectTints(FindHandPlaces(doc, classes),
              {
                  {6, PlaceTint::Careful, "next to Monday 5's 英, no pair"},
                  {1, PlaceTint::Careful, "英 on Monday 5, apart"},
                  {4, PlaceTint::Symbol, "the symbol still"},
              });
}

// Whatever the tint says, the move does: a clash beeps at once, a careful place beeps when the
// displaced piece goes back to where the hand came from.
TEST_F(Aids, EveryTintForetellsTheMove) {
  for (int n = 1; n <= 4; ++n) {
    for (int p = 1; p <= 8; ++p) {
      const int k = (n * 7 + p * 3) % 5;
      // Each lesson of a subject of its own, so that no subject falls twice on a day.
      if (k < 3) Put(n, p, {1, static_cast<Byte>(k + 1), static_cast<Byte>(20 + n * 8 + p), 0});
      // Subject pieces where the move, which knows no homerooms, judges them as the tints do:
      // in the hand's line and in 2-1's homeroom line.
      if (k == 3 && (n == 1 || n == 4)) Put(n, p, Piece(KindSubject, Moral));
    }
  }
  Renew();
  std::set<PlaceTint> seen;
  for (int from = 1; from <= 8; ++from) {
    if (!doc.Cell(1, from).IsClass()) continue;
    MoveAt(1, from, StayPut);
    const HandPlaces places = FindHandPlaces(doc, classes);
    for (int p = 1; p <= 8; ++p) {
      SCOPED_TRACE(testing::Message() << "from " << from << " to " << p);
      const std::uint16_t start = doc.HistoryPos();
      prompter.Reset();
      MoveAt(1, p, StayPut);
      const int atPlace = prompter.Beeps();
      if (!doc.Hand().Piece.IsEmpty() && p != from) MoveAt(1, from, StayPut);
      const int atOrigin = prompter.Beeps() - atPlace;
      const PlaceTint expected = atPlace > 0    ? PlaceTint::Clash
                                 : atOrigin > 0 ? PlaceTint::Careful
                                                : PlaceTint::Good;
      EXPECT_EQ(places.At(1, p), expected);
      seen.insert(expected);
      while (doc.HistoryPos() > start) doc.StepBack();
    }
    MoveAt(1, from, StayPut);
  }
  EXPECT_EQ(seen.size(), 3u) << "every tint foretold";
}

TEST_F(Aids, EachCheckIsFoundAndClearedByTheMoveThatFixesIt) {
  const struct {
    const char* what;
    CheckKind kind;
    void (*plant)(TKumData&);
    int line, period;  // where the check leads
    void (*fix)(TKumData&);
  } cases[] = {
      {"1-2 taught by T1 and T2 in period 3", CheckKind::Clash,
       [](TKumData& d) {
         Put(d, 1, 3, Piece(1, 2));
         Put(d, 2, 3, Piece(1, 2));
       },
       1, 3, [](TKumData& d) { Move(d, 2, 3), Move(d, 2, 5); }},
      {"1-1 has 数 in periods 1 and 4", CheckKind::SameSubject,
       [](TKumData& d) {
         Put(d, 2, 1, Piece(1, 1));
         Put(d, 3, 4, Piece(1, 1));
       },
       3, 4, [](TKumData& d) { Move(d, 3, 4), Move(d, 3, 8); }},
      {"a continuous 1-3 split over periods 2 and 4", CheckKind::SplitContinuous,
       [](TKumData& d) {
         Put(d, 4, 2, Piece(1, 3, Continuous));
         Put(d, 4, 4, Piece(1, 3, Continuous));
       },
       4, 2, [](TKumData& d) { Move(d, 4, 4, StayPut), Move(d, 4, 3, StayPut); }},
      {"1-1 in hand", CheckKind::Unplaced, [](TKumData& d) { Put(d, 1, 6, Piece(1, 1)); }, 1, 6,
       [](TKumData& d) { Move(d, 1, 6); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    School();
    c.plant(doc);
    Renew();
    if (c.kind == CheckKind::Unplaced) MoveAt(c.line, c.period);
    const std::vector<CheckItem> found = Checks(c.kind);
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found[0].Line, c.line);
    EXPECT_EQ(found[0].Period, c.period);
    c.fix(doc);
    EXPECT_TRUE(Checks(c.kind).empty());
  }
}

TEST_F(Aids, AContinuousPairSideBySideIsNotTheSameSubjectTwice) {
  Put(2, 1, Piece(1, 1, Continuous));
  Put(2, 2, Piece(1, 1, Continuous));
  Put(3, 3, Piece(1, 1));
  Renew();
  EXPECT_TRUE(Checks(CheckKind::SplitContinuous).empty());
  const std::vector<CheckItem> twice = Checks(CheckKind::SameSubject);
  ASSERT_EQ(twice.size(), 1u) << "the third 数 of the day still counts";
  EXPECT_EQ(twice[0].Period, 3);
}

TEST_F(Aids, EmptyClassPeriodsAreTheWeekLessLessonsAndHomeroomPieces) {
  for (int p = 1; p <= PeriodCount; ++p) {
    for (Byte c = 1; c <= 3; ++c) Put(c, p, Piece(1, c));
    Put(4, p, Piece(2, 1));
  }
  Put(2, 9, {});                          // 1-2 has nothing then
  Put(3, 10, Piece(KindSubject, Moral));  // 1-3's own teacher holds 道徳
  Renew();
  const std::vector<CheckItem> empty = Checks(CheckKind::EmptyPeriod);
  ASSERT_EQ(empty.size(), 1u);
  EXPECT_EQ(empty[0].Line, 2);
  EXPECT_EQ(empty[0].Period, 9);
}

TEST_F(Aids, HoursMarkTheClassThatStandsOutInItsGrade) {
  doc.AddLine(Line(2, 2, "", English));
  // 数 by T1: four lessons for 1-1 and 1-2, three for 1-3. 英 by T4: 2-1 twice, 2-2 three times.
  for (int p : {1, 2, 3, 4}) Put(1, p, Piece(1, 1));
  for (int p : {5, 6, 7, 8}) Put(1, p, Piece(1, 2));
  for (int p : {9, 10, 11}) Put(1, p, Piece(1, 3));
  for (int p : {1, 2}) Put(4, p, Piece(2, 1));
  for (int p : {3, 4, 5}) Put(4, p, Piece(2, 2));
  Put(3, 20, Piece(KindSubject, Moral));  // 1-3's 道徳, by its homeroom teacher
  Renew();
  const ClassHours hours = CountClassHours(doc, classes);
  ASSERT_EQ(hours.Subjects, (std::vector<int>{Math, English, Moral}));
  const struct {
    std::vector<int> counts, off;
    int total;
  } rows[] = {
      {{4, 0, 0}, {0, 0, 0}, 4},  {{4, 0, 0}, {0, 0, 0}, 4},
      {{3, 0, 1}, {-1, 0, 1}, 4},  // one 数 missing, a 道徳 the others lack
      {{0, 2, 0}, {0, 0, 0}, 2},  {{0, 3, 0}, {0, 0, 0}, 3},  // 2 against 3: no mark
  };
  ASSERT_EQ(hours.Rows.size(), std::size(rows));
  for (std::size_t k = 0; k < std::size(rows); ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(hours.Rows[k].Counts, rows[k].counts);
    EXPECT_EQ(hours.Rows[k].Off, rows[k].off);
    EXPECT_EQ(hours.Rows[k].Total, rows[k].total);
  }
  const std::vector<LineHoursRow> lines = CountLineHours(doc);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0].Days, (std::array<int, DayCount>{6, 5, 0, 0, 0}));
  EXPECT_EQ(lines[0].Week, 11);
  EXPECT_EQ(lines[2].Week, 0) << "an uncounted subject piece is no lesson hour";
}

// The notice of each refused or clashing step says what it was.
class RefusalNotices : public Aids, public DocumentObserver {
 protected:
  RefusalNotices() : DocumentObserver(doc) {}
  void DocumentChanged(const DocumentChange& change) override { last = change.Refused; }
  Refusal last;
};

TEST_F(RefusalNotices, EachBeepTellsItsReason) {
  Put(1, 1, Piece(1, 2));
  Put(2, 2, Piece(1, 2));
  Put(1, 5, Piece(1, 3, Locked));
  Renew();
  const struct {
    const char* what;
    void (*act)(TKumData&, ScriptedPrompter&);
    Refusal expected;
  } cases[] = {
      {"Back at the start",
       [](TKumData& d, ScriptedPrompter&) { d.StepBack(); },
       {RefusalKind::NothingBack}},
      {"a locked piece",
       [](TKumData& d, ScriptedPrompter& p) {
         p.Expect(Answer::Ok);
         Move(d, 1, 5);
       },
       {RefusalKind::Locked, Piece(1, 3, Locked), 1, 5}},
      {"1-2 put down where T2 has it",
       [](TKumData& d, ScriptedPrompter&) {
         Move(d, 1, 1);
         Move(d, 1, 2, StayPut);
       },
       {RefusalKind::Clash, Piece(1, 2), 1, 2, 2}},
      {"Forward at the end",
       [](TKumData& d, ScriptedPrompter&) { d.StepForward(); },
       {RefusalKind::NothingForward}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const int beeps = prompter.Beeps();
    c.act(doc, prompter);
    EXPECT_GT(prompter.Beeps(), beeps);
    EXPECT_EQ(last.Kind, c.expected.Kind);
    EXPECT_EQ(last.Piece, c.expected.Piece);
    EXPECT_EQ(last.Line, c.expected.Line);
    EXPECT_EQ(last.Period, c.expected.Period);
    EXPECT_EQ(last.OtherLine, c.expected.OtherLine);
    last = {};
  }
  // The words name the class, both teachers and the period.
  EditLine(1, [&](TeacherLine& l) { l.Name.Assign(Cp932Literal("田中")); });
  EditLine(2, [&](TeacherLine& l) { l.Name.Assign(Cp932Literal("山田")); });
  const std::string said = DescribeRefusal(doc, {RefusalKind::Clash, Piece(1, 2), 1, 2, 2});
  for (const char* part : {"１－２", "田中", "山田", "月２"}) {
    EXPECT_NE(said.find(part), std::string::npos) << part;
  }
}

}  // namespace
}  // namespace kumo::test
