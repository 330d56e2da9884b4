// The View menu's choice of the teacher and the class to show.
#include "gui/AppFixture.h"
#include "views/KumoCl.h"
#include "views/KumoStck.h"
#include "views/KumoTe.h"
#include "views/KumoTes.h"

namespace kumo::test {
namespace {

class ViewMenuTest : public AppTest {
 protected:
  // Lines of grade 1 with homerooms 1, 2, 3: the class index has 1-1, 1-2, 1-3.
  void SetUp() override {
    AppTest::SetUp();
    Start(WritePlan("plan.kmt", {.lines = 3}));
    ASSERT_EQ(app_->classes.EntryCount, 3);
  }
  int ShownClassFor(int line, int period) {
    app_->doc.SetCursor(line, period);
    Trigger("mnuViewClass");
    EXPECT_TRUE(app_->frmClass->isVisible());
    return app_->frmClass->ShownClass;
  }
};

TEST_F(ViewMenuTest, ClassComesFromTheHandThenTheCursorCellThenTheHomeroom) {
  TKumData& doc = app_->doc;
  // Line 2 teaches 1-2 in period 2 and has 1-2 as its homeroom; period 5 is empty.
  EXPECT_EQ(ShownClassFor(3, 5), app_->classes.FindClass(1, 3));
  EXPECT_EQ(ShownClassFor(1, 1), app_->classes.FindClass(1, 1));
  test::Put(doc, 1, 1, {KindGrade1, 2, 0, 0});
  EXPECT_EQ(ShownClassFor(1, 1), app_->classes.FindClass(1, 2));
  test::InHand(doc, dir_.File("built.kmt"), {{KindGrade1, 3, 0, 0}, 1, 1});
  EXPECT_EQ(ShownClassFor(1, 1), app_->classes.FindClass(1, 3));
  // A subject in hand is no class: the cell decides again.
  test::InHand(doc, dir_.File("built.kmt"), {{KindSubject, 3, 0, 0}, 1, 1});
  EXPECT_EQ(ShownClassFor(1, 1), app_->classes.FindClass(1, 2));
}

TEST_F(ViewMenuTest, AClassOutsideTheIndexShowsNone) {
  test::EditLine(app_->doc, 2, [&](TeacherLine& l) { l.Grade = 0; });
  EXPECT_EQ(ShownClassFor(2, 5), 0);
}

TEST_F(ViewMenuTest, CursorOnNoLineShowsNoClassUnlessTheHandHoldsOne) {
  // Where the cursor stands after the last line was deleted.
  EXPECT_EQ(ShownClassFor(0, 1), 0);
  test::InHand(app_->doc, dir_.File("built.kmt"), {{KindGrade1, 2, 0, 0}, 1, 1});
  EXPECT_EQ(ShownClassFor(0, 1), app_->classes.FindClass(1, 2));
}

TEST_F(ViewMenuTest, TeacherTimetableShowsTheCursorLine) {
  app_->doc.SetCursor(2, app_->doc.CurPeriod());
  Trigger("mnuViewTeacher");
  EXPECT_EQ(app_->frmTeacher->ShownLine, 2);
  EXPECT_TRUE(app_->frmTeacher->isVisible());
}

TEST_F(ViewMenuTest, CloseAllHidesEveryToolWindowButTheEditTable) {
  for (const char* item :
       {"mnuViewTeachers", "mnuViewClasses", "mnuViewTeacher", "mnuViewClass", "mnuViewPickCharge",
        "mnuViewPickS", "mnuViewStack", "mnuViewHoldingStack"}) {
    Trigger(item);
  }
  EXPECT_TRUE(app_->frmTeachers->isVisible());
  Trigger("mnuWindowClose");
  EXPECT_FALSE(app_->frmTeachers->isVisible());
  EXPECT_FALSE(app_->frmStack->isVisible());
  EXPECT_FALSE(app_->frmClass->isVisible());
  EXPECT_TRUE(app_->frmEdit->isVisible());
  EXPECT_TRUE(app_->frmKumo->isVisible());
}

}  // namespace
}  // namespace kumo::test
