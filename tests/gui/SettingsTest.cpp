// The settings file across starts: defaults, the exact keys written, values that do not parse,
// foreign lines, the last timetable, the window layout within the screen, and a read-only file
// under the user's own.
#include <unistd.h>

#include <QCheckBox>
#include <QFile>
#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <QWindow>
#include <QtTest/QTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/IniFile.h"
#include "editing/KumoEdit.h"
#include "gui/AppFixture.h"
#include "output/KumoEnv.h"
#include "output/KumoPrn.h"
#include "platform/RadioGroup.h"
#include "platform/StringGrid.h"
#include "platform/WindowFrame.h"
#include "shell/Settings.h"
#include "views/KumoChk.h"
#include "views/KumoChrg.h"
#include "views/KumoCl.h"
#include "views/KumoCls.h"
#include "views/KumoHlSt.h"
#include "views/KumoPicS.h"
#include "views/KumoStck.h"
#include "views/KumoTe.h"
#include "views/KumoTes.h"

namespace kumo::test {
namespace {

class SettingsTest : public AppTest {
 protected:
  // The user's configuration folder goes into one of the test's own.
  void SetUp() override {
    AppTest::SetUp();
    qputenv("HOME", QFile::encodeName(QString::fromStdString(home_.Dir())));
    ASSERT_TRUE(UserSettingsDirectory().starts_with(home_.Dir()));
  }
  void TearDown() override {
    qputenv("HOME", oldHome_);
    AppTest::TearDown();
  }

  std::string IniPath() const { return dir_.File("Kumo.Ini"); }
  std::string UserIniPath() const { return UserSettingsDirectory() + "Kumo.Ini"; }
  void Close() { app_->frmKumo->close(); }
  void Restart(std::optional<std::string> file = std::nullopt) {
    app_.reset();
    Start(std::move(file));
  }
  // The windows with a "Visible" key, in the order of the file.
  std::vector<QWidget*> ToolWindows() const {
    return {app_->frmClasses.get(),      app_->frmTeachers.get(),   app_->frmStack.get(),
            app_->frmHoldingStack.get(), app_->frmPickCharge.get(), app_->frmPickS.get(),
            app_->frmTeacher.get(),      app_->frmClass.get()};
  }

 private:
  TempDir home_;
  QByteArray oldHome_ = qgetenv("HOME");
};

// "[Section]" and "key" names of the file in their order, and the values by "Section/key".
struct Written {
  std::vector<std::string> Names;
  std::map<std::string, std::string> Values;
};

Written ReadWritten(const std::string& text) {
  Written w;
  std::istringstream in(text);
  std::string section;
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with("[")) {
      section = line.substr(1, line.size() - 2);
      w.Names.push_back(line);
    } else if (auto eq = line.find('='); eq != std::string::npos) {
      w.Names.push_back(line.substr(0, eq));
      w.Values[section + "/" + line.substr(0, eq)] = line.substr(eq + 1);
    }
  }
  return w;
}

TEST_F(SettingsTest, FirstRunWritesExactlyTheKeysInOrderWithTheDefaults) {
  Start();
  // The layout without a settings file.
  QRect main = app_->frmKumo->frameGeometry();
  QRect edit = app_->frmEdit->frameGeometry();
  EXPECT_EQ(edit.top(), main.top() + main.height() + 2);
  EXPECT_EQ(edit.width(), 640);
  EXPECT_EQ(edit.height(), app_->frmEdit->screen()->geometry().height() - 200);
  EXPECT_EQ(app_->frmClasses->frameGeometry().top(), edit.top() + edit.height() - 30);
  // Beside the edit window, as far as the screen lets it.
  const QRect screen = app_->frmEdit->screen()->availableGeometry();
  const QRect stack = app_->frmStack->frameGeometry();
  EXPECT_EQ(stack.left(),
            std::min(edit.left() + edit.width() + 2, screen.right() + 1 - stack.width()));
  EXPECT_FALSE(app_->frmClasses->isVisible());
  EXPECT_TRUE(app_->frmEdit->isVisible());
  Close();

  const char* tool[] = {"Top", "Left", "Height", "Width", "Visible"};
  std::vector<std::string> expected = {"[DataFile]", "FileName",     "[MainWindow]", "Top",
                                       "Left",       "[EditWindow]", "Top",          "Left",
                                       "Height",     "Width"};
  for (const char* section :
       {"ClassesWindow", "TeachersWindow", "StackWindow", "HoldingStackWindow", "PickChargeWindow",
        "PickSWindow", "TeacherWindow"}) {
    expected.push_back("[" + std::string(section) + "]");
    expected.insert(expected.end(), std::begin(tool), std::end(tool));
    if (std::string(section) == "PickSWindow") expected.push_back("Letters");
  }
  expected.insert(expected.end(), {"[ClassWindow]",  "Top",          "Left",
                                   "Height",         "Width",        "Letters",
                                   "Visible",        "[Edit]",       "AutoLocate",
                                   "AutoExchange",   "SelfTeaching", "OnStackView",
                                   "CountedView",    "ASDFKeys",     "TenKeys",
                                   "[ViewClass]",    "Type",         "[ViewTeachers]",
                                   "Group",          "Subject",      "Grade",
                                   "[ViewClasses]",  "Grade1",       "Grade2",
                                   "Grade3",         "[Print]",      "TeachersKinde",
                                   "ClassSmall",     "ClassLarge",   "PaperSize",
                                   "ClassLetters",   "Color",        "CountedPrint",
                                   "[ScrollBars]",   "Vertical",     "Horizontal",
                                   "[Color]",        "Grade1",       "Grade2",
                                   "Grade3",         "Subject",      "Signiture",
                                   "Cursor",         "[Printer]",    "Font",
                                   "[Aids]",         "ShowPlaces",   "[Hand]",
                                   "MarkClashes",    "DragPieces",   "GradeLabels",
                                   "[ChecksWindow]", "Top",          "Left",
                                   "Height",         "Width",        "Visible",
                                   "ShowEmpty",      "[Changes]",    "Frame",
                                   "[View]",         "Zoom"});
  Written w = ReadWritten(dir_.Read("Kumo.Ini"));
  EXPECT_EQ(w.Names, expected);
  std::map<std::string, std::string> values = {{"DataFile/FileName", "NewTable.kmt"},
                                               {"Edit/AutoLocate", "1"},
                                               {"Edit/AutoExchange", "0"},
                                               {"Aids/ShowPlaces", "1"},
                                               {"Hand/MarkClashes", "1"},
                                               {"Hand/GradeLabels", "0"},
                                               {"Changes/Frame", "1"},
                                               {"ClassesWindow/Visible", "0"},
                                               {"PickSWindow/Letters", "1"},
                                               {"ViewTeachers/Subject", "0"},
                                               {"Print/ClassSmall", "1"},
                                               {"ScrollBars/Horizontal", "1"},
                                               {"Color/Grade1", "32768"},
                                               {"Color/Grade3", "8421376"},
                                               {"Color/Cursor", "11184810"},
                                               {"Printer/Font", "ＭＳ ゴシック"},
                                               {"EditWindow/Width", "640"}};
  for (auto& [key, value] : values) EXPECT_EQ(w.Values[key], value) << key;
}

TEST_F(SettingsTest, ValuesAreParsedClampedAndDerivedAndForeignLinesKept) {
  dir_.Write("Kumo.Ini",
             "; kept\r\n[MainWindow]\r\nTop=0x40\r\nLeft=abc\r\nOwn=1\r\n[Tool]\r\nx=y\r\n"
             "[ViewClass]\r\nType=7\r\n[Print]\r\nClassLetters=2\r\nPaperSize=-5\r\n"
             "[Edit]\r\nAutoLocate=0\r\nAutoExchange=1\r\n[ViewTeachers]\r\nGroup=1\r\n"
             "Subject=-1\r\n[Printer]\r\nFont=ゴシックゴシックゴシックゴシックゴシック\r\n");
  Start();
  Options& o = app_->options;
  EXPECT_EQ(app_->frmKumo->frameGeometry().top(), 64);
  EXPECT_EQ(app_->frmKumo->frameGeometry().left(), 0);
  EXPECT_EQ(o.ViewClassType, 2);
  EXPECT_TRUE(o.LetterLabels);
  EXPECT_EQ(o.PrintClassLetters, 4);
  EXPECT_EQ(app_->dlgEnvironment->findChild<RadioGroup*>("rgpViewClassType")->ItemIndex(), 2);
  EXPECT_EQ(app_->dlgEnvironment->findChild<RadioGroup*>("rgpPaperSize")->ItemIndex(), -1);
  EXPECT_EQ(app_->dlgEnvironment->findChild<QListWidget*>("lbxSubject")->currentRow(), -1);
  auto* locate = app_->dlgEnvironment->findChild<QCheckBox*>("cbxAutoLocate");
  EXPECT_TRUE(locate->isChecked());
  EXPECT_FALSE(locate->isEnabled());
  EXPECT_FALSE(app_->dlgEnvironment->findChild<QListWidget*>("lbxSubject")->isEnabled());
  EXPECT_EQ(o.PrintFontName, "ゴシックゴシックゴシックゴシッ");  // 30 bytes
  Close();

  std::string text = dir_.Read("Kumo.Ini");
  EXPECT_TRUE(text.starts_with("; kept\r\n[MainWindow]\r\nTop=64\r\nLeft=0\r\nOwn=1\r\n"));
  EXPECT_NE(text.find("[Tool]\r\nx=y\r\n"), std::string::npos);
  EXPECT_EQ(text.find("\n\n"), std::string::npos);  // every line ends as the file's do
  IniFile ini(IniPath());
  EXPECT_EQ(ini.GetInt("ViewTeachers", "Subject", 0), -1);
  EXPECT_EQ(ini.GetInt("ViewClass", "Type", 0), 2);
}

TEST_F(SettingsTest, SecondStartRestoresLayoutAndReopensTheLastTimetable) {
  std::string plan = WritePlan("week.kmt");
  Start(plan);
  app_->frmStack->show();
  app_->frmEdit->move(30, 300);
  app_->frmEdit->resize(500, 400);
  const QRect editFrame = app_->frmEdit->frameGeometry();
  app_->frmPickS->Letters = 2;
  app_->options.TenKeys = true;
  app_->options.ShowPlaces = false;
  app_->frmChecks->show();
  app_->frmChecks->SetShowEmpty(false);
  Close();

  Restart();
  EXPECT_EQ(app_->doc.FileName(), plan);
  EXPECT_EQ(Caption(), "Kumo - week");
  EXPECT_TRUE(app_->frmStack->isVisible());
  EXPECT_FALSE(app_->frmClasses->isVisible());
  EXPECT_EQ(app_->frmEdit->frameGeometry(), editFrame);
  EXPECT_EQ(app_->frmPickS->Letters, 2);
  EXPECT_TRUE(app_->dlgEnvironment->findChild<QCheckBox*>("cbxTenKeys")->isChecked());
  EXPECT_FALSE(app_->dlgEnvironment->findChild<QCheckBox*>("cbxShowPlaces")->isChecked());
  EXPECT_TRUE(app_->frmChecks->isVisible());
  EXPECT_FALSE(app_->frmChecks->ShowEmpty());
  Close();

  std::string other = WritePlan("other.kmt");
  Restart(other);
  EXPECT_EQ(Caption(), "Kumo - other");
}

TEST_F(SettingsTest, EveryWindowKeepsItsOwnPlaceAndVisibility) {
  Start(WritePlan("week.kmt"));
  std::vector<QWidget*> tools = ToolWindows();
  app_->frmKumo->move(7, 9);
  app_->frmEdit->move(11, 120);
  app_->frmEdit->resize(450, 300);
  std::vector<QRect> frames;
  for (int i = 0; i < 8; ++i) {
    tools[i]->show();
    tools[i]->move(20 + 31 * i, 40 + 17 * i);
    // The single class timetable takes its grid's width at every start, while it shows no class.
    const bool gridWide = tools[i] == app_->frmClass.get();
    tools[i]->resize(gridWide ? tools[i]->width() : 150 + 9 * i, 100 + 7 * i);
    frames.push_back(tools[i]->frameGeometry());
    tools[i]->setVisible(i % 2 == 0);
  }
  const QRect edit = app_->frmEdit->frameGeometry();
  Close();

  Restart();
  std::vector<QWidget*> restored = ToolWindows();
  EXPECT_EQ(app_->frmKumo->frameGeometry().topLeft(), QPoint(7, 9));
  EXPECT_EQ(app_->frmEdit->frameGeometry(), edit);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(restored[i]->isVisible(), i % 2 == 0) << i;
  // A hidden window keeps its outer size through starts in which it is never shown.
  const std::string first = dir_.Read("Kumo.Ini");
  Close();
  EXPECT_EQ(dir_.Read("Kumo.Ini"), first);
  Restart();
  for (int i = 0; i < 8; ++i) {
    restored = ToolWindows();
    restored[i]->show();
    EXPECT_EQ(restored[i]->frameGeometry(), frames[i]) << i;
  }
}

// Under a window manager a window's place is put right a moment after it is shown; without one,
// at once. Either way it must come out as expected.
constexpr int WindowManagerMs = 5000;

::testing::AssertionResult StandsAt(const QWidget& window, const Bounds& expected) {
  if (QTest::qWaitFor([&] { return OuterBounds(window) == expected; }, WindowManagerMs)) {
    return ::testing::AssertionSuccess();
  }
  const Bounds b = OuterBounds(window);
  return ::testing::AssertionFailure()
         << b.Left << "," << b.Top << " " << b.Width << "x" << b.Height << " instead of "
         << expected.Left << "," << expected.Top << " " << expected.Width << "x" << expected.Height;
}

// Ten starts, each moving and resizing every window a little, and ten closings and reopenings
// of each tool window: every window stands where it was left. The same test run under a window
// manager (QT_QPA_PLATFORM=xcb) checks it through real frames.
TEST_F(SettingsTest, WindowsStandWhereTheyWereLeftAcrossTenStartsAndReopenings) {
  Start(WritePlan("week.kmt"));
  for (int run = 0; run < 10; ++run) {
    SCOPED_TRACE(run);
    std::vector<QWidget*> windows = ToolWindows();
    windows.push_back(app_->frmEdit.get());
    std::vector<Bounds> left;
    for (std::size_t i = 0; i < windows.size(); ++i) {
      QWidget& w = *windows[i];
      w.show();
      // The single class timetable takes its grid's width, in its real frame, at every start.
      int width = 180 + run;
      if (&w == app_->frmClass.get()) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !RealFrame(w).IsNull(); }, WindowManagerMs));
        const Margins frame = FrameOf(w);
        width = app_->frmClass->Grid().width() + frame.Left + frame.Right;
      }
      const Bounds b{40 + 20 * static_cast<int>(i) + run, 60 + 15 * static_cast<int>(i) + run,
                     width, 150 + 2 * run};
      SetOuterBounds(w, b);
      EXPECT_TRUE(StandsAt(w, b)) << i;
      left.push_back(b);
    }
    Close();
    Restart();
    windows = ToolWindows();
    windows.push_back(app_->frmEdit.get());
    for (std::size_t i = 0; i < windows.size(); ++i) {
      EXPECT_TRUE(StandsAt(*windows[i], left[i])) << "after the start, window " << i;
    }
    for (std::size_t i = 0; i + 1 < windows.size(); ++i) {
      for (int again = 0; again < 10 && run == 0; ++again) {
        windows[i]->hide();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !windows[i]->windowHandle()->isExposed(); },
                                    WindowManagerMs));
        windows[i]->show();
        ASSERT_TRUE(StandsAt(*windows[i], left[i])) << "reopened, window " << i;
      }
    }
  }
}

// Under a window manager the settings are read before any window has its frame, so the frame is
// guessed; sizes must not change by the guess's error at every start.
TEST_F(SettingsTest, OuterSizesSurviveAStartInWhichTheFramesWereGuessed) {
  const std::string sizes =
      "[EditWindow]\nTop=100\nLeft=10\nHeight=500\nWidth=450\n"
      "[StackWindow]\nTop=100\nLeft=470\nHeight=300\nWidth=160\n";
  dir_.Write("Kumo.Ini", sizes);
  Create();
  LoadSettings(*app_);
  EXPECT_EQ(app_->frmEdit->frameGeometry().size(), QSize(450, 500));
  SaveSettings(*app_);
  IniFile written(IniPath());
  EXPECT_EQ(written.GetInt("EditWindow", "Height", 0), 500);
  EXPECT_EQ(written.GetInt("EditWindow", "Width", 0), 450);
  EXPECT_EQ(written.GetInt("StackWindow", "Height", 0), 300);
  app_->frmStack->show();
  EXPECT_EQ(app_->frmStack->frameGeometry().size(), QSize(160, 300));
}

TEST_F(SettingsTest, BrokenFilesStartWithTheDefaults) {
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 131 + 7) % 256);
  const std::string files[] = {
      garbage,
      "[Edit]\nAutoLocate=" + std::string(100000, '9') + "\n" + std::string(100000, '[') + "\n",
      "[Edit]\n[ViewClass]\n[Color]\n[]\n",
      "AutoLocate=0\nType=2\nFileName=/none.kmt\nTop=50\n",
      "[EditWindow]\nTop=2147483647\nLeft=-2147483648\nHeight=2147483647\n"
      "[StackWindow]\nHeight=2147483647\nTop=2147483647\n",
      // Names no file can have: opening them would only fail, or open another file.
      "[DataFile]\nFileName=" + std::string(5000, 'a') + "\n",
      "[DataFile]\nFileName=" + WritePlan("a.kmt") + '\0' + ".kmt\n",
  };
  for (const std::string& bytes : files) {
    dir_.Write("Kumo.Ini", bytes);
    Start();
    EXPECT_EQ(app_->doc.FileName(), "NewTable.kmt");
    EXPECT_TRUE(app_->options.AutoLocate);
    EXPECT_EQ(app_->options.ViewClassType, 0);
    EXPECT_EQ(app_->options.PieceColors[1], 32768u);
    EXPECT_EQ(app_->frmKumo->frameGeometry().top(), 0);
    EXPECT_EQ(app_->frmEdit->frameGeometry().width(), 640);
    EXPECT_LE(app_->frmStack->frameGeometry().top(), 32767);
    Close();
    EXPECT_EQ(IniFile(IniPath()).GetString("Printer", "Font", ""), "ＭＳ ゴシック");
    app_.reset();
  }
}

// A file too large to be settings (a sparse one here) is said once, set aside, and replaced by
// a fresh file at the close; the next start is a quiet one.
TEST_F(SettingsTest, AnOversizedFileIsSetAsideOnceAndAFreshOneWritten) {
  constexpr std::uintmax_t Size = 500u << 20;
  dir_.Write("Kumo.Ini", "");
  std::filesystem::resize_file(IniPath(), Size);
  platform_.ExpectErrorBox();
  Start();
  ASSERT_EQ(platform_.ErrorBoxes().size(), 1u);
  EXPECT_NE(platform_.ErrorBoxes()[0].find(std::to_string(Size) + " バイト"), std::string::npos)
      << platform_.ErrorBoxes()[0];
  EXPECT_EQ(std::filesystem::file_size(IniPath() + ".too-large"), Size);
  EXPECT_TRUE(app_->options.AutoLocate);
  Close();
  EXPECT_EQ(IniFile(IniPath()).GetString("Printer", "Font", ""), "ＭＳ ゴシック");
  Restart();
  Close();
  EXPECT_EQ(platform_.ErrorBoxes().size(), 1u);
}

// The timetable's name is kept to its first 255 bytes, which here name a file of their own.
TEST_F(SettingsTest, TheTimetableNameIsCutTo255Bytes) {
  const std::string dir = dir_.Dir();
  const std::string cut = WritePlan(std::string(255 - dir.size() - 4, 'a') + ".kmt");
  ASSERT_EQ(cut.size(), 255u);
  dir_.Write("Kumo.Ini", "[DataFile]\nFileName=" + cut + std::string(300, 'b') + "\n");
  Start();
  EXPECT_EQ(app_->doc.FileName(), cut);
}

TEST_F(SettingsTest, CancelAtTheCloseQuestionLeavesTheFileUnwritten) {
  Start();
  test::MarkChanged(app_->doc);
  platform_.Expect(Answer::Cancel);
  Close();
  platform_.Reset();
  EXPECT_FALSE(std::filesystem::exists(IniPath()));
  app_->doc.SaveAs(app_->doc.FileName());
}

TEST_F(SettingsTest, UnreadableAndUnwritableFileIsReportedAndLosesNothing) {
  std::filesystem::create_directory(IniPath());
  dir_.Write("Kumo.Ini/keep", "x");
  platform_.ExpectErrorBox();
  Start();
  EXPECT_EQ(app_->doc.FileName(), "NewTable.kmt");
  platform_.ExpectErrorBox();
  Close();
  EXPECT_TRUE(platform_.ErrorBoxes().back().starts_with(IniPath() + " に書き込めません\n"))
      << platform_.ErrorBoxes().back();
  EXPECT_EQ(dir_.Read("Kumo.Ini/keep"), "x");
}

// A file neither it nor its folder may be written gives the starting values; the user's changes
// go to a file of his own, which wins over it at the next start.
TEST_F(SettingsTest, ReadOnlyFileGivesTheDefaultsUnderTheUsersOwnFile) {
  EXPECT_EQ(SettingsPlace(dir_.Dir() + "missing/").Own, UserIniPath());
  // An installed program keeps them in the user's folder even where it may write its own.
  std::filesystem::create_directories(dir_.Dir() + "share/kumo");
  std::filesystem::create_directory(dir_.Dir() + "bin");
  EXPECT_EQ(SettingsPlace(dir_.Dir() + "bin/").Own, UserIniPath());
  EXPECT_EQ(SettingsPlace(dir_.Dir()).Own, IniPath());
  const std::string defaults = "[Edit]\nTenKeys=1\nAutoLocate=0\nSelfTeaching=1\n";
  dir_.Write("Kumo.Ini", defaults);
  for (const std::string& path : {IniPath(), dir_.Dir()}) {
    std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
  }
  Start();
  EXPECT_TRUE(app_->options.TenKeys);
  EXPECT_FALSE(app_->options.AutoLocate);
  app_->options.AutoLocate = true;
  Close();  // with no error box
  EXPECT_EQ(dir_.Read("Kumo.Ini"), defaults);
  EXPECT_TRUE(IniFile(UserIniPath()).GetBool("Edit", "AutoLocate", false));

  std::ofstream(UserIniPath(), std::ios::binary) << "[Edit]\nAutoLocate=1\nTenKeys=0\n";
  Restart();
  EXPECT_TRUE(app_->options.AutoLocate);
  EXPECT_FALSE(app_->options.TenKeys);
  EXPECT_TRUE(app_->options.SelfTeaching);
}

// A window whose title bar would be off the screen comes back by as little as it takes, none is
// larger than the screen, and what is written at exit is where the windows are.
TEST_F(SettingsTest, WindowsAreKeptWithinReachOnTheScreen) {
  dir_.Write("Kumo.Ini",
             "[MainWindow]\nTop=-5000\nLeft=9000\n"
             "[EditWindow]\nTop=-200\nLeft=100\nHeight=2147483647\nWidth=500\n"
             "[StackWindow]\nTop=-5000\nLeft=-5000\nHeight=2147483647\nWidth=2147483647\n"
             "[PickSWindow]\nTop=5000\nLeft=5000\nHeight=-9\nWidth=2147483647\n"
             "[ClassWindow]\nTop=300\nLeft=-100\nHeight=2147483647\nWidth=300\n");
  Start();
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  const QRect main = app_->frmKumo->frameGeometry();
  EXPECT_EQ(main.topLeft(), QPoint(screen.right() + 1 - main.width(), 0));
  EXPECT_EQ(app_->frmClass->frameGeometry().topLeft(), QPoint(0, 300));
  const std::pair<const char*, QWidget*> windows[] = {{"EditWindow", app_->frmEdit.get()},
                                                      {"StackWindow", app_->frmStack.get()},
                                                      {"PickSWindow", app_->frmPickS.get()},
                                                      {"ClassWindow", app_->frmClass.get()}};
  std::vector<Bounds> placed;
  for (const auto& [section, window] : windows) placed.push_back(OuterBounds(*window));
  const int bar = FrameOf(*app_->frmEdit).Top;
  Close();
  IniFile written(IniPath());
  for (std::size_t i = 0; i < std::size(windows); ++i) {
    const char* section = windows[i].first;
    const QRect frame(written.GetInt(section, "Left", 0), written.GetInt(section, "Top", 0),
                      written.GetInt(section, "Width", 0), written.GetInt(section, "Height", 0));
    EXPECT_EQ(frame.topLeft(), QPoint(placed[i].Left, placed[i].Top)) << section;
    EXPECT_EQ(frame.size().boundedTo(screen.size()), frame.size()) << section;
    EXPECT_TRUE(frame.left() >= screen.left() && frame.right() <= screen.right()) << section;
    EXPECT_EQ((QRect(frame.topLeft(), QSize(frame.width(), bar)) & screen).height(), bar)
        << section;
  }
}

// The sizes of a grid's first header cell and of the whole grid, in screen pixels.
std::pair<QSize, int> GridSizes(const StringGrid& grid) {
  return {grid.CellRect(0, 0).size(), grid.FullWidth()};
}

TEST_F(SettingsTest, ZoomCommandsScaleEveryGridTogetherAndTheZoomIsKept) {
  Start(WritePlan("week.kmt"));
  StringGrid& edit = app_->frmEdit->EditGrid();
  StringGrid& teachers = app_->frmTeachers->Grid();
  const auto editSizes = GridSizes(edit);
  const auto teacherSizes = GridSizes(teachers);
  const int classWidth = app_->frmClass->Grid().width();
  EXPECT_TRUE(Action("mnuViewZoomIn")->shortcuts().contains(QKeySequence("Ctrl+=")));

  Trigger("mnuViewZoomIn");
  Trigger("mnuViewZoomIn");
  EXPECT_EQ(app_->options.Zoom, 150);
  for (StringGrid* grid : {&edit, &teachers}) {
    EXPECT_EQ(grid->Zoom(), 150);
    EXPECT_EQ(grid->CellRect(0, 0).width(), grid->Zoomed(grid->ColWidth(0)));
  }
  EXPECT_EQ(GridSizes(edit).second, edit.Zoomed(editSizes.second));
  // The class timetable lays its grid out itself, and keeps every day in view.
  StringGrid& classGrid = app_->frmClass->Grid();
  EXPECT_EQ(classGrid.width(), classGrid.Zoomed(classWidth));
  Trigger("mnuViewZoomOut");
  EXPECT_EQ(teachers.Zoom(), 125);
  Trigger("mnuViewZoomReset");
  EXPECT_EQ(GridSizes(edit), editSizes);
  EXPECT_EQ(GridSizes(teachers), teacherSizes);

  for (int i = 0; i < 9; ++i) Trigger("mnuViewZoomIn");
  EXPECT_EQ(app_->options.Zoom, 200);
  Close();
  EXPECT_EQ(IniFile(IniPath()).GetInt("View", "Zoom", 0), 200);
  Restart();
  EXPECT_EQ(app_->frmStack->Grid().Zoom(), 200);
  StringGrid& restored = app_->frmEdit->EditGrid();
  EXPECT_EQ(GridSizes(restored).second, restored.Zoomed(editSizes.second));
  Close();

  // A zoom off the steps, written by hand, takes the nearest larger one.
  IniFile ini(IniPath());
  ini.SetInt("View", "Zoom", 140);
  ini.Save();
  Restart();
  EXPECT_EQ(app_->options.Zoom, 150);
}

TEST_F(SettingsTest, CtrlWithTheWheelOverAnyGridZoomsThemAll) {
  Start(WritePlan("week.kmt"));
  StringGrid& teachers = app_->frmTeachers->Grid();
  auto wheel = [&](int delta, Qt::KeyboardModifiers modifiers) {
    const QPoint at(30, 30);
    QWheelEvent event(at, teachers.viewport()->mapToGlobal(at), {}, {0, delta}, Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(teachers.viewport(), &event);
  };
  wheel(120, Qt::ControlModifier);
  EXPECT_EQ(app_->frmEdit->EditGrid().Zoom(), 125);
  // A fine wheel zooms once its turns add up to a notch.
  wheel(60, Qt::ControlModifier);
  EXPECT_EQ(app_->options.Zoom, 125);
  wheel(60, Qt::ControlModifier);
  EXPECT_EQ(app_->options.Zoom, 150);
  wheel(-240, Qt::ControlModifier);
  EXPECT_EQ(teachers.Zoom(), 100);
  // Without Ctrl the wheel scrolls and leaves the zoom alone.
  wheel(-120, Qt::NoModifier);
  EXPECT_EQ(app_->options.Zoom, 100);
}

}  // namespace
}  // namespace kumo::test
