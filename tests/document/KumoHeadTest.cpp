#include <algorithm>
#include <cstring>
#include <functional>
#include <string>

#include "base/FileError.h"
#include "document/Changes.h"

#include "DocFixture.h"

namespace kumo::test {
namespace {

using DocModel = DocTest;

template <std::size_t N>
bool AllZero(const Text<N>& t) {
  return t.Len == 0 && std::all_of(t.Bytes, t.Bytes + N, [](Byte b) { return b == 0; });
}

TEST_F(DocModel, ClearLoadsTheDefaultTablesWithZeroFilledEmptyEntries) {
  EXPECT_EQ(doc.SubjectNames1()[0].View(), Cp932Literal("　"));
  EXPECT_EQ(doc.SubjectNames4()[0].View(), Cp932Literal("　　　　"));
  EXPECT_EQ(doc.SubjectNames2()[1].View(), Cp932Literal("国語"));
  EXPECT_EQ(doc.SubjectNames4()[13].View(), Cp932Literal("学級活動"));
  EXPECT_EQ(doc.SubjectNames4()[20].View(), Cp932Literal("部活動"));
  EXPECT_EQ(doc.SubjectNames1()[20].View(), Cp932Literal("部"));
  EXPECT_TRUE(AllZero(doc.SubjectNames4()[21]));
  EXPECT_TRUE(AllZero(doc.SubjectNames1()[100]));
  EXPECT_EQ(doc.Symbols()[1].View(), Cp932Literal("／"));
  EXPECT_EQ(doc.Symbols()[21].View(), Cp932Literal("－"));
  EXPECT_TRUE(AllZero(doc.Symbols()[22]));
  EXPECT_TRUE(AllZero(doc.SymbolMeanings()[1]));
  // The short names leave filler zero too: the tables are copied whole.
  EXPECT_EQ(doc.SubjectNames4()[1].Bytes[4], 0);
  EXPECT_EQ(DayName(0), Cp932Literal("月"));
  EXPECT_EQ(DayName(4), Cp932Literal("金"));
}

TEST_F(DocModel, ClearResetsTheDocumentButKeepsFileName) {
  doc.AddLine(Line(1, 1));
  doc.AddLine(Line(1, 2));
  Put(1, 1, Piece(1, 2));
  for (int k = 0; k < 4; ++k) MoveAt(1, 1);
  doc.SaveAs(Path("a.kmt"));
  doc.SaveSubjects(Path("b.kms"));
  doc.SetTitle("t", "c");
  doc.SetSubject(1, "x", "", "");
  doc.Clear();
  EXPECT_EQ(doc.LineCount(), 0);
  EXPECT_EQ(doc.Line(1).Grade, 0);
  EXPECT_EQ(doc.History(4).Line, 0);
  EXPECT_EQ(doc.HistoryEnd(), 1);
  EXPECT_TRUE(doc.Title().Empty());
  EXPECT_TRUE(doc.Comment().Empty());
  EXPECT_FALSE(doc.Modified());
  EXPECT_EQ(doc.SubjectNames1()[1].View(), Cp932Literal("国"));
  EXPECT_EQ(doc.FileName(), Path("a.kmt"));
  EXPECT_EQ(doc.SubjectFileName(), "Kumo2.kms");
}

TEST_F(DocModel, ClassLabelsFollowTheDisplayType) {
  EXPECT_EQ(doc.ClassLabels()[1].View(), "\x82\x50");  // １
  EXPECT_EQ(doc.ClassLabels()[12].View(), "12");
  EXPECT_EQ(doc.ClassLabels()[0].Len, 0);  // no circled or letter table built yet

  options.CircledLabels = true;
  doc.MakeClassLabels();
  EXPECT_EQ(doc.ClassLabels()[1].View(), "\x87\x40");
  EXPECT_EQ(doc.ClassLabels()[12].View(), "\x87\x4B");
  EXPECT_EQ(doc.ClassLabels()[0].View(), "\x81\x40");

  options.LetterLabels = true;  // letters win over circled
  doc.MakeClassLabels();
  EXPECT_EQ(doc.ClassLabels()[1].View(), "\x82\x60");
  EXPECT_EQ(doc.ClassLabels()[12].View(), "\x82\x6B");
  EXPECT_EQ(doc.ClassLabels()[20].View(), "\x82\x73");

  options.LetterLabels = options.CircledLabels = false;
  doc.MakeClassLabels();
  EXPECT_EQ(doc.ClassLabels()[12].View(), "12");
  EXPECT_EQ(doc.ClassLabels()[9].View(), "\x82\x58");
  EXPECT_EQ(doc.ClassLabels()[0].View(), "\x81\x40");  // once built, the blank stays
}

TEST_F(DocModel, LinesCannotGrowPastOneHundred) {
  AddLines(99);
  EXPECT_TRUE(doc.InsertLine(Line(1, 1)));
  EXPECT_EQ(doc.LineCount(), 100);
  prompter.Expect(Answer::Cancel);
  prompter.Expect(Answer::Ok);
  EXPECT_FALSE(doc.AddLine(Line(1, 1)));
  EXPECT_FALSE(doc.InsertLine(Line(1, 1)));
  EXPECT_EQ(doc.LineCount(), 100);
  ASSERT_EQ(prompter.Boxes().size(), 2u);
  EXPECT_EQ(prompter.Boxes()[0].Text, "行を追加できません");
  EXPECT_EQ(prompter.Boxes()[1].Text, "行を挿入できません");
  EXPECT_EQ(prompter.Boxes()[0].Type, BoxType::Error);
  EXPECT_EQ(prompter.Boxes()[1].Buttons, Buttons::OkCancel);
}

TEST_F(DocModel, InsertLineShiftsLinesAndRenumbersTheHistory) {
  for (Byte i = 1; i <= 8; ++i) doc.AddLine(Line(0, 0, "", i));
  for (int n : {2, 3, 7}) {  // lifted and put back: two entries each
    Put(n, 1, Piece(1, 1));
    MoveAt(n, 1);
    MoveAt(n, 1);
  }
  doc.SetCursor(3, 1);
  Unchanged();
  ASSERT_TRUE(doc.InsertLine(Line(2, 1, "", 50)));
  EXPECT_EQ(doc.History(1).Line, 2);
  EXPECT_EQ(doc.History(3).Line, 4);
  EXPECT_EQ(doc.History(5).Line, 8);
  EXPECT_EQ(doc.LineCount(), 9);
  EXPECT_EQ(doc.Line(2).Subject, 2);
  EXPECT_EQ(doc.Line(3).Subject, 50);
  EXPECT_EQ(doc.Line(4).Subject, 3);
  EXPECT_EQ(doc.Line(9).Subject, 8);
  EXPECT_TRUE(doc.Modified());
}

TEST_F(DocModel, DeleteLineClosesTheGapAndFollowsTheLastLine) {
  EXPECT_FALSE(doc.DeleteLine());
  EXPECT_FALSE(doc.Modified());
  for (Byte i = 1; i <= 3; ++i) doc.AddLine(Line(0, 0, "", i));
  doc.SetCursor(2, doc.CurPeriod());
  ASSERT_TRUE(doc.DeleteLine());
  EXPECT_EQ(doc.Line(2).Subject, 3);
  EXPECT_EQ(doc.Line(3).Subject, 0);
  doc.SetCursor(2, doc.CurPeriod());
  ASSERT_TRUE(doc.DeleteLine());
  EXPECT_EQ(doc.CurLine(), 1);
  ASSERT_TRUE(doc.DeleteLine());
  EXPECT_EQ(doc.LineCount(), 0);
  EXPECT_EQ(doc.CurLine(), 0);
  EXPECT_EQ(doc.Line(1).Subject, 0);
}

TEST_F(DocModel, CursorOffTheLinesIsNeverWrittenThrough) {
  doc.SetCursor(1, doc.CurPeriod());  // an empty document: line 1 is not in use
  EXPECT_FALSE(doc.SetCurrentLine(Line(1, 1)));
  EXPECT_EQ(doc.Line(1).Grade, 0);
  AddLines(1);
  doc.DeleteLine();  // cursor now 0
  EXPECT_EQ(doc.GetCurrentLine().Grade, 0);
  EXPECT_FALSE(doc.DeleteLine());
  ASSERT_TRUE(doc.InsertLine(Line(3, 1)));  // goes to line 1
  EXPECT_EQ(doc.Line(1).Grade, 3);
  EXPECT_FALSE(doc.FindCellClash());
}

TEST_F(DocModel, ClassCountIsTheLargestHomeroomOfTheGrade) {
  doc.AddLine(Line(1, 1));
  doc.AddLine(Line(1, 4));
  doc.AddLine(Line(1, 2));
  doc.AddLine(Line(0, 9));  // no grade: never a homeroom teacher
  doc.AddLine(Line(2, 0));
  EXPECT_EQ(doc.ClassCount(1), 4);
  EXPECT_EQ(doc.ClassCount(2), 0);
  EXPECT_EQ(doc.ClassCount(3), 0);
  EXPECT_EQ(doc.MaxClassCount(), 4);
}

TEST_F(DocModel, LessonCountCountsClassesAndCountedPieces) {
  TeacherLine l = Line(1, 1);
  l.Cells[1] = Piece(1, 1);
  l.Cells[2] = Piece(2, 3, Locked);
  l.Cells[30] = Piece(3, 1);
  l.Cells[4] = Piece(4, 14, Counted);
  l.Cells[5] = Piece(5, 3);
  l.Cells[6] = {0, 5, 0, Counted};  // an emptied cell with leftovers
  doc.AddLine(l);
  EXPECT_EQ(doc.LessonCount(1), 4);
}

TEST_F(DocModel, AppliedHistoryCoversOnlyStepsNotUndone) {
  AddLines(2);
  Reopen([](TimetableImage& image) {
    image.History = {{2, 5, Piece(1, 3), {}}, {1, 6, Piece(2, 2), {}}, {}};
    image.Pos = 2;
  });
  EXPECT_TRUE(doc.InAppliedHistory(2, 5, 1, 3));
  EXPECT_FALSE(doc.InAppliedHistory(2, 5, 1, 4));
  EXPECT_FALSE(doc.InAppliedHistory(1, 6, 2, 2));
}

TEST_F(DocModel, ClashSearchesSkipTheCursorLineAndFindTheFirstOther) {
  AddLines(4);
  Put(1, 7, Piece(2, 3));
  Put(2, 7, Piece(2, 3, Locked));
  Put(4, 7, Piece(2, 3));
  Put(3, 8, Piece(2, 3));
  doc.SetCursor(2, 7);
  EXPECT_EQ(doc.FindCellClash(), 1);
  doc.SetCursor(1, doc.CurPeriod());
  EXPECT_EQ(doc.FindCellClash(), 2);
  InHand({Piece(2, 3), 1, 1});
  doc.SetCursor(doc.CurLine(), 8);
  EXPECT_EQ(doc.FindHandClash(), 3);
  InHand({Piece(2, 4), 1, 1});
  EXPECT_FALSE(doc.FindHandClash());
}

// The names, the title and the changed mark come with the notices, as the caption and the
// commands follow them.
TEST_F(DocModel, TheNamesTheTitleAndTheChangedMarkAreTold) {
  struct Told : DocumentObserver {
    using DocumentObserver::DocumentObserver;
    void DocumentChanged(const DocumentChange& c) override {
      modified = modified || c.Modified;
      fileName = fileName || c.FileName;
      title = title || c.Title;
      cursor = cursor || c.Cursor;
    }
    bool modified = false, fileName = false, title = false, cursor = false;
  };
  const std::string a = Path("a.kmt"), s = Path("s.kms");
  doc.AddLine(Line(1, 1));
  doc.SaveAs(a);
  doc.SaveSubjects(s);
  std::string tooMany(4209 + 135 * 101, '\0');
  tooMany[0] = 101;
  WriteAll(Path("big.kmt"), tooMany);
  const struct {
    const char* what;
    std::function<void(TKumData&)> run;
    bool modified, fileName, title, cursor, nowModified;
    std::string name;
    bool changedBefore = false;
  } cases[] = {
      {"a title", [](TKumData& d) { d.SetTitle("t", "c"); }, true, false, true, false, true, a},
      {"a line, once changed", [](TKumData& d) { d.AddLine({}); }, false, false, false, false, true,
       a, true},
      {"the cursor", [](TKumData& d) { d.SetCursor(1, 9); }, false, false, false, true, false, a},
      {"a save", [&](TKumData& d) { d.SaveAs(Path("b.kmt")); }, false, true, false, false, false,
       Path("b.kmt")},
      {"an open", [&](TKumData& d) { d.Open(a); }, false, true, false, false, false, a},
      {"a new timetable", [](TKumData& d) { d.New(); }, true, true, false, false, true,
       std::string(NewTableName)},
      {"a refused open",
       [&](TKumData& d) {
         prompter.Expect(Answer::Ok);
         d.Open(Path("big.kmt"));
       },
       false, true, false, false, false, std::string(NewTableName)},
      {"the subjects saved", [&](TKumData& d) { d.SaveSubjects(Path("t.kms")); }, false, false,
       false, false, false, a},
      {"the subjects opened", [&](TKumData& d) { d.LoadSubjects(s); }, false, false, false, false,
       false, a},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(doc.Open(a));
    if (c.changedBefore) doc.SetTitle("", "");  // the mark turns at the first change only
    Told told(doc);
    c.run(doc);
    EXPECT_EQ(told.modified, c.modified);
    EXPECT_EQ(told.fileName, c.fileName);
    EXPECT_EQ(told.title, c.title);
    EXPECT_EQ(told.cursor, c.cursor);
    EXPECT_EQ(doc.Modified(), c.nowModified);
    EXPECT_EQ(doc.FileName(), c.name);
  }
  doc.SetTitle("t", "c");
  EXPECT_EQ(doc.Title().View(), "t");
  EXPECT_EQ(doc.Comment().View(), "c");
}

// A save that fails tells nothing and changes nothing: the name, the mark and the comparison.
TEST_F(DocModel, AFailedSaveKeepsTheNameAndTheChangedMark) {
  doc.AddLine(Line(1, 1));
  doc.SaveAs(Path("a.kmt"));
  doc.SaveSubjects(Path("s.kms"));
  Put(1, 1, Piece(1, 1));
  struct Told : DocumentObserver {
    using DocumentObserver::DocumentObserver;
    void DocumentChanged(const DocumentChange&) override { ++count; }
    int count = 0;
  } told(doc);
  EXPECT_THROW(doc.SaveAs(Path("no-such-dir/b.kmt")), FileError);
  EXPECT_THROW(doc.SaveSubjects(Path("no-such-dir/t.kms")), FileError);
  EXPECT_EQ(told.count, 0);
  EXPECT_EQ(doc.FileName(), Path("a.kmt"));
  EXPECT_EQ(doc.SubjectFileName(), Path("s.kms"));
  EXPECT_TRUE(doc.Modified());
  EXPECT_TRUE(CellChanged(doc, 1, 1)) << "still compared with the file saved last";
}

}  // namespace
}  // namespace kumo::test

namespace kumo::test {
namespace {

// Whole characters only: a double-byte character is never cut, nor taken without its second
// byte (a damaged name ending in a lead byte).
TEST(WholeCharBytes, KeepsWholeCharactersWithinTheLimit) {
  const std::string two = Cp932Literal("数学");  // 4 bytes
  const struct {
    std::string text;
    std::size_t max, whole;
  } cases[] = {
      {two, 4, 4},     {two, 3, 2}, {two, 1, 0},       {"ab" + two, 3, 2},
      {"a\x90", 8, 1}, {"", 4, 0},  {two + "x", 5, 5},
  };
  for (const auto& c : cases) EXPECT_EQ(WholeCharBytes(c.text, c.max), c.whole) << c.max;
}

}  // namespace
}  // namespace kumo::test
