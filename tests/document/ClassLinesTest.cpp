#include "DocFixture.h"

namespace kumo::test {
namespace {

class ClassIndex : public DocTest {
 protected:
  TClassLines classes{doc};
};

TEST_F(ClassIndex, OneEntryPerClassUpToTheLargestHomeroom) {
  doc.AddLine(Line(1, 1));
  doc.AddLine(Line(1, 3));
  doc.AddLine(Line(2, 2));
  doc.AddLine(Line(0, 5));
  classes.BuildClassList();
  ASSERT_EQ(classes.EntryCount, 5);
  const int expected[5][2] = {{1, 1}, {1, 2}, {1, 3}, {2, 1}, {2, 2}};
  for (int k = 1; k <= 5; ++k) {
    EXPECT_EQ(classes.Entries[k].Grade, expected[k - 1][0]);
    EXPECT_EQ(classes.Entries[k].ClassNo, expected[k - 1][1]);
  }
  EXPECT_EQ(classes.FindClass(1, 3), 3);
  EXPECT_EQ(classes.FindClass(2, 2), 5);
  EXPECT_EQ(classes.FindClass(3, 1), 0);
  EXPECT_EQ(classes.FindClass(2, 3), 0);
}

TEST_F(ClassIndex, UpdateFindsTheHomeroomAndTheUpperTeachingLine) {
  doc.AddLine(Line(1, 1));
  doc.AddLine(Line(1, 3));
  doc.AddLine(Line(0, 0));
  doc.AddLine(Line(1, 3));  // a second homeroom teacher of 1-3: the first one counts
  Put(3, 4, Piece(KindGrade1, 2));
  Put(4, 4, Piece(KindGrade1, 2));
  Put(4, 5, Piece(KindGrade1, 2));
  Put(2, 4, Piece(KindGrade2, 2));   // another grade's class 2
  Put(1, 5, Piece(KindSubject, 2));  // subject 2, not a class
  classes.BuildClassList();
  classes.UpdateAllClasses();
  const ClassEntry& c12 = classes.Entries[classes.FindClass(1, 2)];
  EXPECT_EQ(c12.HomeroomLine, 0);
  EXPECT_EQ(c12.PeriodLines[4], 3);
  EXPECT_EQ(c12.PeriodLines[5], 4);
  EXPECT_EQ(c12.PeriodLines[1], 0);
  EXPECT_EQ(classes.Entries[classes.FindClass(1, 3)].HomeroomLine, 2);
}

TEST_F(ClassIndex, ClearEmptiesEverything) {
  doc.AddLine(Line(3, 2));
  classes.BuildClassList();
  classes.VisibleCount = 2;
  classes.VisibleEntries[1] = 1;
  classes.Clear();
  EXPECT_EQ(classes.EntryCount, 0);
  EXPECT_EQ(classes.VisibleCount, 0);
  EXPECT_EQ(classes.VisibleEntries[1], 0);
  EXPECT_EQ(classes.Entries[1].Grade, 0);
  for (int g = 1; g <= 3; ++g) {
    for (int c = 0; c <= 20; ++c) EXPECT_EQ(classes.FindClass(g, c), 0);
  }
}

TEST_F(ClassIndex, HomeroomsPastTheLabelsMakeNoMoreThanTwentyEntriesAGrade) {
  for (Byte g = 1; g <= 3; ++g) doc.AddLine(Line(g, 200));
  classes.BuildClassList();
  EXPECT_EQ(classes.EntryCount, 60);
  EXPECT_EQ(classes.Entries[60].Grade, 3);
  EXPECT_EQ(classes.Entries[60].ClassNo, 20);
}

}  // namespace
}  // namespace kumo::test
