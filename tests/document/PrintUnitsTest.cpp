// The print units and the teacher list's texts, without a printer.
#include "document/PrintUnits.h"

#include "base/Cp932.h"
#include "document/ClassLabels.h"
#include "document/ClassWeek.h"
#include "document/DocFixture.h"
#include "document/TeacherListText.h"

namespace kumo::test {
namespace {

TEST(PrintUnitsTest, RoundingTakesHalvesToEven) {
  EXPECT_EQ(RoundEven(68.75), 69);
  EXPECT_EQ(RoundEven(12.5), 12);
  EXPECT_EQ(RoundEven(37.5), 38);
  EXPECT_EQ(RoundEven(-0.5), 0);
}

// Screen 96 dpi, printer 600 dpi: the sizes the paper gives each base size, and the units.
TEST(PrintUnitsTest, SizesAndUnitsByPaper) {
  struct Case {
    int s0, paper;
    bool whole;
    int S, cw, lh, o, u, shift;
  } cases[] = {
      {11, PaperA4, false, 11, 69, 69, 46, 23, 125},  // the teacher list, up to 40 lines
      {11, PaperB4, false, 13, 81, 81, 54, 27, 125},  // round(13.42)
      {11, PaperA3, false, 16, 100, 100, 67, 33, 125},
      {7, PaperA4, false, 7, 44, 44, 29, 15, 125},  // the teacher list, more lines
      {7, PaperB4, false, 9, 56, 56, 37, 19, 125},
      {7, PaperA3, false, 10, 62, 62, 41, 21, 125},
      {12, PaperA4, false, 12, 75, 75, 50, 25, 125},  // small class tables
      {12, PaperB4, false, 15, 94, 94, 63, 31, 125},
      {12, PaperA3, false, 17, 106, 106, 71, 35, 125},
      {58, PaperA4, true, 58, 348, 348, 232, 116, 120},  // large: sx rounded to 6 first
      {58, PaperB4, true, 71, 426, 426, 284, 142, 120},  // round(70.76)
      {58, PaperA3, true, 82, 492, 492, 328, 164, 120},  // round(81.78)
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "S0 " << c.s0 << " paper " << c.paper);
    const PrintUnits u = ComputePrintUnits(c.s0, c.paper, 96, 600, 600, c.whole);
    EXPECT_EQ(u.S, c.S);
    EXPECT_EQ(u.cw, c.cw);
    EXPECT_EQ(u.lh, c.lh);
    EXPECT_EQ(u.o, c.o);
    EXPECT_EQ(u.u, c.u);
    EXPECT_EQ(u.ShiftRight, c.shift);
    EXPECT_EQ(u.ShiftDown, c.shift);
  }
}

TEST(PrintUnitsTest, RowFactorByLineCount) {
  const std::pair<int, double> cases[] = {{1, 1.7},  {36, 1.7}, {37, 1.5}, {40, 1.5},
                                          {41, 1.7}, {74, 1.7}, {75, 1.5}, {100, 1.5}};
  for (auto [lines, w] : cases) EXPECT_EQ(TeacherRowFactor(lines), w) << lines;
}

class TeacherListTextTest : public DocTest {};

TEST_F(TeacherListTextTest, HomeroomsAndClassesInTheThreeStyles) {
  struct Case {
    int style, viewType;
    const char *homeroom, *ownGrade, *otherGrade;
  } cases[] = {
      {0, 0, "2３", "2１", "1３"}, {1, 0, "３", " １", "1３"}, {2, 0, "2-3", "2-1", "1-3"},
      {0, 1, "2③", "2①", "1③"},    {1, 1, "③", " ①", "1③"},    {0, 2, "2Ｃ", "2Ａ", "1Ｃ"},
      {2, 2, "2-C", "2-A", "1-C"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "style " << c.style << " type " << c.viewType);
    options.TeachersKind = c.style;
    options.ViewClassType = c.viewType;
    DeriveOptions(options);
    doc.MakeClassLabels();
    const TeacherLine line = Line(2, 3);
    EXPECT_EQ(Cp932ToUtf8(HomeroomText(doc.ClassLabels(), options, line)), c.homeroom);
    EXPECT_EQ(Cp932ToUtf8(ClassPieceText(doc.ClassLabels(), options, line, Piece(2, 1))),
              c.ownGrade);
    EXPECT_EQ(Cp932ToUtf8(ClassPieceText(doc.ClassLabels(), options, line, Piece(1, 3))),
              c.otherGrade);
  }
}

// The list circles the class numbers whatever the display type, unless letters are shown; the
// document's own labels stay as the views show them.
TEST_F(TeacherListTextTest, TheListWorksOutItsOwnLabels) {
  const std::pair<int, const char*> cases[] = {{0, "2③"}, {1, "2③"}, {2, "2Ｃ"}};
  for (auto [viewType, homeroom] : cases) {
    SCOPED_TRACE(viewType);
    options.ViewClassType = viewType;
    DeriveOptions(options);
    doc.MakeClassLabels();
    const ClassLabelTable shown = doc.ClassLabels();
    const ClassLabelTable printed = ClassLabelsOf(TeacherListLabelStyle(options));
    EXPECT_EQ(Cp932ToUtf8(HomeroomText(printed, options, Line(2, 3))), homeroom);
    EXPECT_EQ(printed[0].View(), Cp932Literal("　"));
    for (int c = 0; c <= MaxClassNo; ++c) EXPECT_EQ(doc.ClassLabels()[c].View(), shown[c].View());
  }
}

TEST_F(TeacherListTextTest, NoHomeroomWithoutGradeOrClass) {
  EXPECT_EQ(HomeroomText(doc.ClassLabels(), options, Line(0, 3)), "");
  EXPECT_EQ(HomeroomText(doc.ClassLabels(), options, Line(1, 0)), "");
  EXPECT_EQ(ClassPieceText(doc.ClassLabels(), options, Line(1, 1), Piece(KindSubject, 1)), "");
}

TEST_F(TeacherListTextTest, ClassTitleNamesTheClassByItsLetterUnderLetters) {
  const ClassEntry entry{1, 2, 0, {}};
  EXPECT_EQ(Cp932ToUtf8(ClassTitle(doc, options, entry)), "１年２組時間割");
  options.ViewClassType = 2;
  DeriveOptions(options);
  doc.MakeClassLabels();
  EXPECT_EQ(Cp932ToUtf8(ClassTitle(doc, options, entry)), "１年Ｂ組時間割");
}

}  // namespace
}  // namespace kumo::test
