// Program start: the application, the platform, every window, and the event loop.
#include <QApplication>
#include <optional>
#include <string>

#include "platform/Fonts.h"
#include "platform/QtPlatform.h"
#include "shell/KumoApp.h"
#include "shell/KumoMain.h"
#include "shell/PdfCommand.h"

int main(int argc, char** argv) {
  // A PDF written from the command line needs no screen.
  const bool pdf = argc > 1 && std::string(argv[1]) == "--pdf";
  if (pdf && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kumo"));
  // The main window ends the program, whichever other windows are still open.
  QApplication::setQuitOnLastWindowClosed(false);
  kumo::InstallFontSubstitutions();

  const QStringList arguments = QApplication::arguments();
  if (pdf) return kumo::RunPdfCommand(arguments);

  kumo::QtPlatform platform;
  std::optional<std::string> startFile;
  if (arguments.size() > 1) startFile = arguments[1].toStdString();
  kumo::KumoApp app(platform, startFile);
  app.frmKumo->show();
  return QApplication::exec();
}
