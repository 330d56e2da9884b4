// The main window as the user first sees it: menus, speed buttons, captions, start-up states and
// the window placement without a settings file.
#include <QFontInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

#include "editing/KumoEdit.h"
#include "editing/KumoLh.h"
#include "gui/AppFixture.h"
#include "shell/KumoAbout.h"
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

struct ItemRow {
  const char* menu;
  const char* name;
  const char* caption;
  const char* shortcut;
  bool separatorAfter;
  bool enabledAtStart;
};

const ItemRow Items[] = {
    {"mnuFile", "mnuFileNew", "新規作成(&N)", "", false, true},
    {"mnuFile", "mnuFileOpen", "開く(&O)...", "", false, true},
    {"mnuFile", "mnuFileSave", "上書き保存(&S)", "Ctrl+S", false, false},
    {"mnuFile", "mnuFileSaveAs", "名前を付けて保存(&A)...", "", false, false},
    {"mnuFile", "mnuFileClose", "閉じる(&C)", "", false, false},
    {"mnuFile", "mnuFileCompare", "比較(&D)...", "", true, true},
    {"mnuFile", "mnuFilePrint", "印刷(&P)...", "Ctrl+P", true, false},
    {"mnuFile", "mnuFileExit", "終了(&X)", "Alt+X", false, true},
    {"mnuEdit", "mnuEditBack", "１ステップ戻る(&B)", "Ctrl+Z", false, false},
    {"mnuEdit", "mnuEditForward", "１ステップ進む(&F)", "Ctrl+Y", false, false},
    {"mnuEdit", "mnuEditHome", "スタック先頭へ(&H)", "", false, false},
    {"mnuEdit", "mnuEditEnd", "スタック後尾へ(&E)", "", true, false},
    {"mnuEdit", "mnuEditErace", "消去(&D)", "", false, true},
    {"mnuEdit", "mnuEditFill", "埋め込み(&I)", "", false, true},
    {"mnuEdit", "mnuEditAll", "全てを選択(&L)", "", true, true},
    {"mnuEdit", "mnuEditStackClear", "スタッククリア(&U)", "", false, false},
    {"mnuEdit", "mnuEditHoldingClear", "保持クラスクリア(&O)", "", true, true},
    {"mnuEdit", "mnuEditLineHead", "行ヘッダ(&N)", "", false, false},
    {"mnuEdit", "mnuColumExchange", "列交換(&C)", "", false, true},
    {"mnuView", "mnuViewTeachers", "教師一覧(&T)", "", false, true},
    {"mnuView", "mnuViewClasses", "クラス一覧(&C)", "", true, true},
    {"mnuView", "mnuViewTeacher", "教師個別(&U)", "", false, true},
    {"mnuView", "mnuViewClass", "クラス個別(&D)", "", true, true},
    {"mnuView", "mnuViewPickCharge", "クラス入力(&I)", "", false, true},
    {"mnuView", "mnuViewPickS", "教科,記号(&K)", "", true, true},
    {"mnuView", "mnuViewStack", "スタック(&S)", "", false, true},
    {"mnuView", "mnuViewHoldingStack", "保持クラス(&H)", "", true, true},
    {"mnuView", "mnuViewChecks", "点検(&J)", "Ctrl+J", true, true},
    {"mnuView", "mnuViewRenew", "表示の更新(&R)", "", true, true},
    {"mnuView", "mnuViewZoomIn", "拡大(&E)", "Ctrl++", false, true},
    {"mnuView", "mnuViewZoomOut", "縮小(&N)", "Ctrl+-", false, true},
    {"mnuView", "mnuViewZoomReset", "標準(&M)", "Ctrl+0", false, true},
    {"mnuTool", "mnuToolEnv", "環境設定(&S)...", "", true, true},
    {"mnuTool", "mnuToolFile", "ﾌｧｲﾙｴｸｽﾎﾟｰﾄ(&E)...", "", false, true},
    {"mnuWindow", "mnuWindowNormal", "標準整列(&N)", "", false, true},
    {"mnuWindow", "mnuWindowPrior", "編集ｳｨﾝﾄﾞｳ優先(&P)", "", true, true},
    {"mnuWindow", "mnuWindowTriple", "トリプル(&T)", "", false, true},
    {"mnuWindow", "mnuWindowFull", "フルサイズ(&F)", "", false, true},
    {"mnuWindow", "mnuWindowDay", "１日幅(&O)", "", true, true},
    {"mnuWindow", "mnuWindowMatchMain", "ﾒｲﾝｳｨﾝﾄﾞｳに合わせる(&M)", "", false, true},
    {"mnuWindow", "mnuWindowMatchEdit", "編集ｳｨﾝﾄﾞｳに合わせる(&E)", "", true, true},
    {"mnuWindow", "mnuWindowClose", "すべて閉じる(&C)", "", false, true},
    {"munHelp", "mnuHelpIndex", "目次(&I)", "", false, true},
    {"munHelp", "mnuHelpKeyWord", "キーワードで検索(&T)...", "", true, true},
    {"munHelp", "mnuHelpAbout", "バージョン情報(&A)...", "", false, true},
};

TEST_F(AppTest, MenuBarHoldsEveryMenuInOrderWithItsCaption) {
  Start();
  const char* const names[] = {"mnuFile", "mnuEdit", "mnuView", "mnuTool", "mnuWindow", "munHelp"};
  const char* const captions[] = {"ﾌｧｲﾙ(&F)", "編集(&E)",   "表示(&V)",
                                  "ﾂｰﾙ(&T)",  "ｳｨﾝﾄﾞｳ(&W)", "ﾍﾙﾌﾟ(&H)"};
  const QList<QAction*> menus = app_->frmKumo->menuBar()->actions();
  ASSERT_EQ(menus.size(), 6);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(menus[i]->menu()->objectName().toStdString(), names[i]);
    EXPECT_EQ(menus[i]->text().toStdString(), captions[i]);
    // A start without a file has no document: the menus that work on one are disabled.
    const bool document = i == 1 || i == 2 || i == 4;
    EXPECT_EQ(menus[i]->isEnabled(), !document) << names[i];
  }
}

TEST_F(AppTest, MenuItemsHaveCaptionsShortcutsSeparatorsAndStartStates) {
  Start();
  std::string lastMenu;
  int position = 0;
  for (const ItemRow& row : Items) {
    SCOPED_TRACE(row.name);
    auto* menu = app_->frmKumo->findChild<QMenu*>(QString::fromUtf8(row.menu));
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> actions = menu->actions();
    if (lastMenu != row.menu) position = 0;
    lastMenu = row.menu;
    ASSERT_LT(position, actions.size());
    QAction* action = actions[position++];
    EXPECT_EQ(action->objectName().toStdString(), row.name);
    EXPECT_EQ(action->text().toStdString(), row.caption);
    EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromUtf8(row.shortcut)));
    EXPECT_EQ(action->isEnabled(), row.enabledAtStart);
    const bool separator = position < actions.size() && actions[position]->isSeparator();
    EXPECT_EQ(separator, row.separatorAfter);
    if (separator) ++position;
    if (&row == &Items[std::size(Items) - 1] || std::string(row.menu) != (&row)[1].menu) {
      EXPECT_EQ(position, actions.size()) << "items beyond the last one of " << row.menu;
    }
  }
  EXPECT_TRUE(Action("mnuFileExit")->shortcuts().contains(QKeySequence("Ctrl+Q")));
}

TEST_F(AppTest, SpeedButtonsStandLeftToRightWithHintsAndStartStates) {
  Start();
  const struct {
    const char* name;
    const char* hint;
    bool enabled;
  } buttons[] = {
      {"sbnFileOpen", "ファイルを開く", true},
      {"sbnFileSave", "ファイルの保存", false},
      {"sbnPrint", "印刷", false},
      {"sbnSetUp", "環境設定", true},
      {"sbnHome", "スタック先頭へ", false},
      {"sbnBack", "１ステップ戻る", false},
      {"sbnForward", "１ステップ進む", false},
      {"sbnEnd", "スタック後尾へ", false},
      {"sbnHelp", "ヘルプ目次", true},
      {"sbnExit", "終了", true},
  };
  int left = -1;
  for (const auto& b : buttons) {
    SCOPED_TRACE(b.name);
    QToolButton* button = Button(b.name);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->toolTip().toStdString(), b.hint);
    EXPECT_EQ(button->isEnabled(), b.enabled);
    EXPECT_EQ(button->size(), QSize(25, 25));
    EXPECT_FALSE(button->icon().isNull());
    EXPECT_GT(button->x(), left);
    left = button->x();
  }
}

TEST_F(AppTest, StartWithoutFileShowsOnlyTheEditTable) {
  Create();
  // Visible before the first showing, as settings could leave them; the start-up hides them.
  app_->frmTeachers->show();
  app_->frmPickS->show();
  app_->frmKumo->show();

  EXPECT_EQ(Caption(), "Kumo");
  EXPECT_EQ(app_->doc.FileName(), "NewTable.kmt");
  EXPECT_TRUE(app_->frmEdit->isVisible());
  const QWidget* hidden[] = {
      app_->frmTeachers.get(),     app_->frmClasses.get(),    app_->frmStack.get(),
      app_->frmHoldingStack.get(), app_->frmPickCharge.get(), app_->frmPickS.get(),
      app_->frmTeacher.get(),      app_->frmClass.get(),      app_->frmLineHead.get()};
  for (const QWidget* w : hidden) EXPECT_FALSE(w->isVisible()) << w->windowTitle().toStdString();
  EXPECT_TRUE(platform_.Boxes().empty());
}

TEST_F(AppTest, MainWindowIsAFixedBarThatCannotBeMaximised) {
  Start();
  TfrmKumo& main = *app_->frmKumo;
  EXPECT_FALSE(main.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(main.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_EQ(main.minimumSize(), main.maximumSize());
  EXPECT_EQ(main.height(), main.menuBar()->sizeHint().height() + 25 + 2);
  EXPECT_GE(main.width(), 10 * 25 + 4);
  EXPECT_EQ(main.font().pixelSize(), 13);
  EXPECT_EQ(QFontInfo(main.font()).family().toStdString(), "IPAGothic");
}

TEST_F(AppTest, WithoutSettingsTheEditTableStandsUnderTheMainWindow) {
  Start();
  const QRect main = app_->frmKumo->frameGeometry();
  EXPECT_EQ(main.topLeft(), QPoint(0, 0));
  const QWidget& edit = *app_->frmEdit;
  EXPECT_EQ(edit.frameGeometry().topLeft(), QPoint(0, main.height() + 2));
  // Outer bounds, frame included.
  EXPECT_EQ(edit.frameGeometry().size(),
            QSize(640, QGuiApplication::primaryScreen()->geometry().height() - 200));
}

TEST_F(AppTest, ToolWindowsHaveTheirCaptionsAndTheEditTableNoCloseButton) {
  Start();
  const std::pair<const QWidget*, const char*> captions[] = {
      {app_->frmEdit.get(), "編集テーブル"},     {app_->frmLineHead.get(), "行ヘッダ編集"},
      {app_->frmPickCharge.get(), "クラス入力"}, {app_->frmPickS.get(), "教科,記号入力"},
      {app_->frmTeachers.get(), "教師一覧"},     {app_->frmClasses.get(), "クラス一覧"},
      {app_->frmTeacher.get(), "教師時間割"},    {app_->frmClass.get(), "ｸﾗｽ時間割"},
      {app_->frmStack.get(), "スタック"},        {app_->frmHoldingStack.get(), "保持クラス"},
  };
  for (const auto& [window, caption] : captions) {
    EXPECT_EQ(window->windowTitle().toStdString(), caption);
    EXPECT_TRUE(window->isWindow()) << caption;
  }
  EXPECT_FALSE(app_->frmEdit->windowFlags() & Qt::WindowCloseButtonHint);
  app_->frmEdit->close();
  EXPECT_TRUE(app_->frmEdit->isVisible());

  // Closing a tool window only hides it.
  Trigger("mnuViewStack");
  ASSERT_TRUE(app_->frmStack->isVisible());
  app_->frmStack->close();
  EXPECT_FALSE(app_->frmStack->isVisible());
  Trigger("mnuViewStack");
  EXPECT_TRUE(app_->frmStack->isVisible());
}

TEST_F(AppTest, AboutBoxRunsModally) {
  Start();
  platform_.ExpectDialog([](QDialog& dialog) {
    EXPECT_NE(dynamic_cast<TAboutBox*>(&dialog), nullptr);
    return int(QDialog::Accepted);
  });
  Trigger("mnuHelpAbout");
  EXPECT_EQ(platform_.Dialogs().size(), 1u);
}

}  // namespace
}  // namespace kumo::test
