// Program start: the application, the platform, every window, and the event loop.
#include <QApplication>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "base/SysFile.h"
#include "platform/Fonts.h"
#include "platform/QtPlatform.h"
#include "shell/ExportCommand.h"
#include "shell/KumoApp.h"
#include "shell/KumoMain.h"

int main(int argc, char** argv) {
  // An export from the command line needs neither the windows nor a display.
  if (argc > 1 && std::string_view(argv[1]) == kumo::ExportOption) {
    QCoreApplication core(argc, argv);
    return kumo::RunExportCommand(QCoreApplication::arguments().mid(1), kumo::ProgramDirectory(),
                                  std::cerr);
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kumo"));
  // The main window ends the program, whichever other windows are still open.
  QApplication::setQuitOnLastWindowClosed(false);
  kumo::InstallFontSubstitutions();

  kumo::QtPlatform platform;
  std::optional<std::string> startFile;
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) startFile = arguments[1].toStdString();
  kumo::KumoApp app(platform, startFile);
  app.frmKumo->show();
  return QApplication::exec();
}
