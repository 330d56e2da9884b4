// What changed against the timetable as opened or last saved, or against another file: the
// cells, the list, and the notices for the teachers and the classes.
#include "DocFixture.h"
#include "document/Changes.h"
#include "document/Naming.h"

namespace kumo::test {
namespace {

constexpr Byte Math = 3;
constexpr Byte English = 5;

using Cells = std::vector<std::pair<int, int>>;

void Move(TKumData& doc, int line, int period) {
  doc.SetCursor(line, period);
  doc.MovePiece({});
}

// 田中 (math, homeroom 1-1) and 佐藤 (English, homeroom 1-2), saved with a few lessons.
class Changes : public DocTest {
 protected:
  void SetUp() override {
    DocTest::SetUp();
    doc.AddLine(Line(1, 1, "田中", Math));
    doc.AddLine(Line(1, 2, "佐藤", English));
    Put(1, 1, Piece(1, 1));
    Put(1, 2, Piece(1, 2));
    Put(2, 3, Piece(1, 1));
  }
  Cells Changed() const {
    Cells cells;
    for (const CellChange& c : FindChanges(doc)) cells.push_back({c.Line, c.Period});
    return cells;
  }
};

TEST_F(Changes, TheChangesFollowMovesBackSavesAndLineEdits) {
  EXPECT_TRUE(Changed().empty()) << "a timetable never saved is compared with nothing";
  EXPECT_FALSE(CellChanged(doc, 1, 1));
  doc.SaveAs(Path("school.kmt"));
  const struct {
    const char* what;
    void (*step)(TKumData&, ScriptedPrompter&);
    Cells changed;
  } steps[] = {
      {"1-1 moved from 月１ to 月４",
       [](TKumData& d, ScriptedPrompter&) { Move(d, 1, 1), Move(d, 1, 4); }, Cells{{1, 1}, {1, 4}}},
      {"Back puts it down in hand again", [](TKumData& d, ScriptedPrompter&) { d.StepBack(); },
       Cells{{1, 1}}},
      {"Back lifts nothing more", [](TKumData& d, ScriptedPrompter&) { d.StepBack(); }, Cells{}},
      {"Forward twice", [](TKumData& d, ScriptedPrompter&) { d.StepForward(), d.StepForward(); },
       Cells{{1, 1}, {1, 4}}},
      {"a save compares with what it wrote",
       [](TKumData& d, ScriptedPrompter&) { d.SaveAs(d.FileName()); }, Cells{}},
      {"1-2 moved to 月５", [](TKumData& d, ScriptedPrompter&) { Move(d, 1, 2), Move(d, 1, 5); },
       Cells{{1, 2}, {1, 5}}},
      {"a line inserted above moves the changes with their lines",
       [](TKumData& d, ScriptedPrompter& p) {
         p.Expect(Answer::Ok);
         d.ClearHistory();
         d.SetCursor(1, 1);
         d.InsertLine(Line(1, 3, "鈴木"));
       },
       Cells{{2, 2}, {2, 5}}},
      {"the new line's lesson is new",
       [](TKumData& d, ScriptedPrompter&) { Put(d, 1, 6, Piece(1, 3)); },
       Cells{{1, 6}, {2, 2}, {2, 5}}},
      {"佐藤 cut: the lesson the line had is gone",
       [](TKumData& d, ScriptedPrompter&) {
         d.SetCursor(3, 1);
         d.DeleteLine();
       },
       Cells{{1, 6}, {2, 2}, {2, 5}, {0, 3}}},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.what);
    s.step(doc, prompter);
    EXPECT_EQ(Changed(), s.changed);
    for (const auto& [line, period] : s.changed) {
      if (line != 0) {
        EXPECT_TRUE(CellChanged(doc, line, period));
      }
    }
  }
}

TEST_F(Changes, OpeningComparesWithTheFileAndClearingWithNothing) {
  doc.SaveAs(Path("school.kmt"));
  Put(1, 9, Piece(1, 2));
  EXPECT_EQ(Changed(), (Cells{{1, 9}}));
  ASSERT_TRUE(doc.Open(doc.FileName()));
  EXPECT_TRUE(Changed().empty());
  Put(1, 9, Piece(1, 2));
  EXPECT_EQ(Changed(), (Cells{{1, 9}}));
  doc.Clear();
  doc.AddLine(Line(1, 1, "田中", Math));
  Put(1, 9, Piece(1, 2));
  EXPECT_TRUE(Changed().empty());
}

// Last term's file had the teachers in another order, one more of them, and no 鈴木.
TEST_F(Changes, AnotherFileIsComparedLineByTeachersName) {
  std::vector<TeacherLine> other(3);
  other[0] = Line(1, 2, "佐藤", English);
  other[0].Cells[3] = Piece(1, 1);
  other[0].Cells[4] = Piece(1, 2);  // moved to 田中 since
  other[1] = Line(1, 3, "高橋", Math);
  other[1].Cells[6] = Piece(1, 3);  // 高橋 has left
  other[2] = Line(1, 1, "田中", Math);
  other[2].Cells[1] = Piece(1, 1);
  doc.CompareWith(Baseline::ByName(other, doc.LinesInUse()));
  EXPECT_EQ(Changed(), (Cells{{1, 2}, {2, 4}, {0, 6}}));

  const std::vector<Notice> notices = FindNotices(doc);
  struct Expected {
    std::string title;
    bool forClass;
    std::vector<std::array<std::string, 3>> rows;
  };
  const std::vector<Expected> expected = {
      {"田中", false, {{"月２", "空き", "１－２ 数学"}}},
      {"佐藤", false, {{"月４", "１－２ 英語", "空き"}}},
      {"高橋", false, {{"月６", "１－３ 数学", "空き"}}},
      {"１－２", true, {{"月２", "空き", "数学 田中"}, {"月４", "英語 佐藤", "空き"}}},
      {"１－３", true, {{"月６", "数学 高橋", "空き"}}},
  };
  ASSERT_EQ(notices.size(), expected.size());
  for (std::size_t i = 0; i < notices.size(); ++i) {
    SCOPED_TRACE(expected[i].title);
    EXPECT_EQ(notices[i].Title, expected[i].title);
    EXPECT_EQ(notices[i].ForClass, expected[i].forClass);
    std::vector<std::array<std::string, 3>> rows;
    for (const NoticeRow& r : notices[i].Rows) {
      rows.push_back({PeriodText(r.Period), r.Before, r.After});
    }
    EXPECT_EQ(rows, expected[i].rows);
  }

  const std::string text = ExportText(NoticeTable(notices));
  EXPECT_NE(text.find(Cp932Literal("月２\t空き\t１－２ 数学\r\n")), std::string::npos);
  EXPECT_NE(text.find(Cp932Literal("１－３　時間割の変更\r\n")), std::string::npos);
}

}  // namespace
}  // namespace kumo::test
