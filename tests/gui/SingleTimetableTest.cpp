// The single teacher and single class timetables: what they show, how they step through the
// teachers and classes, and how they follow the document.
#include <QLabel>
#include <QToolButton>
#include <cstdlib>

#include "EditTableFixture.h"
#include "platform/SpinButton.h"
#include "platform/WindowFrame.h"
#include "views/KumoCl.h"
#include "views/KumoTe.h"

namespace kumo::test {
namespace {

class SingleTimetable : public EditTableTest {
 protected:
  TfrmTeacher& Teacher() { return *app_->frmTeacher; }
  TfrmClass& Class() { return *app_->frmClass; }
  std::string Title(TfrmOneWeek& window) { return window.Title().text().toStdString(); }
  QColor TitleColor(TfrmOneWeek& window) {
    return window.Title().palette().color(QPalette::WindowText);
  }
  std::string PeriodText(TfrmOneWeek& window, int period) {
    return window.Grid().Cells(DayOf(period) + 1, LessonOf(period)).toStdString();
  }
  void ShowClass(int grade, int classNo) {
    Class().ShowOne(app_->classes.FindClass(grade, classNo));
  }
  // Some pixel of the period's cell is near the colour, as the glyphs of its text are where they
  // are not smoothed into the background.
  bool Shows(TfrmOneWeek& window, int period, QColor color) {
    const QImage image = Render(window.Grid());
    const QRect rect = window.Grid().CellRect(DayOf(period) + 1, LessonOf(period));
    for (int x = rect.left(); x <= rect.right(); ++x) {
      for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const QColor c = image.pixelColor(x, y);
        if (std::abs(c.red() - color.red()) + std::abs(c.green() - color.green()) +
                std::abs(c.blue() - color.blue()) <
            100) {
          return true;
        }
      }
    }
    return false;
  }
};

TEST_F(SingleTimetable, SpinButtonsStepWithoutWrapping) {
  FourTeachers();  // lines T1..T4; classes 1-1, 1-2, 1-3, 2-1
  Refresh();
  struct Case {
    bool teacher, down;
    int from, to;
    const char* title;
  };
  const Case cases[] = {
      {true, true, 0, 1, "T1先生時間割"},     {true, false, 0, 0, ""},
      {true, false, 1, 1, "T1先生時間割"},    {true, true, 4, 4, "T4先生時間割"},
      {true, true, 6, 6, "先生時間割"},       {true, false, 6, 5, "先生時間割"},
      {false, true, 0, 1, "１年１組時間割"},  {false, false, 0, 0, ""},
      {false, false, 1, 1, "１年１組時間割"}, {false, true, 4, 4, "２年１組時間割"}};
  for (const Case& c : cases) {
    TfrmOneWeek& window = c.teacher ? static_cast<TfrmOneWeek&>(Teacher()) : Class();
    const int& shown = c.teacher ? Teacher().ShownLine : Class().ShownClass;
    window.ShowOne(c.from);
    (c.down ? window.Spin().DownButton() : window.Spin().UpButton()).click();
    EXPECT_EQ(shown, c.to) << c.teacher << c.from << c.down;
    EXPECT_EQ(Title(window), c.title) << c.teacher << c.from << c.down;
  }
  EXPECT_EQ(Teacher().ShownLine, 5);
  EXPECT_EQ(PeriodText(Teacher(), 1), "  ");
}

TEST_F(SingleTimetable, TeacherWeekShowsTheLineDaysAcross) {
  FourTeachers();
  app_->options.PieceColors[1] = Rgb(255, 0, 0);
  Put(1, 8, ClassPiece(1, 2, Locked));  // Tuesday, second period
  Put(1, 3, SubjectPiece(13));
  Refresh();
  Cursor(1, 1);
  Edit().findChild<QAction*>("pmnTeacher")->trigger();
  EXPECT_TRUE(Teacher().isVisible());
  EXPECT_EQ(Title(Teacher()), "T1先生時間割");
  EXPECT_EQ(TitleColor(Teacher()), QColor(255, 0, 0));
  EXPECT_EQ(Teacher().Grid().Cells(2, 2).toStdString(), Label(ClassPiece(1, 2)));
  EXPECT_EQ(PixelAt(Render(Teacher().Grid()), Teacher().Grid(), 2, 2, 1, 1), QColor(221, 221, 221));
  EXPECT_TRUE(Shows(Teacher(), 8, QColor(255, 0, 0)));
  EXPECT_EQ(PeriodText(Teacher(), 1), "  ");

  // A piece lifted from the shown line leaves its period empty; the window follows.
  MoveAt(1, 3);
  EXPECT_EQ(PeriodText(Teacher(), 3), "  ");
}

TEST_F(SingleTimetable, ClassTitleFollowsTheDisplayType) {
  FourTeachers();
  AddLine("T5", 3, 3);
  Refresh();
  struct Case {
    int type, grade, classNo;  // type: digits, circled, letters
    const char* title;
  };
  for (const Case& c : {Case{0, 1, 3, "１年３組時間割"}, Case{1, 2, 1, "２年１組時間割"},
                        Case{2, 2, 1, "２年Ａ組時間割"}, Case{2, 3, 3, "３年Ｃ組時間割"}}) {
    app_->options.ViewClassType = c.type;
    DeriveOptions(app_->options);
    Doc().MakeClassLabels();
    ShowClass(c.grade, c.classNo);
    EXPECT_EQ(Title(Class()), c.title);
    EXPECT_EQ(TitleColor(Class()), ToQColor(app_->options.PieceColors[c.grade])) << c.title;
  }
}

// Each period reads as the classes overview has it; "表示(&V)" switches to two-character names
// and widens the grid under the window's own width.
TEST_F(SingleTimetable, ClassWeekTakesTheSubjectOfEachPeriodInEitherWidth) {
  FourTeachers();  // subject 1 (国) everywhere
  app_->options.PieceColors[1] = Rgb(255, 0, 0);
  app_->options.PieceColors[4] = Rgb(0, 0, 255);
  Put(1, 2, SubjectPiece(13));            // 学活 of the homeroom teacher of 1-1
  Put(2, 3, ClassPiece(1, 1));            // T2 teaches 1-1: the teacher's subject
  Put(3, 4, {KindGrade1, 1, 3, Locked});  // T3 teaches 1-1 its own subject, 数学
  Refresh();
  ShowClass(1, 1);
  const int width = Class().width();
  struct Case {
    int period;
    const char* names[2];
    QColor color;
  };
  const Case cases[] = {{2, {"学", "学活"}, QColor(0, 0, 255)},
                        {3, {"国", "国語"}, QColor(255, 0, 0)},
                        {4, {"数", "数学"}, QColor(255, 0, 0)}};
  for (int letters : {1, 2, 1}) {
    EXPECT_EQ(Class().Letters, letters);
    EXPECT_EQ(Class().Grid().width(), letters == 1 ? 122 : 192);
    EXPECT_EQ(Class().Grid().ColWidth(5), letters == 1 ? 16 : 30);
    EXPECT_EQ(Class().Spin().x(), letters == 1 ? 106 : 176);
    EXPECT_EQ(Class().width(), width);
    for (const Case& c : cases) {
      EXPECT_EQ(PeriodText(Class(), c.period), c.names[letters - 1]) << c.period;
      EXPECT_TRUE(Shows(Class(), c.period, c.color)) << c.period;
    }
    EXPECT_EQ(PeriodText(Class(), 5), "  ");
    Class().findChild<QAction*>("pmnView")->trigger();
  }
  EXPECT_EQ(PixelAt(Render(Class().Grid()), Class().Grid(), 1, 4, 1, 1), QColor(221, 221, 221));
}

// The class is held by its entry number, which a line inserted before its homeroom line moves;
// the teacher by the line number, which a cut may leave past the last line.
TEST_F(SingleTimetable, LineEditsKeepTheClassShownAndMayLeaveTheTeacherWithoutALine) {
  FourTeachers();
  Refresh();
  ShowClass(2, 1);
  ASSERT_EQ(Class().ShownClass, 4);
  Cursor(1, 1);
  TeacherLine line{};
  line.Grade = 1;
  line.Homeroom = 4;
  ASSERT_TRUE(Doc().InsertLine(line));  // 1-4 takes entry 4
  EXPECT_EQ(Class().ShownClass, 5);
  EXPECT_EQ(Title(Class()), "２年１組時間割");
  Teacher().ShownLine = 5;
  Cursor(5, 1);
  ASSERT_TRUE(Doc().DeleteLine());  // 2-1 is gone
  EXPECT_EQ(Class().ShownClass, 0);
  EXPECT_EQ(Title(Teacher()), "先生時間割");
}

// At start-up no class is shown and the window fits the grid of its layout, whatever width the
// settings file held.
using ClassWindowStart = AppTest;

TEST_F(ClassWindowStart, IsAsWideAsItsGrid) {
  for (int letters : {1, 2}) {
    dir_.Write("Kumo.Ini", "[ClassWindow]\nWidth=400\nLetters=" + std::to_string(letters) + "\n");
    TfrmClass& window = *Start().frmClass;
    const Margins frame = FrameOf(window);
    EXPECT_EQ(OuterBounds(window).Width, (letters == 1 ? 122 : 192) + frame.Left + frame.Right);
    EXPECT_EQ(window.width(), letters == 1 ? 122 : 192);
  }
}

}  // namespace
}  // namespace kumo::test
