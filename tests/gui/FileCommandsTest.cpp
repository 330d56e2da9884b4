// New, Open, Save, Save As, Close and the close question: prompts, dialogs, captions, command
// states, and what each answer does to the document and its file.
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "editing/KumoEdit.h"
#include "editing/KumoLh.h"
#include "gui/AppFixture.h"
#include "views/KumoChrg.h"
#include "views/KumoTes.h"

namespace kumo::test {
namespace {

const char* const NewClosePrompt = "時間割が保存されていません。保存しますか";
const char* const OpenPrompt = "編集中の時間割が保存されていません。保存しますか";

bool SameBox(const ShownBox& box, BoxType type, const std::string& text) {
  return box.Type == type && box.Buttons == Buttons::YesNoCancel && box.Text == text;
}

class FileCommandsTest : public AppTest {
 protected:
  // Started on a plan file, then changed so that leaving it asks.
  void StartModified(const PlanContents& contents = {}, const std::string& name = "plan.kmt") {
    Start(WritePlan(name, contents));
    test::MarkChanged(app_->doc);
  }
  // Started on a plan in a folder of its own, which then goes: a save there fails.
  void StartModifiedInAFolderThatGoes() {
    std::filesystem::create_directory(dir_.File("gone"));
    StartModified({}, "gone/plan.kmt");
    std::filesystem::remove_all(dir_.File("gone"));
  }
  // How many of the nine document commands are on.
  int DocumentCommandsOn() {
    int on = 0;
    for (const char* name : {"mnuFileSave", "mnuFileSaveAs", "mnuFileClose", "mnuFilePrint",
                             "mnuEdit", "mnuView", "mnuWindow"}) {
      on += Action(name)->isEnabled();
    }
    // The buttons' own state: the line header editor disables the whole main window while
    // it shows.
    QWidget* main = app_->frmKumo.get();
    return on + Button("sbnFileSave")->isEnabledTo(main) + Button("sbnPrint")->isEnabledTo(main);
  }
  // Whether one direction of history stepping is on; its four commands always agree.
  bool Stepping(const char* item1, const char* item2, const char* button1, const char* button2) {
    const bool on = Action(item1)->isEnabled();
    EXPECT_EQ(Action(item2)->isEnabled(), on);
    EXPECT_EQ(Button(button1)->isEnabled(), on);
    EXPECT_EQ(Button(button2)->isEnabled(), on);
    return on;
  }
  bool BackOn() { return Stepping("mnuEditBack", "mnuEditHome", "sbnBack", "sbnHome"); }
  bool ForwardOn() { return Stepping("mnuEditForward", "mnuEditEnd", "sbnForward", "sbnEnd"); }
};

TEST_F(FileCommandsTest, StartWithPathOpensItAndNamesItInTheCaption) {
  const std::string path = WritePlan("plan.kmt", {.lines = 3, .historySteps = 2});
  // Relative to the directory the program starts in, which the start-up then leaves.
  std::filesystem::create_directory(dir_.File("elsewhere"));
  SetCurrentDirectory(dir_.File("elsewhere"));
  Start("../plan.kmt");

  EXPECT_EQ(Caption(), "Kumo - plan");
  EXPECT_EQ(app_->doc.LineCount(), 3);
  EXPECT_EQ(std::filesystem::canonical(CurrentDirectory()), std::filesystem::canonical(dir_.Dir()));
  EXPECT_EQ(DocumentCommandsOn(), 9);
  EXPECT_TRUE(BackOn());
  EXPECT_FALSE(ForwardOn());
  EXPECT_EQ(app_->classes.EntryCount, 3);
  EXPECT_TRUE(platform_.Boxes().empty());
}

// The first start opens the user's own copy of the shipped sample, which both overviews show;
// once settings exist, the start is the usual one, and an existing copy is never overwritten.
TEST_F(FileCommandsTest, FirstStartOpensACopyOfTheSampleSchool) {
  std::filesystem::create_directory(dir_.File("sample"));
  std::filesystem::rename(WritePlan("school.kmt", {.lines = 4}), dir_.File("sample/school.kmt"));
  Start();
  const std::string copy = dir_.File("documents/見本中学校.kmt");
  EXPECT_EQ(Caption(), "Kumo - 見本中学校");
  EXPECT_EQ(app_->doc.FileName(), copy);
  EXPECT_EQ(app_->doc.LineCount(), 4);
  Trigger("mnuViewTeachers");
  Trigger("mnuViewClasses");
  EXPECT_EQ(app_->frmTeachers->ListedLines.size(), 4u);
  EXPECT_EQ(app_->classes.VisibleCount, 4);
  Trigger("mnuFileClose");
  app_->frmKumo->close();  // writes the settings

  WriteFileAtomically(dir_.File("sample/school.kmt"), "changed");
  app_.reset();
  Start();
  EXPECT_EQ(Caption(), "Kumo - 見本中学校") << "the timetable named by the settings";
  EXPECT_EQ(app_->doc.LineCount(), 4);

  // Settings without the overviews' keys give the usual defaults: no grade ticked.
  app_.reset();
  dir_.Write("Kumo.Ini", "[DataFile]\nFileName=" + copy + "\n");
  Start();
  EXPECT_EQ(app_->options.ClassesGrade, (std::array<bool, 3>{}));
  EXPECT_EQ(app_->options.TeachersGroup, 0);
}

TEST_F(FileCommandsTest, SaveOfAnUnchangedOpenedFileLeavesItByteIdentical) {
  const std::string path = WritePlan("plan.kmt", {.lines = 4, .historySteps = 3});
  const std::string before = dir_.Read("plan.kmt");
  Start(path);
  EXPECT_EQ(Action("mnuFileSave")->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
  Trigger("mnuFileSave");
  EXPECT_EQ(dir_.Read("plan.kmt"), before);
  EXPECT_TRUE(platform_.SaveRequests().empty());
}

TEST_F(FileCommandsTest, StartWithAMissingFileShowsTheErrorAndKeepsRunning) {
  platform_.ExpectErrorBox();
  Start(dir_.File("missing.kmt"));
  ASSERT_EQ(platform_.ErrorBoxes().size(), 1u);
  EXPECT_NE(platform_.ErrorBoxes()[0].find("missing.kmt"), std::string::npos);
  EXPECT_EQ(Caption(), "Kumo ");
  EXPECT_FALSE(Action("mnuFileSave")->isEnabled());
  EXPECT_TRUE(app_->frmEdit->isVisible());
}

TEST_F(FileCommandsTest, SaveOfANewTimetableGoesToSaveAsAndCancelKeepsEverything) {
  Start();
  Trigger("mnuFileNew");
  EXPECT_EQ(Caption(), "Kumo - NewTable");
  EXPECT_TRUE(app_->doc.Modified());
  EXPECT_TRUE(app_->frmLineHead->isVisible());
  EXPECT_EQ(DocumentCommandsOn(), 9);

  platform_.ExpectSave(std::nullopt);
  Trigger("mnuFileSave");
  ASSERT_EQ(platform_.SaveRequests().size(), 1u);
  const FileDialogRequest& request = platform_.SaveRequests()[0];
  EXPECT_EQ(request.Filter, "Kumo Ver.2 ファイル|*.kmt");
  EXPECT_EQ(request.DefaultExt, "kmt");
  EXPECT_EQ(request.FileName, "NewTable.kmt");
  EXPECT_EQ(app_->doc.FileName(), "NewTable.kmt");
  EXPECT_TRUE(app_->doc.Modified());
  EXPECT_EQ(Caption(), "Kumo - NewTable");
}

TEST_F(FileCommandsTest, SaveAsReplacesTheExtensionAndRenamesTheCaption) {
  Start();
  Trigger("mnuFileNew");
  platform_.ExpectSave(dir_.File("plan.txt"));
  Trigger("mnuFileSaveAs");
  EXPECT_EQ(app_->doc.FileName(), dir_.File("plan.kmt"));
  EXPECT_TRUE(std::filesystem::exists(dir_.File("plan.kmt")));
  EXPECT_FALSE(std::filesystem::exists(dir_.File("plan.txt")));
  EXPECT_EQ(dir_.Read("plan.kmt").size(), 4209u);
  EXPECT_FALSE(app_->doc.Modified());
  EXPECT_EQ(Caption(), "Kumo - plan");

  // A name without an extension gets it; a dot in a directory name is no extension.
  std::filesystem::create_directory(dir_.File("v1.0"));
  platform_.ExpectSave(dir_.File("v1.0/week"));
  Trigger("mnuFileSaveAs");
  EXPECT_EQ(app_->doc.FileName(), dir_.File("v1.0/week.kmt"));
  EXPECT_EQ(Caption(), "Kumo - week");
  EXPECT_EQ(platform_.SaveRequests().back().FileName, dir_.File("plan.kmt"));
}

TEST_F(FileCommandsTest, FailedSaveShowsTheErrorAndKeepsModified) {
  StartModifiedInAFolderThatGoes();
  platform_.ExpectErrorBox();
  Trigger("mnuFileSave");
  ASSERT_EQ(platform_.ErrorBoxes().size(), 1u);
  EXPECT_FALSE(platform_.ErrorBoxes()[0].empty());
  EXPECT_TRUE(app_->doc.Modified());
  EXPECT_EQ(Caption(), "Kumo - plan");
}

TEST_F(FileCommandsTest, FailedSaveAsKeepsTheNameTheTimetableIsIn) {
  StartModified();
  const std::string before = app_->doc.FileName();
  platform_.ExpectSave(dir_.File("no-such-dir/copy.kmt"));
  platform_.ExpectErrorBox();
  Trigger("mnuFileSaveAs");
  ASSERT_EQ(platform_.ErrorBoxes().size(), 1u);
  EXPECT_EQ(app_->doc.FileName(), before);
  EXPECT_TRUE(app_->doc.Modified());
  EXPECT_EQ(Caption(), "Kumo - plan");
  // Save goes on to the file the caption names.
  Trigger("mnuFileSave");
  EXPECT_FALSE(app_->doc.Modified());
}

TEST_F(FileCommandsTest, CtrlSSavesFromTheEditTableWindow) {
  StartModified();
  QWidget* edit = app_->frmEdit.get();
  edit->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(edit));
  QTest::keyClick(edit, Qt::Key_S, Qt::ControlModifier);
  EXPECT_FALSE(app_->doc.Modified());
}

TEST_F(FileCommandsTest, OpenPromptCancelNoAndYes) {
  StartModified();
  const std::string other = WritePlan("other.kmt", {.lines = 5});

  platform_.Expect(Answer::Cancel);
  Trigger("mnuFileOpen");
  EXPECT_TRUE(SameBox(OnlyBox(), BoxType::Confirmation, OpenPrompt));
  EXPECT_TRUE(platform_.OpenRequests().empty());
  EXPECT_TRUE(app_->doc.Modified());

  platform_.Expect(Answer::No);
  platform_.ExpectOpen(std::nullopt);
  Trigger("mnuFileOpen");
  EXPECT_TRUE(SameBox(OnlyBox(), BoxType::Confirmation, OpenPrompt));
  ASSERT_EQ(platform_.OpenRequests().size(), 1u);
  EXPECT_EQ(platform_.OpenRequests()[0].Filter, "Kumo Ver.2 ﾌｧｲﾙ|*.kmt");
  EXPECT_EQ(platform_.OpenRequests()[0].DefaultExt, "kmt");
  EXPECT_TRUE(app_->doc.Modified());
  EXPECT_EQ(app_->doc.LineCount(), 2);

  // Yes saves the changed plan first: a third line added here reaches plan.kmt.
  TeacherLine third{};
  app_->doc.AddLine(third);
  platform_.Expect(Answer::Yes);
  platform_.ExpectOpen(other);
  Trigger("mnuFileOpen");
  OnlyBox();
  EXPECT_EQ(dir_.Read("plan.kmt").size(), 4209u + 3 * 135);
  EXPECT_EQ(app_->doc.LineCount(), 5);
  EXPECT_FALSE(app_->doc.Modified());
  EXPECT_EQ(Caption(), "Kumo - other");
}

// The load clears the document before it reads, so a file that fails or is refused leaves no
// document open: nothing can then be saved over it.
TEST_F(FileCommandsTest, FailedOrRefusedOpenLeavesNoDocumentToSaveOverTheFile) {
  const std::string plan = WritePlan("plan.kmt", {.lines = 3});
  const std::string whole = ReadFileBytes(plan, 100000);
  const std::string cut = dir_.File("cut.kmt");
  const std::string many = dir_.File("many.kmt");
  WriteFileAtomically(cut, whole.substr(0, whole.size() - 10));
  WriteFileAtomically(many, whole.substr(1).insert(0, 1, '\x65'));

  struct Case {
    std::string path;
    bool errorBox;  // an input/output error, else a refusal through a message box
  };
  for (const Case& c : {Case{dir_.File("missing.kmt"), true}, Case{cut, true}, Case{many, false}}) {
    SCOPED_TRACE(c.path);
    app_.reset();
    Start(plan);
    ASSERT_EQ(Caption(), "Kumo - plan");
    platform_.ExpectOpen(c.path);
    if (c.errorBox) {
      platform_.ExpectErrorBox();
    } else {
      platform_.Expect(Answer::Ok);
    }
    Trigger("mnuFileOpen");
    if (!c.errorBox) {
      EXPECT_EQ(OnlyBox().Text, "教師数が多すぎます");
    }
    EXPECT_EQ(Caption(), "Kumo ");
    EXPECT_EQ(DocumentCommandsOn(), 0);
    EXPECT_EQ(app_->doc.LineCount(), 0);
    EXPECT_FALSE(app_->doc.Modified());
    EXPECT_EQ(app_->doc.FileName(), NewTableName) << "not the timetable to open at the next start";
  }
  EXPECT_EQ(ReadFileBytes(cut, 100000), whole.substr(0, whole.size() - 10));
}

TEST_F(FileCommandsTest, OpeningAFileWithoutHistoryAfterOneWithHistoryDisablesStepping) {
  // One step undone: both directions open.
  Start(WritePlan("long.kmt", {.lines = 2, .historySteps = 3, .undone = 1}));
  ASSERT_TRUE(BackOn());
  ASSERT_TRUE(ForwardOn());

  platform_.ExpectOpen(WritePlan("short.kmt", {.lines = 1, .historySteps = 0}));
  Trigger("mnuFileOpen");
  EXPECT_FALSE(BackOn());
  EXPECT_FALSE(ForwardOn());
}

TEST_F(FileCommandsTest, NewPromptCancelKeepsTheDocumentAndNoDiscardsIt) {
  StartModified();
  Trigger("mnuViewTeachers");
  platform_.Expect(Answer::Cancel);
  Trigger("mnuFileNew");
  EXPECT_TRUE(SameBox(OnlyBox(), BoxType::Warning, NewClosePrompt));
  EXPECT_EQ(app_->doc.LineCount(), 2);
  EXPECT_EQ(Caption(), "Kumo - plan");
  EXPECT_FALSE(app_->frmLineHead->isVisible());

  platform_.Expect(Answer::No);
  Trigger("mnuFileNew");
  OnlyBox();
  EXPECT_EQ(app_->doc.LineCount(), 0);
  EXPECT_EQ(app_->doc.FileName(), "NewTable.kmt");
  EXPECT_EQ(Caption(), "Kumo - NewTable");
  EXPECT_TRUE(app_->doc.Modified());
  EXPECT_TRUE(app_->frmLineHead->isVisible());
  EXPECT_FALSE(app_->frmTeachers->isVisible());
  EXPECT_EQ(DocumentCommandsOn(), 9);
  EXPECT_TRUE(Action("mnuEditStackClear")->isEnabled());
  EXPECT_FALSE(BackOn());
  // The file itself is untouched.
  EXPECT_EQ(dir_.Read("plan.kmt").size(), 4209u + 2 * 135);
}

TEST_F(FileCommandsTest, NewAfterAnUnchangedFileWithHistoryLeavesNothingToStepThrough) {
  Start(WritePlan("plan.kmt", {.lines = 2, .historySteps = 2}));
  ASSERT_TRUE(BackOn());
  Trigger("mnuFileNew");
  EXPECT_TRUE(platform_.Boxes().empty());
  EXPECT_EQ(app_->doc.HistoryEnd(), 1);
  EXPECT_FALSE(BackOn());
  EXPECT_FALSE(ForwardOn());
}

TEST_F(FileCommandsTest, PrintAndSetUpRunTheirDialogs) {
  Start(WritePlan("plan.kmt"));
  std::vector<std::string> titles;
  auto record = [&titles](QDialog& dialog) {
    titles.push_back(dialog.windowTitle().toStdString());
    return int(QDialog::Rejected);
  };
  platform_.ExpectDialog(record);
  platform_.ExpectDialog(record);
  platform_.ExpectDialog(record);
  Button("sbnPrint")->click();
  Button("sbnSetUp")->click();
  Trigger("mnuToolEnv");
  EXPECT_EQ(titles, (std::vector<std::string>{"印刷", "環境設定", "環境設定"}));
}

TEST_F(FileCommandsTest, CloseEmptiesTheDocumentAndDisablesItsCommands) {
  Start(WritePlan("plan.kmt", {.lines = 2, .historySteps = 2}));
  Trigger("mnuViewPickCharge");
  Trigger("mnuFileClose");
  EXPECT_TRUE(platform_.Boxes().empty());
  EXPECT_EQ(Caption(), "Kumo ");
  EXPECT_EQ(app_->doc.LineCount(), 0);
  EXPECT_EQ(app_->doc.FileName(), dir_.File("plan.kmt"));
  EXPECT_FALSE(app_->frmPickCharge->isVisible());
  EXPECT_EQ(DocumentCommandsOn(), 0);
  EXPECT_FALSE(BackOn());
  EXPECT_FALSE(ForwardOn());
  EXPECT_FALSE(Action("mnuEditErace")->isEnabled());
  EXPECT_FALSE(Action("mnuEditStackClear")->isEnabled());
  EXPECT_EQ(app_->classes.EntryCount, 0);

  Trigger("mnuFileNew");
  EXPECT_TRUE(Action("mnuEditStackClear")->isEnabled());
  EXPECT_EQ(DocumentCommandsOn(), 9);
}

TEST_F(FileCommandsTest, ClosePromptYesSavesAndCancelKeeps) {
  StartModified();
  app_->doc.AddLine(TeacherLine{});
  platform_.Expect(Answer::Cancel);
  Trigger("mnuFileClose");
  EXPECT_TRUE(SameBox(OnlyBox(), BoxType::Warning, NewClosePrompt));
  EXPECT_EQ(app_->doc.LineCount(), 3);
  EXPECT_EQ(Caption(), "Kumo - plan");

  platform_.Expect(Answer::Yes);
  Trigger("mnuFileClose");
  OnlyBox();
  EXPECT_EQ(dir_.Read("plan.kmt").size(), 4209u + 3 * 135);
  EXPECT_EQ(Caption(), "Kumo ");
}

TEST_F(FileCommandsTest, CloseAfterCancelledSaveAsGoesOnAsAfterNo) {
  Start();
  Trigger("mnuFileNew");
  platform_.Expect(Answer::Yes);
  platform_.ExpectSave(std::nullopt);
  Trigger("mnuFileClose");
  OnlyBox();
  EXPECT_EQ(Caption(), "Kumo ");
  EXPECT_FALSE(app_->doc.Modified());
}

TEST_F(FileCommandsTest, CloseQuestionOfTheProgram) {
  const std::string question = "plan.kmtは変更されています。保存しますか？";
  StartModifiedInAFolderThatGoes();
  TfrmKumo& main = *app_->frmKumo;

  platform_.Expect(Answer::Cancel);
  main.close();
  EXPECT_TRUE(SameBox(OnlyBox(), BoxType::Confirmation, question));
  EXPECT_TRUE(main.isVisible());

  // Yes with a save that fails: the program keeps running with the changes.
  platform_.Expect(Answer::Yes);
  platform_.ExpectErrorBox();
  main.close();
  OnlyBox();
  EXPECT_TRUE(main.isVisible());
  EXPECT_TRUE(app_->doc.Modified());

  std::filesystem::create_directory(dir_.File("gone"));
  app_->doc.AddLine(TeacherLine{});
  platform_.Expect(Answer::Yes);
  main.close();
  OnlyBox();
  EXPECT_FALSE(main.isVisible());
  EXPECT_EQ(dir_.Read("gone/plan.kmt").size(), 4209u + 3 * 135);
}

TEST_F(FileCommandsTest, CloseQuestionNoEndsWithoutSaving) {
  StartModified();
  const std::string before = dir_.Read("plan.kmt");
  app_->doc.AddLine(TeacherLine{});
  platform_.Expect(Answer::No);
  Trigger("mnuFileExit");
  OnlyBox();
  EXPECT_FALSE(app_->frmKumo->isVisible());
  EXPECT_EQ(dir_.Read("plan.kmt"), before);
}

TEST_F(FileCommandsTest, CloseQuestionYesOnANewTimetableWhoseSaveIsCancelledKeepsRunning) {
  Start();
  Trigger("mnuFileNew");
  platform_.Expect(Answer::Yes);
  platform_.ExpectSave(std::nullopt);
  app_->frmKumo->close();
  EXPECT_EQ(OnlyBox().Text, "NewTable.kmtは変更されています。保存しますか？");
  EXPECT_TRUE(app_->frmKumo->isVisible());
  EXPECT_TRUE(app_->doc.Modified());
}

TEST_F(FileCommandsTest, UnchangedDocumentClosesWithoutAsking) {
  Start(WritePlan("plan.kmt"));
  app_->frmKumo->close();
  EXPECT_TRUE(platform_.Boxes().empty());
  EXPECT_FALSE(app_->frmKumo->isVisible());
}

TEST_F(FileCommandsTest, ClosingTheMainWindowEndsTheProgramWhileTheEditTableIsOpen) {
  Start(WritePlan("plan.kmt"));
  ASSERT_TRUE(app_->frmEdit->isVisible());
  QTimer::singleShot(0, app_->frmKumo.get(), [this] { app_->frmKumo->close(); });
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
  watchdog.start(5000);
  EXPECT_EQ(QApplication::exec(), 0);
}

}  // namespace
}  // namespace kumo::test
