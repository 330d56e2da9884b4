#include <filesystem>
#include <optional>
#include <random>

#include "DocFixture.h"
#include "base/DataHome.h"
#include "base/FileError.h"
#include "base/InPlaceSave.h"
#include "base/SysFile.h"

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

void FillRandomly(TKumData& doc, std::mt19937& rng) {
  doc.LineCount = static_cast<Byte>(Pick(rng, 0, 100));
  for (int n = 1; n <= doc.LineCount; ++n) {
    TeacherLine& l = doc.Lines[n];
    Randomize(l, rng);
    l.Grade = static_cast<Byte>(Pick(rng, 0, 3));
    l.Subject = static_cast<Byte>(Pick(rng, 0, 100));
    RandomText(l.Name, rng);
    l.Homeroom = static_cast<Byte>(Pick(rng, 0, 20));
    for (auto& c : l.Cells.Items) c = RandomPiece(rng);
  }
  doc.HistoryEnd = static_cast<std::uint16_t>(doc.LineCount ? Pick(rng, 1, 5000) : 1);
  doc.HistoryPos = static_cast<std::uint16_t>(Pick(rng, 1, doc.HistoryEnd));
  for (int k = 1; k <= doc.HistoryEnd; ++k) {
    HistoryEntry& e = doc.History[k];
    Randomize(e, rng);  // the slot at HistoryEnd keeps whatever it holds
    if (k == doc.HistoryEnd) continue;
    e = {static_cast<Byte>(Pick(rng, 1, doc.LineCount)), static_cast<Byte>(Pick(rng, 1, 30)),
         RandomPiece(rng), RandomPiece(rng)};
  }
  // Every held entry holds a lesson; only the scratch slot past them is anything at all.
  doc.HoldingCount = static_cast<Byte>(doc.LineCount ? Pick(rng, 1, 25) : 1);
  doc.Hand = RandomHeld(rng, doc.LineCount);
  for (int k = 1; k < doc.HoldingCount; ++k) {
    do {
      doc.Holding[k] = RandomHeld(rng, doc.LineCount);
    } while (doc.Holding[k].Piece.IsEmpty());
  }
  Randomize(doc.Holding[doc.HoldingCount], rng);
  doc.CurLine = static_cast<Byte>(Pick(rng, 1, std::max<int>(doc.LineCount, 1)));
  doc.CurPeriod = static_cast<Byte>(Pick(rng, 1, 30));
  RandomText(doc.Title, rng);
  RandomText(doc.Comment, rng);
  RandomTexts(doc.SubjectNames1, rng);
  RandomTexts(doc.SubjectNames2, rng);
  RandomTexts(doc.SubjectNames4, rng);
  RandomTexts(doc.Symbols, rng);
  RandomTexts(doc.SymbolMeanings, rng);
}

TEST_F(TimetableFile, EmptyTimetableIs4209Bytes) {
  doc.FileName = Path("empty.kmt");
  doc.SaveToFile();
  std::string bytes = ReadAll(doc.FileName);
  ASSERT_EQ(bytes.size(), 4209u);
  EXPECT_EQ(bytes.substr(0, 5), std::string("\x00\x01\x00\x01\x00", 5));
  // The tables are the last 4117 bytes, beginning with the blank subject.
  EXPECT_EQ(bytes.substr(4209 - 4117, 3), Cp932Literal("\x02　"));
}

TEST_F(TimetableFile, CountedBlocksFollowLinesHistoryAndHolding) {
  AddLines(3);
  doc.Lines[3].Name.Assign("abc");
  doc.HistoryEnd = 8;
  doc.HistoryPos = 0x0102;  // byte order check; never loaded
  doc.HoldingCount = 2;
  doc.CurLine = 3;
  doc.CurPeriod = 29;
  doc.Title.Assign("T");
  doc.FileName = Path("three.kmt");
  doc.SaveToFile();
  std::string bytes = ReadAll(doc.FileName);
  ASSERT_EQ(bytes.size(), 4690u);
  EXPECT_EQ(bytes[0], 3);
  EXPECT_EQ(bytes.substr(1 + 270 + 3, 3), "abc");
  EXPECT_EQ(bytes.substr(406, 4), std::string("\x02\x01\x08\x00", 4));
  EXPECT_EQ(bytes[490], 2);  // HoldingCount
  EXPECT_EQ(bytes[509], 3);  // CurLine
  EXPECT_EQ(bytes[510], 29);
  EXPECT_EQ(bytes.substr(511, 2), "\x01T");
}

TEST_F(TimetableFile, SaveAndLoadBringBackEveryStoredByte) {
  std::mt19937 rng(20240401);
  for (int round = 0; round < 12; ++round) {
    doc.Clear();
    FillRandomly(doc, rng);
    doc.FileName = Path("random.kmt");
    doc.SubjectFileName = "other.kms";
    doc.Modified = true;
    doc.SaveToFile();
    EXPECT_TRUE(doc.Modified);  // the caller clears it
    std::string saved = ReadAll(doc.FileName);

    TKumData loaded(options, prompter);
    loaded.FileName = doc.FileName;
    loaded.LoadFromFile();
    ASSERT_TRUE(prompter.Boxes().empty()) << prompter.Boxes()[0].Text;
    EXPECT_FALSE(loaded.Modified);
    EXPECT_EQ(loaded.SubjectFileName, "Kumo2.kms");
    EXPECT_EQ(loaded.HistoryPos, doc.HistoryPos);
    EXPECT_EQ(loaded.CurLine, doc.CurLine);
    loaded.FileName = Path("again.kmt");
    loaded.SaveToFile();
    ASSERT_EQ(ReadAll(loaded.FileName), saved) << "round " << round;
  }
}

TEST_F(TimetableFile, LoadStartsFromTheEmptyDocument) {
  doc.FileName = Path("plain.kmt");
  doc.SaveToFile();
  AddLines(2);
  doc.Modified = true;
  doc.Symbols[30].Assign("x");
  doc.SubjectFileName = "mine.kms";
  doc.LoadFromFile();
  EXPECT_EQ(doc.LineCount, 0);
  EXPECT_FALSE(doc.Modified);
  EXPECT_TRUE(doc.Symbols[30].Empty());
  EXPECT_EQ(doc.SubjectFileName, "Kumo2.kms");
  EXPECT_EQ(doc.FileName, Path("plain.kmt"));
}

TEST_F(TimetableFile, MoreThanOneHundredLinesIsRefused) {
  std::string bytes(4209 + 135 * 101, '\0');
  bytes[0] = 101;
  doc.FileName = Path("big.kmt");
  WriteAll(doc.FileName, bytes);
  doc.SubjectNames1[1].Assign("x");
  prompter.Expect(Answer::Cancel);
  doc.LoadFromFile();
  ASSERT_EQ(prompter.Boxes().size(), 1u);
  EXPECT_EQ(prompter.Boxes()[0].Text, "教師数が多すぎます");
  EXPECT_EQ(prompter.Boxes()[0].Type, BoxType::Error);
  EXPECT_EQ(doc.LineCount, 0);
  EXPECT_EQ(doc.SubjectNames1[1].View(), Cp932Literal("国"));
}

TEST_F(TimetableFile, FileEndingInTheMeaningsKeepsWhatWasReadBefore) {
  AddLines(2);
  doc.Lines[2].Subject = 7;
  doc.Cell(1, 1) = Piece(1, 2);
  doc.SetCursor(1, 1);
  doc.MovePiece({});
  doc.SubjectNames4[30].Assign("ab");
  doc.Symbols[40].Assign("s");
  doc.SymbolMeanings[1].Assign("m");
  doc.FileName = Path("cut.kmt");
  doc.SaveToFile();
  std::string bytes = ReadAll(doc.FileName);
  WriteAll(doc.FileName, bytes.substr(0, bytes.size() - 1000));

  TKumData loaded(options, prompter);
  loaded.FileName = doc.FileName;
  try {
    loaded.LoadFromFile();
    FAIL() << "no error for a cut file";
  } catch (const FileError& e) {
    EXPECT_EQ(e.what(), EarlyEndMessage(doc.FileName));
  }
  EXPECT_EQ(loaded.LineCount, 2);
  EXPECT_EQ(loaded.Lines[2].Subject, 7);
  EXPECT_EQ(loaded.HistoryPos, 2);
  EXPECT_TRUE(loaded.History[1].Hand.SamePiece(Piece(1, 2)));
  EXPECT_EQ(loaded.SubjectNames4[30].View(), "ab");
  EXPECT_EQ(loaded.Symbols[40].View(), "s");
  EXPECT_TRUE(loaded.SymbolMeanings[1].Empty());
}

TEST_F(TimetableFile, FailedSaveLeavesWhatWasThere) {
  AddLines(1);
  doc.FileName = Path("no-such-dir/a.kmt");
  EXPECT_THROW(doc.SaveToFile(), FileError);
  EXPECT_FALSE(fs::exists(doc.FileName));

  doc.FileName = Path("taken.kmt");  // a directory where the file should go
  fs::create_directory(doc.FileName);
  WriteAll(doc.FileName + "/inside", "kept");
  EXPECT_THROW(doc.SaveToFile(), FileError);
  EXPECT_EQ(ReadAll(doc.FileName + "/inside"), "kept");
  EXPECT_TRUE(doc.Modified);
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
  doc.FileName = Path("t.kmt");
  doc.SaveToFile();
  const std::string old = ReadAll(doc.FileName), torn = old.substr(0, 100);
  AddLines(1);
  doc.SaveToFile();
  const std::string saved = ReadAll(doc.FileName);
  const std::pair<std::string, std::optional<Answer>> cases[] = {
      {old, {}}, {saved, {}}, {torn, Answer::Yes}, {torn, Answer::No}, {torn, Answer::Cancel}};
  for (const auto& [left, answer] : cases) {
    WriteAll(doc.FileName, old);
    KeepSaveCopy(doc.FileName, saved);
    WriteAll(doc.FileName, left);
    prompter.Reset();
    if (answer) prompter.Expect(*answer);
    bool opened = false;
    try {
      opened = doc.LoadFromFile();
    } catch (const FileError&) {
      // opened as it is, the torn file ends early
    }
    ASSERT_EQ(prompter.Boxes().size(), answer ? 1u : 0u);
    EXPECT_TRUE(!answer || prompter.Boxes()[0].Text.starts_with(doc.FileName));
    EXPECT_EQ(opened, !answer || answer == Answer::Yes);
    EXPECT_EQ(ReadAll(doc.FileName), answer == Answer::Yes ? old : left);
    EXPECT_EQ(data.Copies(), answer == Answer::Cancel ? 1 : 0);
  }
}

TEST_F(TimetableFile, ReadOnlyFileLoads) {
  AddLines(4);
  doc.FileName = Path("locked.kmt");
  doc.SaveToFile();
  fs::permissions(doc.FileName,
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  doc.LoadFromFile();
  EXPECT_EQ(doc.LineCount, 4);
}

TEST_F(TimetableFile, MissingFileThrowsAfterClearing) {
  AddLines(1);
  doc.FileName = Path("absent.kmt");
  EXPECT_THROW(doc.LoadFromFile(), FileError);
  EXPECT_EQ(doc.LineCount, 0);
}

TEST_F(TimetableFile, RelativeNamesResolveAgainstTheCurrentDirectory) {
  std::string before = CurrentDirectory();
  SetCurrentDirectory(Path(""));
  AddLines(2);
  doc.FileName = "here.kmt";
  doc.SaveToFile();
  doc.LoadFromFile();
  SetCurrentDirectory(before);
  EXPECT_EQ(doc.LineCount, 2);
  EXPECT_TRUE(fs::exists(Path("here.kmt")));
}

using SubjectFile = DocTest;

TEST_F(SubjectFile, HoldsTheFiveTablesInOrder) {
  doc.SubjectNames1[0].Assign("a");
  doc.SymbolMeanings[100].Assign("z");
  doc.SubjectFileName = Path("s.kms");
  doc.SaveSubjects();
  std::string bytes = ReadAll(doc.SubjectFileName);
  ASSERT_EQ(bytes.size(), 4117u);
  EXPECT_EQ(bytes.substr(0, 2), "\x01\x61");
  EXPECT_EQ(bytes.substr(4117 - 21, 2), "\x01z");

  doc.Clear();
  AddLines(3);
  doc.Modified = false;
  doc.SubjectFileName = Path("s.kms");
  doc.LoadSubjects();
  EXPECT_EQ(doc.SubjectNames1[0].View(), "a");
  EXPECT_EQ(doc.SymbolMeanings[100].View(), "z");
  EXPECT_EQ(doc.SubjectNames2[1].View(), Cp932Literal("国語"));
  EXPECT_EQ(doc.LineCount, 3);
  EXPECT_FALSE(doc.Modified);
}

// A subject file is exactly 4117 bytes; any other is refused before a table changes.
TEST_F(SubjectFile, FileOfAnotherSizeChangesNothing) {
  doc.SubjectNames2[5].Assign("new");
  doc.SubjectFileName = Path("s.kms");
  doc.SaveSubjects();
  const std::string whole = ReadAll(doc.SubjectFileName);
  doc.Clear();
  doc.SubjectFileName = Path("s.kms");

  WriteAll(doc.SubjectFileName, whole.substr(0, 303 + 505 + 100));
  EXPECT_THROW(doc.LoadSubjects(), FileError);
  EXPECT_EQ(doc.SubjectNames2[5].View(), Cp932Literal("英語"));

  // A longer one is named with its own size, whatever that is.
  for (std::size_t extra : {std::size_t{1}, std::size_t{1} << 20}) {
    WriteAll(doc.SubjectFileName, whole + std::string(extra, 'x'));
    try {
      doc.LoadSubjects();
      ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
      EXPECT_NE(std::string(e.what()).find(std::to_string(whole.size() + extra) + " バイト"),
                std::string::npos)
          << e.what();
    }
    EXPECT_EQ(doc.SubjectNames2[5].View(), Cp932Literal("英語"));
  }
  EXPECT_TRUE(prompter.Boxes().empty());
}

}  // namespace
}  // namespace kumo::test
