// The sample school the build makes: a file the program takes as it is, and a week a school
// could hand out, with every class taught once in each of its periods and nothing clashing.
#include <map>
#include <set>

#include "DocFixture.h"
#include "document/ClassWeek.h"

namespace kumo::test {
namespace {

TEST(SampleSchool, IsAValidFileWithAFullWeekAndNoClash) {
  Options options;
  ScriptedPrompter prompter;  // any box the load shows fails the test
  TKumData doc(options, prompter);
  ASSERT_TRUE(doc.Open(KUMO_SAMPLE_FILE));
  EXPECT_TRUE(prompter.Boxes().empty());
  EXPECT_GE(doc.LineCount(), 30);

  TClassLines classes(doc);
  classes.BuildClassList();
  classes.UpdateAllClasses();
  ASSERT_EQ(classes.EntryCount, 15);
  std::map<std::pair<int, int>, int> subjectsOfDay;  // (class entry, day * 100 + subject)
  for (int e = 1; e <= classes.EntryCount; ++e) {
    int taught = 0;
    for (int p = 1; p <= PeriodCount; ++p) {
      const ClassPeriod at = ClassSubjectAt(doc, classes.Entries[e], p);
      taught += at.Found() ? 1 : 0;
      if (at.Counted()) ++subjectsOfDay[{e, DayOf(p) * 100 + at.Subject}];
    }
    EXPECT_EQ(taught, 29) << "entry " << e;
  }
  for (const auto& [key, count] : subjectsOfDay) EXPECT_EQ(count, 1) << "a subject twice a day";

  bool locked = false;
  for (int n = 1; n <= doc.LineCount(); ++n) {
    for (int p = 1; p <= PeriodCount; ++p) {
      locked = locked || doc.Cell(n, p).Has(Locked);
      if (!doc.Cell(n, p).IsClass()) continue;
      doc.SetCursor(n, p);
      EXPECT_FALSE(doc.FindCellClash()) << "line " << n << " period " << p;
    }
  }
  EXPECT_TRUE(locked);
}

}  // namespace
}  // namespace kumo::test
