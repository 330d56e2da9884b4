// Two programs on one timetable: the open tells who has it open elsewhere, and a save does not
// write over a file that another program changed meanwhile without asking.
#include <filesystem>

#include "gui/AppFixture.h"

namespace kumo::test {
namespace {

using TwoProgramsTest = AppTest;

TEST_F(TwoProgramsTest, AFileOpenElsewhereSaysWhereAndOpensOnlyWhenTheUserSays) {
  const std::string path = WritePlan("plan.kmt", {.lines = 3});
  Start();
  platform_.HoldElsewhere(path, {"staffroom-pc", 4242, "2026/12/09 08:15"});
  for (Answer answer : {Answer::Cancel, Answer::Ok}) {
    platform_.Reset();
    platform_.Expect(answer);
    platform_.ExpectOpen(path);
    Trigger("mnuFileOpen");
    ASSERT_EQ(platform_.Boxes().size(), 1u);
    const std::string& text = platform_.Boxes()[0].Text;
    for (const char* told : {"plan.kmt", "staffroom-pc", "4242", "2026/12/09 08:15"}) {
      EXPECT_NE(text.find(told), std::string::npos) << told << " in " << text;
    }
    EXPECT_EQ(app_->doc.LineCount, answer == Answer::Ok ? 3 : 0);
    EXPECT_EQ(Action("mnuFileSave")->isEnabled(), answer == Answer::Ok);
  }
  // Opened anyway, it is not this program's to lock.
  EXPECT_TRUE(platform_.Locked().empty());
}

TEST_F(TwoProgramsTest, TheOpenTimetableIsLockedUntilItIsClosedOrReplaced) {
  const std::string plan = WritePlan("plan.kmt", {.lines = 3});
  const std::string other = WritePlan("other.kmt", {.lines = 2});
  Start(plan);
  EXPECT_EQ(platform_.Locked(), std::vector<std::string>{plan});
  platform_.ExpectOpen(other);
  Trigger("mnuFileOpen");
  EXPECT_EQ(platform_.Locked(), std::vector<std::string>{other});
  platform_.ExpectSave(dir_.File("copy.kmt"));
  Trigger("mnuFileSaveAs");
  EXPECT_EQ(platform_.Locked(), std::vector<std::string>{dir_.File("copy.kmt")});
  Trigger("mnuFileClose");
  EXPECT_TRUE(platform_.Locked().empty());
}

// Another program saved the file after it was opened here: Save asks, and each answer does what
// it says; a file written again with the same bytes is no change.
TEST_F(TwoProgramsTest, SaveOverAFileChangedElsewhereAsksFirst) {
  const std::string theirs = "the other program's timetable";
  for (Answer answer : {Answer::Cancel, Answer::No, Answer::Yes}) {
    const std::string path = WritePlan("plan.kmt", {.lines = 3});
    const std::string ours = dir_.Read("plan.kmt");
    Start(path);
    app_->doc.Modified = true;
    dir_.Write("plan.kmt", theirs);
    platform_.Expect(answer);
    if (answer == Answer::No) platform_.ExpectSave(dir_.File("mine.kmt"));
    Trigger("mnuFileSave");
    ASSERT_EQ(platform_.Boxes().size(), 1u);
    EXPECT_EQ(platform_.Boxes()[0].Buttons, Buttons::OverwriteSaveAsCancel);
    EXPECT_NE(platform_.Boxes()[0].Text.find("plan.kmt"), std::string::npos);
    EXPECT_EQ(dir_.Read("plan.kmt"), answer == Answer::Yes ? ours : theirs);
    EXPECT_EQ(app_->doc.Modified, answer == Answer::Cancel);
    EXPECT_EQ(std::filesystem::exists(dir_.File("mine.kmt")), answer == Answer::No);
    app_->doc.Modified = false;
    app_.reset();
    platform_.Reset();
    std::filesystem::remove(dir_.File("mine.kmt"));
  }
  // Saved here and written again unchanged elsewhere: nothing to ask.
  const std::string path = WritePlan("plan.kmt", {.lines = 3});
  Start(path);
  app_->doc.Modified = true;
  Trigger("mnuFileSave");
  const std::string saved = dir_.Read("plan.kmt");
  dir_.Write("plan.kmt", saved);
  app_->doc.Modified = true;
  Trigger("mnuFileSave");
  EXPECT_TRUE(platform_.Boxes().empty());
}

}  // namespace
}  // namespace kumo::test
