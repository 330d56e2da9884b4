// The Window menu over the real windows, and the ways into the help.
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest/QTest>
#include <functional>

#include "editing/KumoCexc.h"
#include "editing/KumoMic.h"
#include "gui/AppFixture.h"
#include "output/KumoEnv.h"
#include "platform/StringGrid.h"
#include "platform/WindowFrame.h"
#include "shell/WindowLayout.h"
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

// The layouts' formulas take the scripted platform's frames, F = 4, C = 20, and scroll bars of
// 16 on a screen of 1024 × 768; the windows are placed by their outer bounds.
Bounds Outer(const QWidget& w) {
  return OuterBounds(w);
}

class ArrangeTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    Start(WritePlan("plan.kmt"));
  }
  Bounds Main() const { return Outer(*app_->frmKumo); }
  Bounds Edit() const { return Outer(*app_->frmEdit); }
  std::vector<ScriptedPlatform::HelpRequest> Helps() const { return platform_.HelpRequests(); }
};

TEST_F(ArrangeTest, EachCommandLaysTheWindowsOut) {
  const struct {
    const char* Item;
    std::function<void(Bounds main, Bounds edit, KumoApp& app)> Check;
  } commands[] = {
      {"mnuWindowNormal",
       [](Bounds main, Bounds edit, KumoApp&) {
         EXPECT_EQ(edit, (Bounds{0, main.Height + 2, 640, 568}));
       }},
      {"mnuWindowPrior",
       [](Bounds main, Bounds edit, KumoApp&) {
         EXPECT_EQ(main.Left, edit.Width + 2);
         EXPECT_EQ(edit.Top, 0);
       }},
      {"mnuWindowTriple", [](Bounds, Bounds edit, KumoApp&) { EXPECT_EQ(edit.Height, 260); }},
      {"mnuWindowFull",
       [](Bounds main, Bounds edit, KumoApp& app) {
         EXPECT_EQ(edit.Height, 768 - main.Height - 2);
         EXPECT_EQ(edit.Width, 8 + 16 + app.frmEdit->EditGrid().FullWidth());
       }},
      {"mnuWindowDay", [](Bounds, Bounds edit, KumoApp&) { EXPECT_EQ(edit.Width, 222); }},
      {"mnuWindowMatchMain",
       [](Bounds main, Bounds edit, KumoApp&) { EXPECT_EQ(edit.Top, main.Top + main.Height + 2); }},
      {"mnuWindowMatchEdit",
       [](Bounds, Bounds edit, KumoApp& app) {
         EXPECT_EQ(Outer(*app.frmTeacher).Left, edit.Left + edit.Width + 2);
       }},
  };
  for (const auto& c : commands) {
    app_->frmKumo->move(100, 50);
    app_->frmEdit->setGeometry(300, 200, 500, 400);
    Trigger(c.Item);
    SCOPED_TRACE(c.Item);
    c.Check(Main(), Edit(), *app_);
  }
}

TEST_F(ArrangeTest, HiddenWindowsAreMovedAndStayHidden) {
  app_->frmClasses->hide();
  app_->frmTeachers->show();
  Trigger("mnuWindowNormal");
  EXPECT_FALSE(app_->frmClasses->isVisible());
  EXPECT_EQ(Outer(*app_->frmClasses), (Bounds{0, Edit().Top + 528, 640, 160}));
  EXPECT_TRUE(app_->frmTeachers->isVisible());
  app_->frmClasses->show();
  EXPECT_EQ(Outer(*app_->frmClasses).Top, Edit().Top + 528);
}

TEST_F(ArrangeTest, HelpMenuAndButtonOpenContentsAndIndex) {
  Trigger("mnuHelpIndex");
  Trigger("mnuHelpKeyWord");
  Button("sbnHelp")->click();
  using R = ScriptedPlatform::HelpRequest;
  EXPECT_EQ(Helps(), (std::vector<R>{
                         {HelpView::Contents, 0}, {HelpView::Index, 0}, {HelpView::Contents, 0}}));
}

TEST_F(ArrangeTest, PopupHelpItemsOpenTheirWindowsTopics) {
  const std::pair<QWidget*, int> windows[] = {
      {app_->frmEdit.get(), 2},    {app_->frmTeachers.get(), 3}, {app_->frmClasses.get(), 4},
      {app_->frmTeacher.get(), 5}, {app_->frmClass.get(), 6},    {app_->frmPickCharge.get(), 7},
      {app_->frmPickS.get(), 8},   {app_->frmStack.get(), 9},    {app_->frmHoldingStack.get(), 10},
      {app_->frmChecks.get(), 11},
  };
  for (const auto& [window, context] : windows) {
    auto* item = window->findChild<QAction*>(QStringLiteral("pmnHelp"));
    ASSERT_NE(item, nullptr) << context;
    item->trigger();
    ASSERT_FALSE(Helps().empty());
    EXPECT_EQ(Helps().back(), (ScriptedPlatform::HelpRequest{HelpView::Topic, context}));
  }
  EXPECT_EQ(Helps().size(), std::size(windows));
}

TEST_F(ArrangeTest, F1AndHelpButtonsOpenTheActiveTopic) {
  QTest::keyClick(&app_->frmEdit->EditGrid(), Qt::Key_F1);
  app_->frmLineHead->findChild<QPushButton*>(QStringLiteral("btnHelp"))->click();
  // The environment dialog's page decides, for F1 and for its Help button alike.
  platform_.ExpectDialog([](QDialog& dialog) {
    dialog.findChild<QTabWidget*>(QStringLiteral("tnbEnv"))->setCurrentIndex(1);
    QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, Qt::Key_F1);
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Help)->click();
    return QDialog::Rejected;
  });
  Trigger("mnuToolEnv");
  // A dialog of our own button row asks once for its topic.
  platform_.ExpectDialog([](QDialog& dialog) {
    dialog.findChild<QPushButton*>(QStringLiteral("HelpBtn"))->click();
    return QDialog::Rejected;
  });
  app_->doc.AddLine(TeacherLine{});
  app_->doc.SetCursor(1, 1);
  app_->dlgMicro->RunForCell();
  using R = ScriptedPlatform::HelpRequest;
  EXPECT_EQ(Helps(), (std::vector<R>{{HelpView::Topic, 2},
                                     {HelpView::Topic, 211},
                                     {HelpView::Topic, 312},
                                     {HelpView::Topic, 312},
                                     {HelpView::Topic, 511}}));
}

}  // namespace
}  // namespace kumo::test
