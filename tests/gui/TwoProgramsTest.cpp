// Two programs on one timetable: the open tells who has it open elsewhere, and a save does not
// write over a file that another program changed meanwhile without asking.
#include <filesystem>

#include "gui/AppFixture.h"

namespace kumo::test {
namespace {

using TwoProgramsTest = AppTest;

TEST_F(TwoProgramsTest, AFileOpenElsewhereSaysWhereAndOpensOnlyWhenTheUserSays) {
  const std::string path = WritePlan("plan.kmt", {.lines = 3});
  Start(path);
  EXPECT_EQ(platform_.Locked(), std::vector<std::string>{path});
  Trigger("mnuFileClose");
  EXPECT_TRUE(platform_.Locked().empty());
  platform_.HoldElsewhere(path, {"staffroom-pc", 4242, "2026/12/09 08:15"});
  for (Answer answer : {Answer::Cancel, Answer::Ok}) {
    platform_.Reset();
    platform_.Expect(answer);
    platform_.ExpectOpen(path);
    Trigger("mnuFileOpen");
    ASSERT_EQ(platform_.Boxes().size(), 1u);
    for (const char* told : {"plan.kmt", "staffroom-pc", "4242", "2026/12/09 08:15"}) {
      EXPECT_NE(platform_.Boxes()[0].Text.find(told), std::string::npos) << told;
    }
    EXPECT_EQ(app_->doc.LineCount(), answer == Answer::Ok ? 3 : 0);
  }
  EXPECT_TRUE(platform_.Locked().empty()) << "opened anyway, the file is not this program's";
}

// Another program saved the file after it was opened here: Save asks, and each answer does what
// it says. The same bytes written again are no change. The save under another name goes last:
// the timetable is in that file then.
TEST_F(TwoProgramsTest, SaveOverAFileChangedElsewhereAsksFirst) {
  const std::string path = WritePlan("plan.kmt", {.lines = 3});
  const std::string ours = dir_.Read("plan.kmt"), theirs = "the other program's timetable";
  Start(path);
  for (Answer answer : {Answer::Cancel, Answer::Yes, Answer::No}) {
    test::MarkChanged(app_->doc);
    dir_.Write("plan.kmt", theirs);
    platform_.Reset();
    platform_.Expect(answer);
    if (answer == Answer::No) platform_.ExpectSave(dir_.File("mine.kmt"));
    Trigger("mnuFileSave");
    ASSERT_EQ(platform_.Boxes().size(), 1u);
    EXPECT_EQ(platform_.Boxes()[0].Buttons, Buttons::OverwriteSaveAsCancel);
    EXPECT_EQ(dir_.Read("plan.kmt"), answer == Answer::Yes ? ours : theirs);
    EXPECT_EQ(app_->doc.Modified(), answer == Answer::Cancel);
    EXPECT_EQ(std::filesystem::exists(dir_.File("mine.kmt")), answer == Answer::No);
  }
  const std::string mine = dir_.Read("mine.kmt");
  dir_.Write("mine.kmt", mine);
  test::MarkChanged(app_->doc);
  platform_.Reset();
  Trigger("mnuFileSave");
  EXPECT_TRUE(platform_.Boxes().empty());
}

}  // namespace
}  // namespace kumo::test
