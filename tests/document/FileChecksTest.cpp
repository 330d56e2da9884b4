// Files holding values that would index outside the document's tables are refused whole;
// damaged undo data and held pieces are mended as far as they must be, and the timetable opens.
#include <functional>
#include <string>
#include <vector>

#include "DocFixture.h"

namespace kumo::test {
namespace {

// Offsets in the test file: 2 lines, HistoryEnd 3, HoldingCount 2.
constexpr int LineAt(int n) {
  return 1 + 135 * (n - 1);
}
constexpr int CellAt(int n, int p) {
  return LineAt(n) + 15 + 4 * (p - 1);
}
constexpr int HistoryPosAt = 1 + 270;
constexpr int HistoryEndAt = HistoryPosAt + 2;
constexpr int EntryAt(int k) {
  return HistoryEndAt + 2 + 10 * (k - 1);
}
constexpr int HoldingCountAt = EntryAt(4);
constexpr int HandAt = HoldingCountAt + 1;
constexpr int HeldAt(int k) {
  return HandAt + 6 * k;
}
constexpr int CursorAt = HeldAt(3);
constexpr int TitleAt = CursorAt + 2;
constexpr int CommentAt = TitleAt + 21;
constexpr int Names1At = CommentAt + 41;
constexpr int Names2At = Names1At + 303;
constexpr int Names4At = Names2At + 505;
constexpr int SymbolsAt = Names4At + 909;
constexpr int MeaningsAt = SymbolsAt + 300;

struct Corruption {
  const char* Name;
  int Offset;
  Byte Value;
};

class FileChecks : public DocTest {
 protected:
  void SetUp() override {
    DocTest::SetUp();
    TimetableImage image;
    image.Lines = {Line(1, 1), Line(2, 3)};
    image.Lines[0].Cells[1] = Piece(KindGrade1, 2);
    image.Lines[0].Cells[2] = Piece(KindSubject, 3);
    image.Lines[1].Cells[1] = Piece(KindSymbol, 4);
    image.Lines[1].Cells[2] = {KindEmpty, 250, 250, 0xFF};  // leftovers of an emptied cell
    image.History = {{1, 3, Piece(KindGrade2, 1), {}},
                     {2, 30, {}, Piece(KindSubject, 0)},
                     {99, 99, {9, 9, 9, 9}, {9, 9, 9, 9}}};  // the slot past the end
    image.Pos = 2;
    image.Hand = {Piece(KindGrade3, 20), 2, 30};
    image.Holding = {{Piece(KindSymbol, 100), 1, 1}, {{9, 9, 9, 9}, 0, 0}};  // and the scratch
    image.CurLine = 2;
    image.CurPeriod = 5;
    WriteAll(Path("t.kmt"), image.Bytes());
    ASSERT_TRUE(doc.Open(File()));
    sound_ = ReadAll(File());
  }

  // Loads the sound file with one byte changed.
  void LoadWith(int offset, Byte value) {
    std::string bytes = sound_;
    bytes[offset] = static_cast<char>(value);
    WriteAll(File(), bytes);
    doc.Open(File());
  }

  std::string File() const { return Path("t.kmt"); }

  std::string sound_;
};

TEST_F(FileChecks, SoundFileWithLeftoversAndScratchSlotsLoads) {
  ASSERT_EQ(sound_.size(), 4193u + 270 + 30 + 12);
  ASSERT_EQ(static_cast<Byte>(sound_[HistoryEndAt]), 3);
  ASSERT_EQ(static_cast<Byte>(sound_[CursorAt]), 2);
  ASSERT_EQ(static_cast<Byte>(sound_[MeaningsAt - 300]), 2);  // the first symbol, "／"
  doc.Open(File());
  EXPECT_EQ(doc.LineCount(), 2);
  EXPECT_EQ(doc.Cell(2, 2).Item, 250);
  EXPECT_EQ(doc.Hand().Piece.Item, 20);
  EXPECT_EQ(doc.CurPeriod(), 5);
}

TEST_F(FileChecks, EveryImpossibleValueIsRefusedWithTheEmptyDocument) {
  const std::vector<Corruption> cases = {
      {"grade", LineAt(2), 4},
      {"subject", LineAt(1) + 1, 101},
      {"name length", LineAt(1) + 2, 11},
      {"homeroom", LineAt(2) + 13, 21},
      {"cell kind", CellAt(1, 7), 6},
      {"class number 0", CellAt(1, 1) + 1, 0},
      {"class number 21", CellAt(1, 1) + 1, 21},
      {"subject piece 101", CellAt(1, 2) + 1, 101},
      {"symbol piece 0", CellAt(2, 1) + 1, 0},
      {"symbol piece 101", CellAt(2, 1) + 1, 101},
      {"lesson subject", CellAt(1, 1) + 2, 101},
      {"history end 0", HistoryEndAt, 0},
      {"history end 5001", HistoryEndAt + 1, 0x14},  // 3 + 0x1400 > 5000
      {"holding count 0", HoldingCountAt, 0},
      {"holding count 26", HoldingCountAt, 26},
      {"hand kind", HandAt, 8},
      {"held item", HeldAt(1) + 1, 0},
      {"title", TitleAt, 21},
      {"comment", CommentAt, 41},
      {"subject name 1", Names1At + 3 * 7, 3},
      {"subject name 2", Names2At, 5},
      {"subject name 4", Names4At + 9 * 100, 9},
      {"symbol", SymbolsAt + 3 * 99, 3},
      {"meaning", MeaningsAt, 21},
  };
  for (const Corruption& c : cases) {
    SCOPED_TRACE(c.Name);
    prompter.Reset();
    prompter.Expect(Answer::Ok);
    LoadWith(c.Offset, c.Value);
    ASSERT_EQ(prompter.Boxes().size(), 1u);
    const ShownBox& box = prompter.Boxes()[0];
    EXPECT_EQ(box.Type, BoxType::Error);
    EXPECT_EQ(box.Buttons, Buttons::OkCancel);
    EXPECT_EQ(box.Text.rfind(File() + " は壊れています。\n", 0), 0u) << box.Text;
    EXPECT_NE(box.Text.find(" が正しくありません。"), std::string::npos) << box.Text;
    EXPECT_EQ(doc.LineCount(), 0);
    EXPECT_EQ(doc.HistoryEnd(), 1);
    EXPECT_EQ(doc.HoldingCount(), 1);
    EXPECT_TRUE(doc.Hand().Piece.IsEmpty());
    EXPECT_EQ(doc.SubjectNames1()[7].View(), Cp932Literal("美"));
    EXPECT_EQ(doc.FileName(), NewTableName) << "no save can put the empty document over it";
  }
}

// Undo data that names no line never locks a timetable out: the lessons, tables and lines open,
// the entries before the first bad one and the held lessons stay, and the message says what was
// mended. One entry naming a line past the last dropped every entry, and a held lesson with
// subject 144 refused the whole timetable.
TEST_F(FileChecks, DamagedUndoDataIsMendedAndTheTimetableOpens) {
  struct UndoCase {
    Corruption c;
    int end;  // HistoryEnd after the load
    const char* said;
  };
  const std::vector<UndoCase> cases = {
      {{"history pos 0", HistoryPosAt, 0},
       1,
       "スタックの位置 の値 0 が正しくありません。スタックをクリア"},
      {{"history pos past end", HistoryPosAt, 4}, 1, "スタックの位置 の値 4"},
      {{"step line 0", EntryAt(1), 0},
       1,
       "スタック 1 番の行 の値 0 が正しくありません。スタックをクリア"},
      {{"step line past lines", EntryAt(2), 3},
       2,
       "スタック 2 番の行 の値 3 が正しくありません。スタックは 1 番までを残しました。"},
      {{"step period", EntryAt(1) + 1, 31}, 1, "スタック 1 番の時限 の値 31"},
      {{"step cell", EntryAt(1) + 2, 7}, 1, "スタック 1 番の後の駒の種類 の値 7"},
      {{"step hand", EntryAt(2) + 7, 101}, 2, "スタック 2 番の前の駒の番号 の値 101"},
      {{"step lesson subject", EntryAt(2) + 8, 144}, 2, "スタック 2 番の前の駒の教科 の値 144"},
      {{"hand line", HandAt + 4, 3}, 3, "元の位置をクリアしました"},
      {{"hand period", HandAt + 5, 0}, 3, "元の位置をクリアしました"},
      {{"held line", HeldAt(1) + 4, 0}, 3, "元の位置をクリアしました"},
      {{"held period", HeldAt(1) + 5, 31}, 3, "元の位置をクリアしました"},
      {{"hand lesson subject", HandAt + 2, 144},
       3,
       "手持ちの駒の教科 の値 144 が正しくありません。教科をクリアしました（駒は残しました）。"},
      {{"held lesson subject", HeldAt(1) + 2, 101}, 3, "保持クラス 1 番の駒の教科 の値 101"},
  };
  for (const UndoCase& u : cases) {
    SCOPED_TRACE(u.c.Name);
    prompter.Reset();
    prompter.Expect(Answer::Ok);
    LoadWith(u.c.Offset, u.c.Value);
    ASSERT_EQ(prompter.Boxes().size(), 1u);
    const std::string& text = prompter.Boxes()[0].Text;
    EXPECT_EQ(text.rfind(File() + " に正しくない値がありました。\n", 0), 0u) << text;
    EXPECT_NE(text.find(u.said), std::string::npos) << text;
    EXPECT_EQ(doc.LineCount(), 2);
    EXPECT_EQ(doc.Cell(1, 1), Piece(KindGrade1, 2));
    EXPECT_EQ(doc.HistoryEnd(), u.end);
    EXPECT_LE(doc.HistoryPos(), doc.HistoryEnd());
    EXPECT_EQ(doc.Hand().Piece, Piece(KindGrade3, 20));
    ASSERT_EQ(doc.HoldingCount(), 2);
    EXPECT_EQ(doc.Held(1).Piece, Piece(KindSymbol, 100));
    EXPECT_TRUE(doc.Modified());
  }
  // The hand is carried on from the cursor's line; a held piece forgets where it came from.
  prompter.Expect(Answer::Ok);
  LoadWith(HandAt + 4, 3);
  EXPECT_EQ(doc.Hand().FromLine, 2);
  prompter.Expect(Answer::Ok);
  LoadWith(HeldAt(1) + 4, 0);
  EXPECT_EQ(doc.Held(1).FromLine, 0);
  EXPECT_EQ(doc.Held(1).FromPeriod, 0);
}

// A damaged record block cleared the whole history, and a held piece another program removed,
// with the block kept, came back on Back. The records are worked out from the entries instead,
// and a walk over them never makes a lesson up.
TEST_F(FileChecks, RecordsThatDoNotMatchTheFileAreWorkedOutFromTheEntries) {
  // Teacher 2 carries 1-2 onto its 1-3 in period 7, where teacher 1 has 1-2: 1-3 is put aside.
  doc.Clear();
  for (Byte c = 1; c <= 3; ++c) doc.AddLine(Line(1, c));
  Put(1, 7, Piece(1, 2));
  Put(2, 3, Piece(1, 2));
  Put(2, 7, Piece(1, 3));
  MoveAt(2, 3);
  MoveAt(2, 7);
  ASSERT_EQ(doc.HoldingCount(), 2);
  doc.SaveAs(File());
  const std::string saved = ReadAll(File());
  constexpr int Holding = 5 + 135 * 3 + 10 * 3, Hand = Holding + 1, Held = Hand + 6;
  const struct {
    const char* name;
    std::function<void(std::string&)> change;
    bool backWorks;
  } cases[] = {
      {"a byte of the block", [](std::string& b) { b.back() ^= 1; }, true},
      {"the held piece removed",
       [](std::string& b) {
         b[Holding] = 1;
         b.erase(Held, 6);
       },
       false},
      {"a piece put into the hand", [](std::string& b) { b.replace(Hand, 6, "\1\1\0\0\3\1", 6); },
       true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string bytes = saved;
    c.change(bytes);
    WriteAll(File(), bytes);
    prompter.Reset();
    prompter.Expect(Answer::Ok);
    ASSERT_TRUE(doc.Open(File()));
    EXPECT_NE(prompter.Boxes().at(0).Text.find("記録が壊れていたので、スタックの内容から作り直し"),
              std::string::npos);
    EXPECT_EQ(doc.HistoryEnd(), 3);
    EXPECT_TRUE(doc.Step(2).Inferred());
    if (!c.backWorks) prompter.Expect(Answer::Ok);
    EXPECT_EQ(doc.StepBack(), c.backWorks);
    EXPECT_EQ(doc.Cell(2, 7), c.backWorks ? Piece(1, 3) : Piece(1, 2)) << "no lesson made up";
  }
}

// A record that has the step put a piece aside while the step left none in hand comes from no
// step: walked forward, it would put an empty piece on the holding stack.
TEST_F(FileChecks, ARecordThatPutsAsideAnEmptyHandIsWorkedOutFromTheEntries) {
  doc.Clear();
  doc.AddLine(Line(1, 1));
  Put(1, 1, Piece(1, 1));
  MoveAt(1, 1);
  MoveAt(1, 2);
  TimetableImage image = TimetableImage::Of(doc);
  image.Steps[1].Holding = HoldPushed | StepRecorded;
  WriteAll(File(), image.Bytes());
  prompter.Reset();
  prompter.Expect(Answer::Ok);
  ASSERT_TRUE(doc.Open(File()));
  ASSERT_EQ(prompter.Boxes().size(), 1u);
  EXPECT_NE(prompter.Boxes()[0].Text.find("記録が壊れていたので"), std::string::npos);
  EXPECT_TRUE(doc.Step(2).Inferred());
  ASSERT_TRUE(doc.StepBack());
  ASSERT_TRUE(doc.StepForward());
  EXPECT_EQ(doc.HoldingCount(), 1);
  EXPECT_EQ(doc.Cell(1, 2), Piece(1, 1));
}

TEST_F(FileChecks, MessageNamesTheFirstBadValue) {
  std::string bytes = sound_;
  bytes[LineAt(2)] = 9;
  bytes[TitleAt] = 30;
  WriteAll(File(), bytes);
  prompter.Expect(Answer::Ok);
  doc.Open(File());
  EXPECT_EQ(prompter.Boxes().at(0).Text,
            File() + " は壊れています。\n2 行目の学年 の値 9 が正しくありません。");
}

TEST_F(FileChecks, CursorOffTheDocumentMovesToTheNearestCell) {
  LoadWith(CursorAt, 0);
  EXPECT_EQ(doc.CurLine(), 1);
  LoadWith(CursorAt, 200);
  EXPECT_EQ(doc.CurLine(), 2);
  LoadWith(CursorAt + 1, 0);
  EXPECT_EQ(doc.CurPeriod(), 1);
  LoadWith(CursorAt + 1, 31);
  EXPECT_EQ(doc.CurPeriod(), 30);
  EXPECT_TRUE(prompter.Boxes().empty());

  TimetableImage empty;
  empty.CurLine = 9;
  WriteAll(Path("e.kmt"), empty.Bytes());
  ASSERT_TRUE(doc.Open(Path("e.kmt")));
  EXPECT_EQ(doc.CurLine(), 1);
}

TEST_F(FileChecks, DamagedSubjectFileChangesNothing) {
  doc.SetSubject(1, "A", "", "");
  doc.SaveSubjects(Path("s.kms"));
  std::string bytes = ReadAll(doc.SubjectFileName());
  bytes[2017 + 21 * 99] = 21;  // the length of meaning 100, in the last table
  WriteAll(doc.SubjectFileName(), bytes);
  doc.Clear();
  doc.AddLine(Line(1, 1));
  prompter.Expect(Answer::Ok);
  doc.LoadSubjects(Path("s.kms"));
  ASSERT_EQ(prompter.Boxes().size(), 1u);
  EXPECT_EQ(prompter.Boxes()[0].Text.rfind(Path("s.kms") + " は壊れています。", 0), 0u);
  EXPECT_EQ(doc.SubjectNames1()[1].View(), Cp932Literal("国"));
  EXPECT_EQ(doc.LineCount(), 1);
}

}  // namespace
}  // namespace kumo::test
