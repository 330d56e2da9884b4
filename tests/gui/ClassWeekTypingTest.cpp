// The single class timetable typed into: a teacher by number or from the chooser, Enter and
// the class keys; and the line header editor by the keyboard alone.
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

#include "EditTableFixture.h"
#include "editing/KumoLh.h"
#include "platform/RadioGroup.h"
#include "views/KumoCl.h"
#include "views/TeacherChooser.h"

namespace kumo::test {
namespace {

class ClassWeekTyping : public EditTableTest {
 protected:
  void SetUp() override {
    EditTableTest::SetUp();
    FourTeachers();
    for (int k = 5; k <= 10; ++k) AddLine("T", 0, 0);
    Refresh();
    Class().ShowOne(app_->classes.FindClass(1, 2));
    At(1);
  }
  TfrmClass& Class() { return *app_->frmClass; }
  void At(int period) { Class().Grid().SetCurrent(DayOf(period) + 1, LessonOf(period)); }
  int Period() const {
    const StringGrid& grid = app_->frmClass->Grid();
    return (grid.Col() - 1) * PeriodsPerDay + grid.Row();
  }
  void Press(int key, const QString& text = {}, Qt::KeyboardModifiers modifiers = {}) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&Class().Grid(), &event);
  }
  void TypeIn(const QString& text) {
    for (const QChar c : text) Press(Qt::Key_A, QString(c));
  }
};

// 1 may still be 10: the chooser waits, Enter takes its first choice, the free line 1.
TEST_F(ClassWeekTyping, ANumberEntersTheClassAndGoesOnOrWaitsInTheChooser) {
  TypeIn(QStringLiteral("3"));
  EXPECT_FALSE(Class().Chooser().isVisible());
  EXPECT_EQ(Doc().Cell(3, 1), ClassPiece(1, 2));
  EXPECT_EQ(Period(), 2);
  EXPECT_FALSE(Class().Grid().Cells(1, 1).trimmed().isEmpty());  // the teacher's subject
  TypeIn(QStringLiteral("１"));  // full width, from the input method
  TeacherChooser& chooser = Class().Chooser();
  ASSERT_TRUE(chooser.isVisible());
  EXPECT_EQ(chooser.ChoiceCount(), 2);
  QKeyEvent zero(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("０"));
  QApplication::sendEvent(chooser.findChild<QLineEdit*>("edtName"), &zero);
  EXPECT_EQ(Doc().Cell(10, 2), ClassPiece(1, 2));
  TypeIn(QStringLiteral("1"));
  QTest::keyClick(chooser.findChild<QLineEdit*>("edtName"), Qt::Key_Return);
  EXPECT_FALSE(chooser.isVisible());
  EXPECT_EQ(Doc().Cell(1, 3), ClassPiece(1, 2));
  EXPECT_EQ(Period(), 4);
}

TEST_F(ClassWeekTyping, SlashAndTheMenuOpenTheChooserThatNarrowsByName) {
  TypeIn(QStringLiteral("/"));
  TeacherChooser& chooser = Class().Chooser();
  ASSERT_TRUE(chooser.isVisible());
  chooser.Narrow(QStringLiteral("T4"));
  EXPECT_EQ(chooser.ChoiceCount(), 1);
  chooser.Choose();
  EXPECT_EQ(Doc().Cell(4, 1), ClassPiece(1, 2));
  Class().findChild<QAction*>("pmnTeacher")->trigger();
  EXPECT_TRUE(chooser.isVisible());
  chooser.hide();
}

// The refusal is said under the edit table, and the period waits for another teacher.
TEST_F(ClassWeekTyping, ABusyTeacherIsToldAndThePeriodStays) {
  Put(2, 1, ClassPiece(1, 3));
  Refresh();
  TypeIn(QStringLiteral("2"));
  EXPECT_EQ(Period(), 1);
  EXPECT_TRUE(Edit().WhyLine().text().contains(QStringLiteral("授業があります")));
}

TEST_F(ClassWeekTyping, EnterGoesOnIntoTheNextDayAndCtrlPageKeysStepTheClass) {
  At(6);
  Press(Qt::Key_Return);
  EXPECT_EQ(Period(), 7);
  EXPECT_EQ(Doc().HistoryEnd(), 1);
  Press(Qt::Key_PageDown, {}, Qt::ControlModifier);
  EXPECT_EQ(Class().ShownClass, app_->classes.FindClass(1, 3));
  Press(Qt::Key_PageUp, {}, Qt::ControlModifier);
  Press(Qt::Key_PageUp, {}, Qt::ControlModifier);
  EXPECT_EQ(Class().ShownClass, app_->classes.FindClass(1, 1));
}

TEST_F(ClassWeekTyping, DeleteErasesTheClassesLessonThen) {
  Put(3, 1, ClassPiece(1, 2));
  Refresh();
  Press(Qt::Key_Delete);
  EXPECT_TRUE(Doc().Cell(3, 1).IsEmpty());
  EXPECT_EQ(Doc().HistoryEnd(), 2);
}

TEST_F(ClassWeekTyping, TheViewMenuGivesTheClassWeekTheKeyboard) {
  app_->frmKumo->show();
  Trigger("mnuViewClass");
  EXPECT_TRUE(QTest::qWaitForWindowActive(&Class()));
}

class LineHeadKeys : public EditTableTest {};

// Arrows choose, Tab walks on, Enter appends after the question, and the grade has the keyboard
// again for the next teacher; Escape closes.
TEST_F(LineHeadKeys, TheTeachersGoInByTheKeyboardAlone) {
  Trigger("mnuFileNew");
  TfrmLineHead& editor = *app_->frmLineHead;
  ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
  auto* grade = editor.findChild<RadioGroup*>("rgrGrade");
  EXPECT_EQ(QApplication::focusWidget(), grade->Button(0));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  EXPECT_EQ(grade->ItemIndex(), 2);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  EXPECT_EQ(editor.findChild<QListWidget*>("lbxSubject")->currentRow(), 1);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget()->objectName(), "edtName");
  QTest::keyClicks(QApplication::focusWidget(), "Abe");
  platform_.Expect(Answer::Ok);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  ASSERT_EQ(Doc().LineCount(), 1);
  EXPECT_EQ(Doc().Line(1).Grade, 2);
  EXPECT_EQ(Doc().Line(1).Subject, 1);
  EXPECT_EQ(Doc().Line(1).Homeroom, 1);
  EXPECT_EQ(QApplication::focusWidget(), grade->Button(2));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_FALSE(editor.isVisible());
}

}  // namespace
}  // namespace kumo::test
