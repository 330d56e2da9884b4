// Subjects and symbols from the palette, the lesson details' flags and the column exchange:
// pieces changed where they stand, recorded as steps Back walks through.
#include <string>

#include "DocFixture.h"

namespace kumo::test {
namespace {

class PieceChange : public DocTest {
 protected:
  void SetUp() override {
    DocTest::SetUp();
    FourTeachers();
    doc.AddLine(Line(0, 0));  // a line of no grade
    Unchanged();
  }
  bool EnterAt(int line, int period, int row, int item) {
    doc.SetCursor(line, period);
    return doc.EnterSubject(row, item);
  }
};

TEST_F(PieceChange, SubjectsAndSymbolsByWhatTheCellHolds) {
  const PeriodCell lesson = {KindGrade1, 2, 0, Linked};
  Put(1, 2, lesson);
  Put(1, 3, lesson);
  Put(1, 4, Piece(KindSymbol, 2));
  Put(1, 5, Piece(KindGrade1, 1, Locked));

  EXPECT_TRUE(EnterAt(1, 1, 0, 3));  // 数 on an empty cell
  EXPECT_EQ(doc.Cell(1, 1), Piece(KindSubject, 3));
  EXPECT_EQ(doc.HistoryPos(), 2);

  // A subject on a lesson becomes its own subject: two moves, the mark asked about once.
  prompter.Expect(Answer::Yes);
  prompter.Expect(Answer::Yes);
  EXPECT_TRUE(EnterAt(1, 2, 0, 19));
  EXPECT_EQ(prompter.Boxes().at(0).Text, "この授業の教科に設定しますか");
  EXPECT_EQ(prompter.Boxes().at(1).Text, "この授業はリンクされています。移動しますか");
  EXPECT_EQ(doc.Cell(1, 2), (PeriodCell{KindGrade1, 2, 19, Linked}));
  EXPECT_TRUE(doc.Hand().Piece.IsEmpty());
  EXPECT_EQ(doc.HistoryPos(), 4);

  // A symbol replaces the lesson and keeps its flags.
  prompter.Expect(Answer::Yes);
  EXPECT_TRUE(EnterAt(1, 3, 1, 4));
  EXPECT_EQ(prompter.Boxes().at(2).Text, "この授業を記号に置き換えますか");
  EXPECT_EQ(doc.Cell(1, 3), (PeriodCell{KindSymbol, 4, 0, Linked}));

  prompter.Reset();
  EXPECT_FALSE(EnterAt(1, 4, 0, 1));  // a piece of its own kind is there
  EXPECT_EQ(prompter.Beeps(), 1);
  prompter.Expect(Answer::Ok);
  EXPECT_FALSE(EnterAt(1, 5, 1, 1));
  EXPECT_EQ(prompter.Boxes().at(0).Text, "この時限はロックされています。");
  EXPECT_FALSE(EnterAt(5, 1, 0, 1)) << "a line of no grade takes none, silently";
  EXPECT_EQ(prompter.Boxes().size(), 1u);
  prompter.Expect(Answer::No);
  EXPECT_FALSE(EnterAt(1, 2, 0, 5));
  EXPECT_EQ(doc.Cell(1, 2).LessonSubject, 19);

  // Back walks the subject change back in its two steps.
  doc.SetCursor(1, 1);
  for (int k = 0; k < 3; ++k) doc.StepBack();
  EXPECT_EQ(doc.Cell(1, 2), lesson);
  EXPECT_TRUE(doc.Hand().Piece.IsEmpty());
}

TEST_F(PieceChange, ARangeIsFilledRowByRowEachCellAskingForItself) {
  Put(2, 2, Piece(KindGrade1, 1));
  Put(3, 3, Piece(KindGrade1, 3));
  prompter.Expect(Answer::Yes);  // the range
  prompter.Expect(Answer::Yes);  // (2, 2)
  prompter.Expect(Answer::No);   // (3, 3)
  EXPECT_TRUE(doc.FillRange({2, 3, 1, 3}, 1, 2));
  ASSERT_EQ(prompter.Boxes().size(), 3u);
  EXPECT_EQ(prompter.Boxes()[0].Text, "選択範囲に埋め込みますか");
  EXPECT_EQ(doc.Cell(2, 1), Piece(KindSymbol, 2));
  EXPECT_EQ(doc.Cell(2, 2), Piece(KindSymbol, 2));
  EXPECT_EQ(doc.Cell(3, 3), Piece(KindGrade1, 3));
  EXPECT_EQ(doc.HistoryPos(), 6);  // five symbols, row by row
  EXPECT_EQ(doc.History(3).Line, 2);
  EXPECT_EQ(doc.History(4).Line, 3);
  EXPECT_EQ(doc.CurLine(), 3);
  EXPECT_EQ(doc.CurPeriod(), 3);
}

TEST_F(PieceChange, FlagsChangeThroughTwoStepsWithoutQuestions) {
  Put(2, 9, Piece(KindGrade1, 2, Locked));
  doc.SetCursor(2, 9);
  EXPECT_FALSE(doc.SetFlags(Locked)) << "no change, no step";
  EXPECT_TRUE(doc.SetFlags(0));
  EXPECT_EQ(doc.Cell(2, 9), Piece(KindGrade1, 2));
  EXPECT_EQ(doc.HistoryPos(), 3);
  EXPECT_TRUE(prompter.Boxes().empty());
  doc.SetCursor(2, 10);
  EXPECT_FALSE(doc.SetFlags(Team)) << "an empty cell stays as it is";
  EXPECT_TRUE(doc.Hand().Piece.IsEmpty());

  // The range form only adds flags; a piece that has them already is skipped.
  Put(1, 1, Piece(KindGrade1, 1));
  Put(1, 2, Piece(KindGrade1, 2, Continuous));
  Put(1, 3, Piece(KindGrade1, 3, Locked));
  doc.SetCursor(4, 4);
  EXPECT_TRUE(doc.AddFlags({1, 1, 1, 4}, Continuous));
  EXPECT_EQ(doc.Cell(1, 1).Flags, Continuous);
  EXPECT_EQ(doc.Cell(1, 2).Flags, Continuous);
  EXPECT_EQ(doc.Cell(1, 3).Flags, Continuous | Locked);
  EXPECT_TRUE(doc.Cell(1, 4).IsEmpty());
  EXPECT_EQ(doc.HistoryPos(), 7);
  EXPECT_EQ(doc.CurLine(), 4);
  EXPECT_EQ(doc.CurPeriod(), 4);
}

// Monday 3 and Tuesday 1 over lines with pieces in both, in one and in none.
TEST_F(PieceChange, TheColumnExchangeSwapsTwoPeriodsInEveryLine) {
  constexpr int Mon3 = 3, Tue1 = 7;
  Put(1, Mon3, Piece(KindGrade1, 1, Locked));
  Put(1, Tue1, Piece(KindGrade1, 2));
  Put(2, Mon3, Piece(KindSubject, 13));
  int lines = 0;
  prompter.Expect(Answer::Ok);
  ASSERT_TRUE(doc.ExchangeColumns(Mon3, Tue1, [&] { ++lines; }));
  EXPECT_EQ(prompter.Boxes().at(0).Text, "月３限と火１限を交換します。よろしいか");
  EXPECT_EQ(lines, doc.LineCount());
  EXPECT_EQ(doc.Cell(1, Tue1), Piece(KindGrade1, 1, Locked));
  EXPECT_EQ(doc.Cell(1, Mon3), Piece(KindGrade1, 2));
  EXPECT_EQ(doc.Cell(2, Tue1), Piece(KindSubject, 13));
  EXPECT_TRUE(doc.Cell(2, Mon3).IsEmpty());
  EXPECT_EQ(doc.HistoryPos(), 1 + 3 + 2);
  EXPECT_TRUE(doc.Hand().Piece.IsEmpty());

  while (doc.HistoryPos() > 1) doc.StepBack();
  EXPECT_EQ(doc.Cell(1, Mon3), Piece(KindGrade1, 1, Locked));
  EXPECT_EQ(doc.Cell(2, Mon3), Piece(KindSubject, 13));

  prompter.Reset();
  EXPECT_FALSE(doc.ExchangeColumns(Mon3, Mon3, {})) << "a period with itself: nothing";
  MoveAt(1, Tue1);  // a piece in hand would be carried into other lines
  prompter.Expect(Answer::Ok);
  EXPECT_FALSE(doc.ExchangeColumns(Mon3, Tue1, {}));
  ASSERT_EQ(prompter.Boxes().size(), 1u);
  EXPECT_EQ(prompter.Boxes()[0].Type, BoxType::Error);
  EXPECT_EQ(doc.HistoryPos(), 2);
}

TEST_F(PieceChange, TablesAreEditedInWholeCharactersAndReset) {
  doc.SetSubject(21, Cp932Literal("情報"), Cp932Literal("情報"), Cp932Literal("情報処理"));
  EXPECT_EQ(doc.SubjectNames1()[21].View(), Cp932Literal("情"));
  EXPECT_EQ(doc.SubjectNames2()[21].View(), Cp932Literal("情報"));
  EXPECT_EQ(doc.SubjectNames4()[21].View(), Cp932Literal("情報処理"));
  doc.SetSymbol(22, Cp932Literal("＠"), Cp932Literal("行事"));
  EXPECT_EQ(doc.SymbolMeanings()[22].View(), Cp932Literal("行事"));
  EXPECT_FALSE(doc.Modified());
  doc.ResetSubjectTables();
  EXPECT_TRUE(doc.SubjectNames1()[21].Empty());
  EXPECT_TRUE(doc.Symbols()[22].Empty());
  EXPECT_EQ(doc.Symbols()[21].View(), Cp932Literal("－"));
}

}  // namespace
}  // namespace kumo::test
