#include <filesystem>
#include <optional>
#include <random>

#include "DocFixture.h"
#include "base/DataHome.h"
#include "base/FileError.h"
#include "base/InPlaceSave.h"
#include "base/SysFile.h"
#include "document/StepBlock.h"

namespace kumo::test {
namespace {

namespace fs = std::filesystem;
using TimetableFile = DocTest;

template <class T>
void Randomize(T& record, std::mt19937& rng) {
  auto* bytes = reinterpret_cast<Byte*>(&record);
  for (std::size_t i = 0; i < sizeof(T); ++i) bytes[i] = static_cast<Byte>(rng());
}

int Pick(std::mt19937& rng, int lo, int hi) {
  return std::uniform_int_distribution<int>(lo, hi)(rng);
}

template <std::size_t N>
void RandomText(Text<N>& t, std::mt19937& rng) {
  Randomize(t, rng);  // filler included
  t.Len = static_cast<Byte>(Pick(rng, 0, N));
}

template <class Table>
void RandomTexts(Table& table, std::mt19937& rng) {
  for (auto& t : table.Items) RandomText(t, rng);
}

// Any piece a sound file may hold, leftovers of an emptied cell included.
PeriodCell RandomPiece(std::mt19937& rng) {
  PeriodCell c;
  Randomize(c, rng);
  c.Kind = static_cast<Byte>(Pick(rng, 0, 5));
  if (c.IsClass()) c.Item = static_cast<Byte>(Pick(rng, 1, 20));
  if (c.Kind == KindSubject) c.Item = static_cast<Byte>(Pick(rng, 0, 100));
  if (c.Kind == KindSymbol) c.Item = static_cast<Byte>(Pick(rng, 1, 100));
  if (!c.IsEmpty()) c.LessonSubject = static_cast<Byte>(Pick(rng, 0, 100));
  return c;
}

HeldPiece RandomHeld(std::mt19937& rng, int lines) {
  HeldPiece h{RandomPiece(rng), 0, 0};
  if (!h.Piece.IsEmpty() && lines == 0) h.Piece.Kind = KindEmpty;
  h.FromLine = static_cast<Byte>(h.Piece.IsEmpty() ? rng() : Pick(rng, 1, lines));
  h.FromPeriod = static_cast<Byte>(h.Piece.IsEmpty() ? rng() : Pick(rng, 1, 30));
  return h;
}

TimetableImage RandomImage(std::mt19937& rng) {
  TimetableImage image;
  const int lines = Pick(rng, 0, 100);
  image.Lines.resize(lines);
  for (TeacherLine& l : image.Lines) {
    Randomize(l, rng);
    l.Grade = static_cast<Byte>(Pick(rng, 0, 3));
    l.Subject = static_cast<Byte>(Pick(rng, 0, 100));
    RandomText(l.Name, rng);
    l.Homeroom = static_cast<Byte>(Pick(rng, 0, 20));
    for (auto& c : l.Cells.Items) c = RandomPiece(rng);
  }
  const int end = lines ? Pick(rng, 1, 5000) : 1;
  image.Pos = Pick(rng, 1, end);
  image.History.resize(end);
  for (int k = 1; k <= end; ++k) {
    HistoryEntry& e = image.History[k - 1];
    Randomize(e, rng);  // the slot at the end keeps whatever it holds
    if (k == end) continue;
    e = {static_cast<Byte>(Pick(rng, 1, lines)), static_cast<Byte>(Pick(rng, 1, 30)),
         RandomPiece(rng), RandomPiece(rng)};
  }
  // Every held entry holds a lesson; only the scratch slot past them is anything at all.
  const int holding = lines ? Pick(rng, 1, 25) : 1;
  image.Hand = RandomHeld(rng, lines);
  image.Holding.resize(holding);
  for (int k = 1; k < holding; ++k) {
    do {
      image.Holding[k - 1] = RandomHeld(rng, lines);
    } while (image.Holding[k - 1].Piece.IsEmpty());
  }
  Randomize(image.Holding.back(), rng);
  image.CurLine = static_cast<Byte>(Pick(rng, 1, std::max(lines, 1)));
  image.CurPeriod = static_cast<Byte>(Pick(rng, 1, 30));
  RandomText(image.Title, rng);
  RandomText(image.Comment, rng);
  RandomTexts(image.Names1, rng);
  RandomTexts(image.Names2, rng);
  RandomTexts(image.Names4, rng);
  RandomTexts(image.Symbols, rng);
  RandomTexts(image.Meanings, rng);
  return image;
}

TEST_F(TimetableFile, EmptyTimetableIs4209Bytes) {
  doc.SaveAs(Path("empty.kmt"));
  std::string bytes = ReadAll(doc.FileName());
  ASSERT_EQ(bytes.size(), 4209u);
  EXPECT_EQ(bytes.substr(0, 5), std::string("\x00\x01\x00\x01\x00", 5));
  // The tables are the last 4117 bytes, beginning with the blank subject.
  EXPECT_EQ(bytes.substr(4209 - 4117, 3), Cp932Literal("\x02　"));
}

// The history, the held pieces, the cursor and the title as a session leaves them.
TEST_F(TimetableFile, CountedBlocksFollowLinesHistoryAndHolding) {
  for (Byte c = 1; c <= 3; ++c) doc.AddLine(Line(1, c, c == 3 ? "abc" : ""));
  Put(1, 7, Piece(1, 2));
  Put(2, 3, Piece(1, 2));
  Put(2, 7, Piece(1, 3));
  MoveAt(2, 3);
  MoveAt(2, 7);  // 1-3 put aside: teacher 1 has 1-2 then
  ASSERT_EQ(doc.HoldingCount(), 2);
  Put(3, 29, Piece(KindSubject, 1));
  for (int k = 0; k < 5; ++k) MoveAt(3, 29, {.ReturnHeld = false});
  doc.StepBack();
  doc.SetTitle("T", "");
  doc.SaveAs(Path("three.kmt"));
  std::string bytes = ReadAll(doc.FileName());
  ASSERT_EQ(bytes.size(), 4690u + StepBlockSize(7));
  EXPECT_EQ(bytes[0], 3);
  EXPECT_EQ(bytes.substr(1 + 270 + 3, 3), "abc");
  EXPECT_EQ(bytes.substr(406, 4), std::string("\x07\x00\x08\x00", 4));
  EXPECT_EQ(bytes[490], 2);  // the holding count
  EXPECT_EQ(bytes[509], 3);  // the cursor
  EXPECT_EQ(bytes[510], 29);
  EXPECT_EQ(bytes.substr(511, 2), "\x01T");
  EXPECT_EQ(bytes.substr(4690, StepBlockMagic.size()), StepBlockMagic);
}

// Every byte a file may hold, opened and saved again.
TEST_F(TimetableFile, SaveAndLoadBringBackEveryStoredByte) {
  std::mt19937 rng(20240401);
  for (int round = 0; round < 12; ++round) {
    const TimetableImage image = RandomImage(rng);
    const std::string written = image.Bytes();
    WriteAll(Path("random.kmt"), written);
    ASSERT_TRUE(doc.Open(Path("random.kmt")));
    ASSERT_TRUE(prompter.Boxes().empty()) << prompter.Boxes()[0].Text;
    EXPECT_FALSE(doc.Modified());
    EXPECT_EQ(doc.SubjectFileName(), "Kumo2.kms");
    EXPECT_EQ(doc.HistoryPos(), image.Pos);
    EXPECT_EQ(doc.CurLine(), image.CurLine);
    doc.SaveAs(Path("again.kmt"));
    ASSERT_EQ(ReadAll(Path("again.kmt")), written) << "round " << round;
    EXPECT_EQ(doc.FileName(), Path("again.kmt"));
  }
}

TEST_F(TimetableFile, LoadStartsFromTheEmptyDocument) {
  doc.SaveAs(Path("plain.kmt"));
  AddLines(2);
  doc.SetSymbol(30, "x", "");
  doc.SaveSubjects(Path("mine.kms"));
  doc.Open(doc.FileName());
  EXPECT_EQ(doc.LineCount(), 0);
  EXPECT_FALSE(doc.Modified());
  EXPECT_TRUE(doc.Symbols()[30].Empty());
  EXPECT_EQ(doc.SubjectFileName(), "Kumo2.kms");
  EXPECT_EQ(doc.FileName(), Path("plain.kmt"));
}

TEST_F(TimetableFile, MoreThanOneHundredLinesIsRefused) {
  std::string bytes(4209 + 135 * 101, '\0');
  bytes[0] = 101;
  WriteAll(Path("big.kmt"), bytes);
  doc.SetSubject(1, "x", "", "");
  prompter.Expect(Answer::Cancel);
  EXPECT_FALSE(doc.Open(Path("big.kmt")));
  ASSERT_EQ(prompter.Boxes().size(), 1u);
  EXPECT_EQ(prompter.Boxes()[0].Text, "教師数が多すぎます");
  EXPECT_EQ(prompter.Boxes()[0].Type, BoxType::Error);
  EXPECT_EQ(doc.LineCount(), 0);
  EXPECT_EQ(doc.SubjectNames1()[1].View(), Cp932Literal("国"));
}

TEST_F(TimetableFile, FileEndingInTheMeaningsKeepsWhatWasReadBefore) {
  AddLines(2);
  EditLine(2, [&](TeacherLine& l) { l.Subject = 7; });
  Put(1, 1, Piece(1, 2));
  doc.SetCursor(1, 1);
  doc.MovePiece({});
  doc.SetSubject(30, "", "", "ab");
  doc.SetSymbol(40, "s", "");
  doc.SetSymbol(1, doc.Symbols()[1].View(), "m");
  doc.SaveAs(Path("cut.kmt"));
  std::string bytes = ReadAll(doc.FileName());
  WriteAll(doc.FileName(), bytes.substr(0, bytes.size() - 1000));

  TKumData loaded(options, prompter);
  try {
    loaded.Open(doc.FileName());
    FAIL() << "no error for a cut file";
  } catch (const FileError& e) {
    EXPECT_EQ(e.what(), EarlyEndMessage(doc.FileName()));
  }
  EXPECT_EQ(loaded.LineCount(), 2);
  EXPECT_EQ(loaded.Line(2).Subject, 7);
  EXPECT_EQ(loaded.HistoryPos(), 2);
  EXPECT_TRUE(loaded.History(1).Hand.SamePiece(Piece(1, 2)));
  EXPECT_EQ(loaded.SubjectNames4()[30].View(), "ab");
  EXPECT_EQ(loaded.Symbols()[40].View(), "s");
  EXPECT_TRUE(loaded.SymbolMeanings()[1].Empty());
}

TEST_F(TimetableFile, FailedSaveLeavesWhatWasThere) {
  AddLines(1);
  EXPECT_THROW(doc.SaveAs(Path("no-such-dir/a.kmt")), FileError);
  EXPECT_FALSE(fs::exists(Path("no-such-dir/a.kmt")));

  const std::string taken = Path("taken.kmt");  // a directory where the file should go
  fs::create_directory(taken);
  WriteAll(taken + "/inside", "kept");
  EXPECT_THROW(doc.SaveAs(taken), FileError);
  EXPECT_EQ(ReadAll(taken + "/inside"), "kept");
  EXPECT_TRUE(doc.Modified());
  EXPECT_EQ(doc.FileName(), NewTableName) << "a failed save keeps the name the document had";
  // No temporary file is left beside it.
  int entries = 0;
  for ([[maybe_unused]] auto& e : fs::directory_iterator(Path(""))) ++entries;
  EXPECT_EQ(entries, 1);
}

// A save cut short part way leaves the file torn and the old bytes in the user's data folder:
// the open offers them back, opens the file as it is, or opens nothing. After a save that never
// began, or that finished, it asks nothing, and the copy goes.
TEST_F(TimetableFile, AFileASaveLeftTornIsOfferedBackAtOpen) {
  DataHome data;
  AddLines(4);
  const std::string file = Path("t.kmt");
  doc.SaveAs(file);
  const std::string old = ReadAll(file), torn = old.substr(0, 100);
  AddLines(1);
  doc.SaveAs(file);
  const std::string saved = ReadAll(file);
  const std::pair<std::string, std::optional<Answer>> cases[] = {
      {old, {}}, {saved, {}}, {torn, Answer::Yes}, {torn, Answer::No}, {torn, Answer::Cancel}};
  for (const auto& [left, answer] : cases) {
    WriteAll(file, old);
    KeepSaveCopy(file, saved);
    WriteAll(file, left);
    prompter.Reset();
    if (answer) prompter.Expect(*answer);
    bool opened = false;
    try {
      opened = doc.Open(file);
    } catch (const FileError&) {
      // opened as it is, the torn file ends early
    }
    ASSERT_EQ(prompter.Boxes().size(), answer ? 1u : 0u);
    EXPECT_TRUE(!answer || prompter.Boxes()[0].Text.starts_with(file));
    EXPECT_EQ(opened, !answer || answer == Answer::Yes);
    EXPECT_EQ(ReadAll(file), answer == Answer::Yes ? old : left);
    EXPECT_EQ(data.Copies(), answer == Answer::Cancel ? 1 : 0);
  }
}

TEST_F(TimetableFile, ReadOnlyFileLoads) {
  AddLines(4);
  doc.SaveAs(Path("locked.kmt"));
  fs::permissions(doc.FileName(),
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  doc.Open(doc.FileName());
  EXPECT_EQ(doc.LineCount(), 4);
}

TEST_F(TimetableFile, MissingFileThrowsAfterClearing) {
  AddLines(1);
  doc.SaveAs(Path("there.kmt"));
  EXPECT_THROW(doc.Open(Path("absent.kmt")), FileError);
  EXPECT_EQ(doc.LineCount(), 0);
  EXPECT_EQ(doc.FileName(), NewTableName);
}

TEST_F(TimetableFile, RelativeNamesResolveAgainstTheCurrentDirectory) {
  std::string before = CurrentDirectory();
  SetCurrentDirectory(Path(""));
  AddLines(2);
  doc.SaveAs("here.kmt");
  doc.Open(doc.FileName());
  SetCurrentDirectory(before);
  EXPECT_EQ(doc.LineCount(), 2);
  EXPECT_TRUE(fs::exists(Path("here.kmt")));
}

using SubjectFile = DocTest;

TEST_F(SubjectFile, HoldsTheFiveTablesInOrder) {
  doc.SetSubject(0, "a", "", "");
  doc.SetSymbol(100, "", "z");
  doc.SaveSubjects(Path("s.kms"));
  EXPECT_EQ(doc.SubjectFileName(), Path("s.kms"));
  std::string bytes = ReadAll(doc.SubjectFileName());
  ASSERT_EQ(bytes.size(), 4117u);
  EXPECT_EQ(bytes.substr(0, 2), "\x01\x61");
  EXPECT_EQ(bytes.substr(4117 - 21, 2), "\x01z");

  doc.Clear();
  AddLines(3);
  Unchanged();
  ASSERT_TRUE(doc.LoadSubjects(Path("s.kms")));
  EXPECT_EQ(doc.SubjectFileName(), Path("s.kms"));
  EXPECT_EQ(doc.SubjectNames1()[0].View(), "a");
  EXPECT_EQ(doc.SymbolMeanings()[100].View(), "z");
  EXPECT_EQ(doc.SubjectNames2()[1].View(), Cp932Literal("国語"));
  EXPECT_EQ(doc.LineCount(), 3);
  EXPECT_FALSE(doc.Modified());
}

// A subject file is exactly 4117 bytes; any other is refused before a table changes.
TEST_F(SubjectFile, FileOfAnotherSizeChangesNothing) {
  doc.SetSubject(5, doc.SubjectNames1()[5].View(), "new", "");
  const std::string file = Path("s.kms");
  doc.SaveSubjects(file);
  const std::string whole = ReadAll(file);
  doc.Clear();

  WriteAll(file, whole.substr(0, 303 + 505 + 100));
  EXPECT_THROW(doc.LoadSubjects(file), FileError);
  EXPECT_EQ(doc.SubjectNames2()[5].View(), Cp932Literal("英語"));

  // A longer one is named with its own size, whatever that is.
  for (std::size_t extra : {std::size_t{1}, std::size_t{1} << 20}) {
    WriteAll(file, whole + std::string(extra, 'x'));
    try {
      doc.LoadSubjects(file);
      ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
      EXPECT_NE(std::string(e.what()).find(std::to_string(whole.size() + extra) + " バイト"),
                std::string::npos)
          << e.what();
    }
    EXPECT_EQ(doc.SubjectNames2()[5].View(), Cp932Literal("英語"));
  }
  EXPECT_TRUE(prompter.Boxes().empty());
  EXPECT_EQ(doc.SubjectFileName(), DefaultSubjectFileName) << "a refused file is not named";
}

}  // namespace
}  // namespace kumo::test
