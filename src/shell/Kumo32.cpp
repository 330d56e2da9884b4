// Program start: the command line, the application, the platform, every window, and the event
// loop.
#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "base/SysFile.h"
#include "platform/Fonts.h"
#include "platform/Glyphs.h"
#include "platform/QtPlatform.h"
#include "platform/Translations.h"
#include "shell/ExportCommand.h"
#include "shell/KumoApp.h"
#include "shell/KumoMain.h"
#include "shell/PdfCommand.h"

namespace {

constexpr const char* Usage =
    "使い方: kumo [時間割ファイル.kmt]\n"
    "        kumo --help      この説明を表示する\n"
    "        kumo --version   版を表示する\n"
    "        kumo --export teachers|classes 時間割ファイル 出力ファイル\n"
    "        kumo --pdf teachers|small|large 時間割ファイル 出力ファイル.pdf\n"
    "ファイル名が - で始まるときは ./ を付けるか、-- の後に書いてください。\n";

// The terminal's options answer there without a window; nothing means: start the editor.
std::optional<int> AnswerOnTerminal(int argc, char** argv) {
  if (argc < 2) return std::nullopt;
  const char* arg = argv[1];
  if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
    std::fputs(Usage, stdout);
    return 0;
  }
  if (std::strcmp(arg, "--version") == 0) {
    std::puts("Kumo 2.0");
    return 0;
  }
  if (arg[0] == '-' && std::strcmp(arg, "--") != 0) {
    std::fprintf(stderr, "kumo: 不明なオプションです: %s\n%s", arg, Usage);
    return 2;
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  // An export from the command line needs neither the windows nor a display.
  if (argc > 1 && std::string_view(argv[1]) == kumo::ExportOption) {
    QCoreApplication core(argc, argv);
    return kumo::RunExportCommand(QCoreApplication::arguments().mid(1), kumo::ProgramDirectory(),
                                  std::cerr);
  }
  // A PDF written from the command line needs no screen.
  const bool pdf = argc > 1 && std::string(argv[1]) == "--pdf";
  if (pdf && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  if (!pdf) {
    if (const std::optional<int> answered = AnswerOnTerminal(argc, argv)) return *answered;
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kumo"));
  // An installation's desktop entry and icon name the program's windows to the desktop.
  QGuiApplication::setDesktopFileName(QStringLiteral("kumo"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("kumo")));
  // The main window ends the program, whichever other windows are still open.
  QApplication::setQuitOnLastWindowClosed(false);
  kumo::InstallFontSubstitutions();
  kumo::InstallProgramStyle();
  kumo::InstallJapaneseTranslations(application);

  QStringList arguments = QApplication::arguments();
  if (pdf) return kumo::RunPdfCommand(arguments);

  kumo::QtPlatform platform;
  std::optional<std::string> startFile;
  if (arguments.size() > 1 && arguments[1] == QStringLiteral("--")) arguments.removeAt(1);
  if (arguments.size() > 1) startFile = arguments[1].toStdString();
  kumo::KumoApp app(platform, startFile);
  app.frmKumo->show();
  return QApplication::exec();
}
