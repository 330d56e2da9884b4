// The window tests run offscreen at 96 dots per inch in the program's style, with the standard
// paths of the user moved into a fresh directory so that no test reads or writes the user's own
// files.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/Fonts.h"
#include "platform/Glyphs.h"

namespace {

void PointAt(const char* variable, const QTemporaryDir& root, const QString& name) {
  const QString dir = root.filePath(name);
  QDir().mkpath(dir);
  QFile::setPermissions(dir,
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  qputenv(variable, QFile::encodeName(dir));
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_FONT_DPI", "96");
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  qputenv("QT_SCALE_FACTOR", "1");
  QTemporaryDir home;
  PointAt("XDG_CONFIG_HOME", home, QStringLiteral("config"));
  PointAt("XDG_DATA_HOME", home, QStringLiteral("data"));
  PointAt("XDG_CACHE_HOME", home, QStringLiteral("cache"));
  PointAt("XDG_RUNTIME_DIR", home, QStringLiteral("runtime"));
  QStandardPaths::setTestModeEnabled(true);

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kumo"));
  kumo::InstallFontSubstitutions();
  kumo::InstallProgramStyle();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
