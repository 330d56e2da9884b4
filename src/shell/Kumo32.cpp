// Program start: the application, the platform, every window, and the event loop.
#include <QApplication>
#include <optional>
#include <string>

#include "platform/Fonts.h"
#include "platform/QtPlatform.h"
#include "shell/KumoApp.h"
#include "shell/KumoMain.h"

int main(int argc, char** argv) {
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
