#include "shell/KumoMain.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QHBoxLayout>
#include <QIcon>
#include <QMenuBar>
#include <QStandardPaths>
#include <QStyle>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <map>
#include <string_view>

#include "base/FileError.h"
#include "base/SysFile.h"
#include "editing/KumoCexc.h"
#include "editing/KumoEdit.h"
#include "editing/KumoLh.h"
#include "output/KumoEnv.h"
#include "output/KumoExp.h"
#include "output/KumoPrn.h"
#include "platform/Fonts.h"
#include "platform/Glyphs.h"
#include "platform/WindowFrame.h"
#include "shell/Arrange.h"
#include "shell/FileNames.h"
#include "shell/GridZoom.h"
#include "shell/KumoAbout.h"
#include "shell/KumoApp.h"
#include "shell/Sample.h"
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

namespace kumo {

namespace {

constexpr int ButtonSize = 25;

const char* const OpenFilter = "Kumo Ver.2 ﾌｧｲﾙ|*.kmt";
const char* const SaveFilter = "Kumo Ver.2 ファイル|*.kmt";
const char* const TimetableExt = "kmt";

using Commands = TfrmKumo::Commands;

struct MenuItem {
  const char* name;  // nullptr: a separator
  const char* caption;
  void (TfrmKumo::*handler)();
  const char* shortcut;
  QAction* Commands::*slot = nullptr;  // where the window keeps the item, if it changes it
};

struct Menu {
  const char* name;
  const char* caption;
  std::initializer_list<MenuItem> items;
  QMenu* Commands::*slot = nullptr;
};

constexpr MenuItem Separator{nullptr, nullptr, nullptr, nullptr};

const Menu MainMenu[] = {
    {"mnuFile",
     "ﾌｧｲﾙ(&F)",
     {
         {"mnuFileNew", "新規作成(&N)", &TfrmKumo::mnuFileNewClick, nullptr},
         {"mnuFileOpen", "開く(&O)...", &TfrmKumo::mnuFileOpenClick, nullptr},
         {"mnuFileSave", "上書き保存(&S)", &TfrmKumo::mnuFileSaveClick, "Ctrl+S",
          &Commands::mnuFileSave},
         {"mnuFileSaveAs", "名前を付けて保存(&A)...", &TfrmKumo::mnuFileSaveAsClick, nullptr,
          &Commands::mnuFileSaveAs},
         {"mnuFileClose", "閉じる(&C)", &TfrmKumo::mnuFileCloseClick, nullptr,
          &Commands::mnuFileClose},
         {"mnuFileCompare", "比較(&D)...", &TfrmKumo::mnuFileCompareClick, nullptr},
         Separator,
         {"mnuFilePrint", "印刷(&P)...", &TfrmKumo::mnuFilePrintClick, "Ctrl+P",
          &Commands::mnuFilePrint},
         Separator,
         {"mnuFileExit", "終了(&X)", &TfrmKumo::mnuFileExitClick, "Alt+X; Ctrl+Q"},
     }},
    {"mnuEdit",
     "編集(&E)",
     {
         {"mnuEditBack", "１ステップ戻る(&B)", &TfrmKumo::mnuEditBackClick, "Ctrl+Z",
          &Commands::mnuEditBack},
         {"mnuEditForward", "１ステップ進む(&F)", &TfrmKumo::mnuEditForwardClick,
          "Ctrl+Y; Ctrl+Shift+Z", &Commands::mnuEditForward},
         {"mnuEditHome", "スタック先頭へ(&H)", &TfrmKumo::mnuEditHomeClick, nullptr,
          &Commands::mnuEditHome},
         {"mnuEditEnd", "スタック後尾へ(&E)", &TfrmKumo::mnuEditEndClick, nullptr,
          &Commands::mnuEditEnd},
         Separator,
         {"mnuEditErace", "消去(&D)", &TfrmKumo::mnuEditEraceClick, nullptr,
          &Commands::mnuEditErace},
         {"mnuEditFill", "埋め込み(&I)", &TfrmKumo::mnuEditFillClick, nullptr,
          &Commands::mnuEditFill},
         {"mnuEditAll", "全てを選択(&L)", &TfrmKumo::mnuEditAllClick, nullptr,
          &Commands::mnuEditAll},
         Separator,
         {"mnuEditStackClear", "スタッククリア(&U)", &TfrmKumo::mnuEditStackClearClick, nullptr,
          &Commands::mnuEditStackClear},
         {"mnuEditHoldingClear", "保持クラスクリア(&O)", &TfrmKumo::mnuEditHoldingClearClick,
          nullptr},
         Separator,
         {"mnuEditLineHead", "行ヘッダ(&N)", &TfrmKumo::mnuEditLineHeadClick, nullptr,
          &Commands::mnuEditLineHead},
         {"mnuColumExchange", "列交換(&C)", &TfrmKumo::mnuColumExchangeClick, nullptr},
     },
     &Commands::mnuEdit},
    {"mnuView",
     "表示(&V)",
     {
         {"mnuViewTeachers", "教師一覧(&T)", &TfrmKumo::mnuViewTeachersClick, nullptr},
         {"mnuViewClasses", "クラス一覧(&C)", &TfrmKumo::mnuViewClassesClick, nullptr},
         Separator,
         {"mnuViewTeacher", "教師個別(&U)", &TfrmKumo::mnuViewTeacherClick, nullptr},
         {"mnuViewClass", "クラス個別(&D)", &TfrmKumo::mnuViewClassClick, nullptr},
         Separator,
         {"mnuViewPickCharge", "クラス入力(&I)", &TfrmKumo::mnuViewPickChargeClick, nullptr},
         {"mnuViewPickS", "教科,記号(&K)", &TfrmKumo::mnuViewPickSClick, nullptr},
         Separator,
         {"mnuViewStack", "スタック(&S)", &TfrmKumo::mnuViewStackClick, nullptr},
         {"mnuViewHoldingStack", "保持クラス(&H)", &TfrmKumo::mnuViewHoldingStackClick, nullptr},
         Separator,
         {"mnuViewChecks", "点検(&J)", &TfrmKumo::mnuViewChecksClick, "Ctrl+J"},
         Separator,
         {"mnuViewRenew", "表示の更新(&R)", &TfrmKumo::mnuViewRenewClick, nullptr},
         Separator,
         {"mnuViewZoomIn", "拡大(&E)", &TfrmKumo::mnuViewZoomInClick, "Ctrl++; Ctrl+="},
         {"mnuViewZoomOut", "縮小(&N)", &TfrmKumo::mnuViewZoomOutClick, "Ctrl+-"},
         {"mnuViewZoomReset", "標準(&M)", &TfrmKumo::mnuViewZoomResetClick, "Ctrl+0"},
     },
     &Commands::mnuView},
    {"mnuTool",
     "ﾂｰﾙ(&T)",
     {
         {"mnuToolEnv", "環境設定(&S)...", &TfrmKumo::mnuToolEnvClick, nullptr},
         Separator,
         {"mnuToolFile", "ﾌｧｲﾙｴｸｽﾎﾟｰﾄ(&E)...", &TfrmKumo::mnuToolFileClick, nullptr},
     }},
    {"mnuWindow",
     "ｳｨﾝﾄﾞｳ(&W)",
     {
         {"mnuWindowNormal", "標準整列(&N)", &TfrmKumo::mnuWindowNormalClick, nullptr},
         {"mnuWindowPrior", "編集ｳｨﾝﾄﾞｳ優先(&P)", &TfrmKumo::mnuWindowPriorClick, nullptr},
         Separator,
         {"mnuWindowTriple", "トリプル(&T)", &TfrmKumo::mnuWindowTripleClick, nullptr},
         {"mnuWindowFull", "フルサイズ(&F)", &TfrmKumo::mnuWindowFullClick, nullptr},
         {"mnuWindowDay", "１日幅(&O)", &TfrmKumo::mnuWindowDayClick, nullptr},
         Separator,
         {"mnuWindowMatchMain", "ﾒｲﾝｳｨﾝﾄﾞｳに合わせる(&M)", &TfrmKumo::mnuWindowMatchMainClick,
          nullptr},
         {"mnuWindowMatchEdit", "編集ｳｨﾝﾄﾞｳに合わせる(&E)", &TfrmKumo::mnuWindowMatchEditClick,
          nullptr},
         Separator,
         {"mnuWindowClose", "すべて閉じる(&C)", &TfrmKumo::mnuWindowCloseClick, nullptr},
     },
     &Commands::mnuWindow},
    {"munHelp",
     "ﾍﾙﾌﾟ(&H)",
     {
         {"mnuHelpIndex", "目次(&I)", &TfrmKumo::mnuHelpIndexClick, nullptr},
         {"mnuHelpKeyWord", "キーワードで検索(&T)...", &TfrmKumo::mnuHelpKeyWordClick, nullptr},
         Separator,
         {"mnuHelpAbout", "バージョン情報(&A)...", &TfrmKumo::mnuHelpAboutClick, nullptr},
     }},
};

struct SpeedButton {
  const char* name;
  const char* hint;
  QStyle::StandardPixmap glyph;
  void (TfrmKumo::*handler)();
  QToolButton* Commands::*slot = nullptr;
};

// The icon theme's names of the glyphs the style draws least clearly, and a glyph of our own
// where the style's would not do.
struct ThemedGlyph {
  const char* Theme;
  QIcon (*Drawn)() = nullptr;
};
const std::map<std::string_view, ThemedGlyph> ThemedGlyphs{
    {"sbnPrint", {"document-print", PrinterGlyph}},
    {"sbnSetUp", {"preferences-system"}},
};

const SpeedButton SpeedButtons[] = {
    {"sbnFileOpen", "ファイルを開く", QStyle::SP_DialogOpenButton, &TfrmKumo::mnuFileOpenClick},
    {"sbnFileSave", "ファイルの保存", QStyle::SP_DialogSaveButton, &TfrmKumo::mnuFileSaveClick,
     &Commands::sbnFileSave},
    {"sbnPrint", "印刷", QStyle::SP_FileIcon, &TfrmKumo::mnuFilePrintClick, &Commands::sbnPrint},
    {"sbnSetUp", "環境設定", QStyle::SP_FileDialogDetailedView, &TfrmKumo::mnuToolEnvClick},
    {"sbnHome", "スタック先頭へ", QStyle::SP_MediaSkipBackward, &TfrmKumo::mnuEditHomeClick,
     &Commands::sbnHome},
    {"sbnBack", "１ステップ戻る", QStyle::SP_MediaSeekBackward, &TfrmKumo::mnuEditBackClick,
     &Commands::sbnBack},
    {"sbnForward", "１ステップ進む", QStyle::SP_MediaSeekForward, &TfrmKumo::mnuEditForwardClick,
     &Commands::sbnForward},
    {"sbnEnd", "スタック後尾へ", QStyle::SP_MediaSkipForward, &TfrmKumo::mnuEditEndClick,
     &Commands::sbnEnd},
    {"sbnHelp", "ヘルプ目次", QStyle::SP_DialogHelpButton, &TfrmKumo::mnuHelpIndexClick},
    {"sbnExit", "終了", QStyle::SP_DialogCloseButton, &TfrmKumo::mnuFileExitClick},
};

}  // namespace

TfrmKumo::TfrmKumo(KumoApp& app)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint),
      DocumentObserver(app.doc),
      app_(app) {
  setWindowTitle(QStringLiteral("Kumo"));
  setProperty("HelpContext", 1);
  setFont(GothicFont(13));
  setAttribute(Qt::WA_WindowPropagation);  // the menus take the window's font
  BuildMenus();
  BuildSpeedButtons();
  for (QAction* item :
       {cmd_.mnuFileSave, cmd_.mnuFileSaveAs, cmd_.mnuFilePrint, cmd_.mnuEditLineHead}) {
    item->setEnabled(false);
  }
  cmd_.sbnFileSave->setEnabled(false);
  cmd_.sbnPrint->setEnabled(false);

  app_.doc.MakeClassLabels();
  SetForwardCommands(false);
  SetBackCommands(false);
  app_.ProgramDir = ProgramDirectory();
  app_.DocumentsDir =
      QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString() + "/";
  FitToBar();
}

void TfrmKumo::BuildMenus() {
  for (const Menu& m : MainMenu) {
    QMenu* menu = menuBar()->addMenu(QString::fromUtf8(m.caption));
    menu->setObjectName(QString::fromUtf8(m.name));
    menu->menuAction()->setObjectName(QString::fromUtf8(m.name));
    if (m.slot != nullptr) cmd_.*m.slot = menu;
    for (const MenuItem& item : m.items) {
      if (item.name == nullptr) {
        menu->addSeparator();
        continue;
      }
      QAction* action = menu->addAction(QString::fromUtf8(item.caption));
      action->setObjectName(QString::fromUtf8(item.name));
      if (item.slot != nullptr) cmd_.*item.slot = action;
      if (item.shortcut != nullptr) {
        // The menu shows the first; further ones are the desktop's habits ("Alt+X; Ctrl+Q").
        action->setShortcuts(QKeySequence::listFromString(QString::fromUtf8(item.shortcut)));
        // Ctrl+S and the others work from every window of the program, the edit table above
        // all, where the timetable is worked on.
        action->setShortcutContext(Qt::ApplicationShortcut);
      }
      const Handler handler = item.handler;
      connect(action, &QAction::triggered, this,
              [this, handler] { Run([=, this] { (this->*handler)(); }); });
    }
  }
  connect(cmd_.mnuEdit, &QMenu::aboutToShow, this, [this] { Run([this] { mnuEditClick(); }); });
}

void TfrmKumo::BuildSpeedButtons() {
  auto* panel = new QWidget(this);
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(2, 1, 2, 1);
  row->setSpacing(0);
  for (const SpeedButton& b : SpeedButtons) {
    auto* button = new QToolButton(panel);
    button->setObjectName(QString::fromUtf8(b.name));
    button->setToolTip(QString::fromUtf8(b.hint));
    // The desktop's own glyph where its icon theme has one, else the style's.
    const auto themed = ThemedGlyphs.find(b.name);
    if (themed == ThemedGlyphs.end()) {
      button->setIcon(style()->standardIcon(b.glyph));
    } else {
      const ThemedGlyph& g = themed->second;
      button->setIcon(QIcon::fromTheme(QString::fromUtf8(g.Theme),
                                       g.Drawn ? g.Drawn() : style()->standardIcon(b.glyph)));
    }
    button->setAutoRaise(true);
    button->setFixedSize(ButtonSize, ButtonSize);
    if (b.slot != nullptr) cmd_.*b.slot = button;
    const Handler handler = b.handler;
    connect(button, &QToolButton::clicked, this,
            [this, handler] { Run([=, this] { (this->*handler)(); }); });
    row->addWidget(button);
  }
  setCentralWidget(panel);
  // The hints show while the user works in another of the program's windows too.
  setAttribute(Qt::WA_AlwaysShowToolTips);
}

// The window is exactly the bar: the menu above one row of speed buttons. It is wide enough
// for the whole menu, which the narrow button row alone would cut off.
void TfrmKumo::FitToBar() {
  const QSize panel = centralWidget()->sizeHint();
  const QSize menu = menuBar()->sizeHint();
  setFixedSize(std::max(panel.width(), menu.width()), menu.height() + panel.height());
}

bool TfrmKumo::Run(const std::function<void()>& command) {
  try {
    command();
    return true;
  } catch (const FileError& e) {
    app_.platform.ErrorBox(e.what());
    return false;
  }
}

void TfrmKumo::SetDocumentCommands(bool enabled) {
  timetableOpen_ = enabled;
  for (QAction* item :
       {cmd_.mnuFileSave, cmd_.mnuFileSaveAs, cmd_.mnuFileClose, cmd_.mnuFilePrint,
        cmd_.mnuEdit->menuAction(), cmd_.mnuView->menuAction(), cmd_.mnuWindow->menuAction()}) {
    item->setEnabled(enabled);
  }
  cmd_.sbnFileSave->setEnabled(enabled);
  cmd_.sbnPrint->setEnabled(enabled);
  if (enabled) cmd_.mnuEditStackClear->setEnabled(true);
}

void TfrmKumo::SetBackCommands(bool enabled) {
  for (QAction* item : {cmd_.mnuEditBack, cmd_.mnuEditHome}) item->setEnabled(enabled);
  for (QToolButton* button : {cmd_.sbnBack, cmd_.sbnHome}) button->setEnabled(enabled);
}

void TfrmKumo::SetForwardCommands(bool enabled) {
  for (QAction* item : {cmd_.mnuEditForward, cmd_.mnuEditEnd}) item->setEnabled(enabled);
  for (QToolButton* button : {cmd_.sbnForward, cmd_.sbnEnd}) button->setEnabled(enabled);
}

// Erase and Select all would take a carried piece off its line.
void TfrmKumo::SetHandCommands() {
  const bool free = app_.doc.Hand().Piece.IsEmpty();
  cmd_.mnuEditErace->setEnabled(free);
  cmd_.mnuEditAll->setEnabled(free);
}

void TfrmKumo::DocumentChanged(const DocumentChange& change) {
  const TKumData& doc = app_.doc;
  if (change.History || change.All) {
    SetBackCommands(doc.HistoryPos() > 1);
    SetForwardCommands(doc.HistoryPos() < doc.HistoryEnd());
  }
  if (change.Hand || change.All) SetHandCommands();
  if (change.FileName) ShowDocumentCaption();
}

void TfrmKumo::ShowDocumentCaption() {
  setWindowTitle(QStringLiteral("Kumo - ") + QString::fromStdString(BareName(app_.doc.FileName())));
}

void TfrmKumo::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (started_) return;
  started_ = true;
  StartOnceFramed(FrameWaits);
}

// The windows are placed from the main window's outer bounds, and under a window manager those
// are known once it has framed the window, a moment after it is shown. Without a window manager
// no frame comes.
void TfrmKumo::StartOnceFramed(int waitsLeft) {
  if (waitsLeft == 0 || !RealFrame(*this).IsNull()) {
    Start();
    return;
  }
  constexpr int WaitMs = 40;
  QTimer::singleShot(WaitMs, this, [this, waitsLeft] { StartOnceFramed(waitsLeft - 1); });
}

void TfrmKumo::Start() {
  Run([this] {
    // A new user, without settings yet, meets a filled timetable.
    const bool firstStart = !SettingsExist(app_.ProgramDir);
    if (!app_.StartFile && firstStart) {
      app_.StartFile = SampleSchool(app_.ProgramDir, app_.DocumentsDir);
    }
    const std::string last = LoadSettings(app_, firstStart ? FirstStartDefaults() : Options());
    if (app_.StartFile) {
      OpenDocument(*app_.StartFile);
    } else if (last != NewTableName) {
      OpenDocument(last);
    } else {
      ShowNoDocument();
      setWindowTitle(QStringLiteral("Kumo"));
    }
    app_.dlgEnvironment->ApplyScrollBars();
    ApplyZoom(app_);
    RefreshAllViews();
  });
}

void TfrmKumo::closeEvent(QCloseEvent* event) {
  // The walk stops at the step it has reached; closing is asked for again once it has.
  if (walking_) {
    stopWalk_ = true;
    event->ignore();
    return;
  }
  bool mayClose = false;
  Run([&] { mayClose = CloseQuery(); });
  if (!mayClose) {
    event->ignore();
    return;
  }
  SaveSettings(app_);
  event->accept();
  // Not quit(): that asks every window to close, and the edit table refuses. Without a running
  // event loop (a window closed before the program's loop starts) an exit would end the next
  // loop at once instead.
  if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
}

bool TfrmKumo::CloseQuery() {
  TKumData& doc = app_.doc;
  if (!doc.Modified()) return true;
  switch (
      app_.platform.MessageBox(BoxType::Confirmation, Buttons::YesNoCancel,
                               FileNameOf(doc.FileName()) + "は変更されています。保存しますか？")) {
    case Answer::Yes:
      mnuFileSaveClick();
      // A save the user cancelled in its dialog keeps the program, and the changes, alive.
      return !doc.Modified();
    case Answer::No:
      return true;
    default:
      return false;
  }
}

void TfrmKumo::OpenDocument(const std::string& file) {
  TKumData& doc = app_.doc;
  // Absolute, so that the name still holds once its directory is the current one.
  const std::string path = AbsolutePath(file);
  SetCurrentDirectory(DirectoryOf(path));
  // A file that was refused or could not be read leaves no document open, in no file, so that
  // no save can put an empty or partial timetable over it, and it is not named as the
  // timetable to open at the next start, which would only fail again.
  ForgetFile();
  if (!LockDocument(path)) {
    doc.CloseFile();
    ShowNoDocument();
    return;
  }
  bool taken = false;
  try {
    taken = doc.Open(path);
  } catch (const FileError&) {
    ShowNoDocument();
    throw;
  }
  if (!taken) {
    ShowNoDocument();
    return;
  }
  stamp_ = StampOf(path);
  // The caption, the command states and the class index follow the load's notice.
  EnableDocumentCommands();
}

bool TfrmKumo::LockDocument(const std::string& path) {
  FileLockTry taken = app_.platform.LockOpenFile(path);
  lock_ = std::move(taken.Lock);
  if (!taken.HeldBy) return true;
  const FileHolder& holder = *taken.HeldBy;
  return app_.platform.MessageBox(
             BoxType::Confirmation, Buttons::OkCancel,
             FileNameOf(path) +
                 " はほかのプログラムで開かれています。\nコンピュータ: " + holder.Host +
                 "\nプロセス: " + std::to_string(holder.Process) + "\n開いた時刻: " + holder.Since +
                 "\n両方で保存すると、先に保存した方の変更は失われます。それでも開きますか？") ==
         Answer::Ok;
}

void TfrmKumo::ForgetFile() {
  lock_.reset();
  stamp_.reset();
}

Answer TfrmKumo::OverwriteAnswer() {
  if (!stamp_) return Answer::Yes;
  const std::string& path = app_.doc.FileName();
  // A file removed meanwhile holds nobody's changes; the save puts it back.
  const FileStamp now = StampOf(path);
  if (!now.Exists || now.SameBytes(*stamp_)) return Answer::Yes;
  const QString changed =
      QDateTime::fromMSecsSinceEpoch(now.ModifiedMs).toString(QStringLiteral("yyyy/MM/dd hh:mm"));
  app_.platform.Beep();
  return app_.platform.MessageBox(BoxType::Warning, Buttons::OverwriteSaveAsCancel,
                                  FileNameOf(path) + " は開いた後にほかで変更されています（" +
                                      changed.toStdString() +
                                      "）。\n上書きすると、その変更は失われます。");
}

void TfrmKumo::RefreshAllViews() {
  app_.doc.NotifyAllChanged();
}

void TfrmKumo::mnuFileNewClick() {
  TKumData& doc = app_.doc;
  if (doc.Modified() && !CloseDocument()) return;
  ForgetFile();
  doc.New();
  app_.frmPickCharge->hide();
  RefreshAllViews();
  app_.frmLineHead->show();
  EnableDocumentCommands();
}

void TfrmKumo::mnuFileOpenClick() {
  TKumData& doc = app_.doc;
  if (doc.Modified()) {
    const Answer answer =
        app_.platform.MessageBox(BoxType::Confirmation, Buttons::YesNoCancel,
                                 "編集中の時間割が保存されていません。保存しますか");
    if (answer == Answer::Cancel) return;
    if (answer == Answer::Yes) mnuFileSaveClick();
  }
  const auto path = app_.platform.OpenFileDialog(this, {OpenFilter, TimetableExt, "", "", ""});
  if (!path) return;
  OpenDocument(*path);
  RefreshAllViews();
}

void TfrmKumo::mnuFileSaveClick() {
  TKumData& doc = app_.doc;
  if (doc.FileName() == NewTableName) {
    mnuFileSaveAsClick();
    return;
  }
  switch (OverwriteAnswer()) {
    case Answer::Yes:
      break;
    case Answer::No:
      mnuFileSaveAsClick();
      return;
    default:
      return;
  }
  doc.SaveAs(doc.FileName());
  stamp_ = StampOf(doc.FileName());
}

void TfrmKumo::mnuFileSaveAsClick() {
  TKumData& doc = app_.doc;
  const auto path =
      app_.platform.SaveFileDialog(this, {SaveFilter, TimetableExt, doc.FileName(), "", ""});
  if (!path) return;
  // A failed save keeps the name the document had, so that the caption, Save and the next
  // start still name the file the timetable really is in.
  const std::string previous = doc.FileName();
  doc.SaveAs(WithExtension(*path, ".kmt"));
  // The lock and the stamp follow the timetable to its new file.
  if (AbsolutePath(doc.FileName()) != AbsolutePath(previous)) {
    ForgetFile();
    lock_ = app_.platform.LockOpenFile(doc.FileName()).Lock;
  }
  stamp_ = StampOf(doc.FileName());
}

void TfrmKumo::mnuFileCloseClick() {
  CloseDocument();
}

bool TfrmKumo::CloseDocument() {
  TKumData& doc = app_.doc;
  if (doc.Modified()) {
    const Answer answer = app_.platform.MessageBox(BoxType::Warning, Buttons::YesNoCancel,
                                                   "時間割が保存されていません。保存しますか");
    if (answer == Answer::Cancel) return false;
    if (answer == Answer::Yes) mnuFileSaveClick();
  }
  ShowNoDocument();
  return true;
}

void TfrmKumo::ShowNoDocument() {
  TKumData& doc = app_.doc;
  ForgetFile();
  doc.Clear();
  mnuWindowCloseClick();
  RefreshAllViews();
  setWindowTitle(QStringLiteral("Kumo "));
  SetForwardCommands(false);
  SetBackCommands(false);
  DisableDocumentCommands();
  cmd_.mnuEditErace->setEnabled(false);
  cmd_.mnuEditStackClear->setEnabled(false);
}

void TfrmKumo::mnuFilePrintClick() {
  app_.dlgPrintOut->RunPrintDialog();
}

void TfrmKumo::mnuFileExitClick() {
  close();
}

void TfrmKumo::mnuViewTeachersClick() {
  app_.frmTeachers->show();
  app_.frmTeachers->RenewAll();
}

void TfrmKumo::mnuViewClassesClick() {
  app_.frmClasses->show();
  app_.frmClasses->RenewAll();
}

void TfrmKumo::mnuViewTeacherClick() {
  app_.frmTeacher->ShowOne(app_.doc.CurLine());
  app_.frmTeacher->show();
}

void TfrmKumo::mnuViewClassClick() {
  const TKumData& doc = app_.doc;
  const PeriodCell& hand = doc.Hand().Piece;
  // After the last line was deleted the cursor stands on no line (0): no cell, no homeroom.
  const bool onLine = IsCellPlace(doc.CurLine(), doc.CurPeriod());
  const TeacherLine line = onLine ? doc.Line(doc.CurLine()) : TeacherLine{};
  const PeriodCell cell = onLine ? doc.Cell(doc.CurLine(), doc.CurPeriod()) : PeriodCell{};
  int grade = line.Grade;
  int classNo = line.Homeroom;
  if (hand.IsClass()) {
    grade = hand.Kind;
    classNo = hand.Item;
  } else if (cell.IsClass()) {
    grade = cell.Kind;
    classNo = cell.Item;
  }
  app_.frmClass->ShowOne(app_.classes.FindClass(grade, classNo));
  app_.frmClass->show();
  // Asked for by the menu, the class's week takes the keyboard, where teachers are typed in.
  app_.frmClass->activateWindow();
}

void TfrmKumo::mnuViewPickChargeClick() {
  app_.frmPickCharge->show();
}

void TfrmKumo::mnuViewPickSClick() {
  app_.frmPickS->show();
}

void TfrmKumo::mnuViewStackClick() {
  app_.frmStack->show();
  app_.frmStack->ShowStackRow(0);
}

void TfrmKumo::mnuViewHoldingStackClick() {
  app_.frmHoldingStack->show();
}

void TfrmKumo::mnuViewChecksClick() {
  app_.frmChecks->show();
  app_.frmChecks->raise();
}

void TfrmKumo::mnuViewRenewClick() {
  RefreshAllViews();
}

void TfrmKumo::mnuViewZoomInClick() {
  ChangeZoom(app_, SteppedZoom(app_.options.Zoom, 1));
}

void TfrmKumo::mnuViewZoomOutClick() {
  ChangeZoom(app_, SteppedZoom(app_.options.Zoom, -1));
}

void TfrmKumo::mnuViewZoomResetClick() {
  ChangeZoom(app_, Options().Zoom);
}

void TfrmKumo::mnuToolEnvClick() {
  app_.dlgEnvironment->RunEnvironmentDialog();
  RefreshAllViews();
}

void TfrmKumo::mnuToolFileClick() {
  app_.dlgExport->RunExportDialog();
}

void TfrmKumo::mnuWindowNormalClick() {
  ArrangeWindows(app_, NormalLayout);
}

void TfrmKumo::mnuWindowPriorClick() {
  ArrangeWindows(app_, PriorLayout);
}

void TfrmKumo::mnuWindowTripleClick() {
  ArrangeWindows(app_, TripleLayout);
}

void TfrmKumo::mnuWindowFullClick() {
  ArrangeWindows(app_, FullLayout);
}

void TfrmKumo::mnuWindowDayClick() {
  ArrangeWindows(app_, DayLayout);
}

void TfrmKumo::mnuWindowMatchMainClick() {
  ArrangeWindows(app_, MatchMain);
}

void TfrmKumo::mnuWindowMatchEditClick() {
  ArrangeWindows(app_, MatchEdit);
}

void TfrmKumo::mnuWindowCloseClick() {
  app_.frmTeachers->hide();
  app_.frmClasses->hide();
  app_.frmTeacher->hide();
  app_.frmClass->hide();
  app_.frmStack->hide();
  app_.frmHoldingStack->hide();
  app_.frmPickCharge->hide();
  app_.frmPickS->hide();
  app_.frmChecks->hide();
}

void TfrmKumo::mnuHelpIndexClick() {
  app_.platform.ShowHelp(HelpView::Contents);
}

void TfrmKumo::mnuHelpKeyWordClick() {
  app_.platform.ShowHelp(HelpView::Index);
}

void TfrmKumo::mnuHelpAboutClick() {
  app_.platform.ExecDialog(*app_.AboutBox);
}

}  // namespace kumo
