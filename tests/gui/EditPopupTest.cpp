// The edit table's popup menu reaches the windows it names: each item, on the running program,
// ends in the window or the command that does it.
#include <functional>

#include "EditTableFixture.h"
#include "editing/KumoCexc.h"
#include "editing/KumoMic.h"
#include "views/KumoCl.h"
#include "views/KumoPicS.h"
#include "views/KumoTe.h"

namespace kumo::test {
namespace {

struct PopupCase {
  const char* item;
  // Whether the item's work was done, on the program after the item ran.
  std::function<bool(KumoApp&)> done;
  bool asks = false;  // the command asks first; the user says OK
};

class EditPopup : public EditTableTest, public ::testing::WithParamInterface<PopupCase> {};

// T2's class 1-2 moved from period 2 to period 3, one step, with the cursor on it.
TEST_P(EditPopup, TheItemEndsInTheWindowThatDoesIt) {
  NewSchool();
  Put(2, 2, ClassPiece(1, 2));
  Refresh();
  for (QWidget* window : app_->ToolWindows()) {
    if (window != app_->frmEdit.get()) window->hide();
  }
  MoveAt(2, 2);
  MoveAt(2, 3);
  Cursor(2, 3);
  ASSERT_EQ(Doc().HistoryPos(), 3);
  platform_.Reset();
  if (GetParam().asks) platform_.Expect(Answer::Ok);
  Edit().LocalMenu().findChild<QAction*>(GetParam().item)->trigger();
  EXPECT_TRUE(GetParam().done(*app_));
}

INSTANTIATE_TEST_SUITE_P(
    Items, EditPopup,
    ::testing::Values(
        PopupCase{"pmnTeacher",
                  [](KumoApp& app) {
                    return app.frmTeacher->isVisible() && app.frmTeacher->ShownLine == 2;
                  }},
        PopupCase{
            "pmnClass",
            [](KumoApp& app) { return app.frmClass->ShownClass == app.classes.FindClass(1, 2); }},
        PopupCase{"pmnFill", [](KumoApp& app) { return app.frmPickS->isVisible(); }},
        PopupCase{"pmnLineHead", [](KumoApp& app) { return app.frmLineHead->isVisible(); }},
        PopupCase{"pmnColumExchange",
                  [](KumoApp& app) { return app.frmColumExchange->isVisible(); }},
        PopupCase{"pmnErace", [](KumoApp& app) { return app.doc.Cell(2, 3).IsEmpty(); }, true},
        PopupCase{"pmnStackClear", [](KumoApp& app) { return app.doc.HistoryPos() == 1; }, true}),
    [](const ::testing::TestParamInfo<PopupCase>& info) { return std::string(info.param.item); });

// The lesson details run their dialog for the cursor cell.
TEST_F(EditTableTest, LessonDetailsRunTheirDialogFromThePopup) {
  NewSchool();
  Cursor(1, 1);
  platform_.ExpectDialog([](QDialog&) { return int{QDialog::Rejected}; });
  Edit().LocalMenu().findChild<QAction*>("pmnHomeRoomState")->trigger();
  ASSERT_EQ(platform_.Dialogs().size(), 1u);
  EXPECT_EQ(platform_.Dialogs().front(), static_cast<QDialog*>(app_->dlgMicro.get()));
}

}  // namespace
}  // namespace kumo::test
