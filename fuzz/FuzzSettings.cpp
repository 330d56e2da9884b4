// Feeds arbitrary settings files to the program's start, every window made as the program makes
// them, offscreen: whatever the file holds, the settings load without a box, and what the
// program then writes at exit loads again to the same settings and is written the same again.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzInput.h"
#include "base/SysFile.h"
#include "platform/Fonts.h"
#include "platform/Glyphs.h"
#include "platform/QtPlatform.h"
#include "shell/KumoApp.h"
#include "shell/Settings.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

// The program's own platform, without a user: nothing modal runs, and every box is counted.
class QuietPlatform : public kumo::QtPlatform {
 public:
  kumo::Answer MessageBox(kumo::BoxType, kumo::Buttons, const std::string&) override {
    ++Boxes;
    return kumo::Answer::Ok;
  }
  void Beep() override {}
  void ErrorBox(const std::string&) override { ++Boxes; }
  std::optional<std::string> OpenFileDialog(QWidget*, const kumo::FileDialogRequest&) override {
    return std::nullopt;
  }
  std::optional<std::string> SaveFileDialog(QWidget*, const kumo::FileDialogRequest&) override {
    return std::nullopt;
  }
  int ExecDialog(QDialog&) override { return 0; }
  std::optional<kumo::ColorRef> ChooseColor(QWidget*, kumo::ColorRef) override {
    return std::nullopt;
  }
  std::optional<QFont> ChooseFont(QWidget*, const QFont&) override { return std::nullopt; }
  bool PrinterSetup(QWidget*) override { return false; }
  bool Print(const std::vector<kumo::PrintTask>&) override { return false; }
  bool PrintPreview(QWidget*, const std::vector<kumo::PrintTask>&) override { return false; }
  void ShowHelp(kumo::HelpView, int) override {}

  int Boxes = 0;
};

struct Program {
  QTemporaryDir home;
  QuietPlatform platform;
  kumo::KumoApp app{platform, std::nullopt};
  std::string file;

  Program() {
    app.ProgramDir = QDir(home.path()).filePath(QStringLiteral("bin/")).toStdString();
    QDir().mkpath(QString::fromStdString(app.ProgramDir));
    app.DocumentsDir = home.path().toStdString() + "/";
    file = app.ProgramDir + "Kumo.Ini";
  }

  // Loads the settings as the start does and writes them as the exit does; the file written.
  std::string LoadAndSave() {
    kumo::LoadSettings(app);
    kumo::SaveSettings(app);
    return kumo::ReadFileBytes(file, std::size_t{1} << 20);
  }
};

Program* program = nullptr;

}  // namespace

// The font library keeps what it read about the system's fonts to the end.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}
extern "C" const char* __lsan_default_options() {
  return "print_suppressions=0";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  // The user's own folders are not touched: the configuration and data go to a folder of the
  // run's own.
  static QTemporaryDir user;
  for (const char* variable :
       {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"}) {
    qputenv(variable, QFile::encodeName(user.path()));
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Never destroyed: the windows outlive the run, which ends with exit().
  new QApplication(*argc, *argv);
  QApplication::setApplicationName(QStringLiteral("Kumo"));
  QApplication::setQuitOnLastWindowClosed(false);
  kumo::InstallFontSubstitutions();
  kumo::InstallProgramStyle();
  program = new Program;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (!kumo::fuzz::WriteInput(program->file, data, size)) return 0;
  program->platform.Boxes = 0;
  const std::string saved = program->LoadAndSave();
  Check(program->platform.Boxes == 0);
  Check(program->LoadAndSave() == saved);
  return 0;
}
