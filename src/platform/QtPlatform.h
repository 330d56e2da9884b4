// The platform services of the windows, over Qt: message boxes, the beep, file dialogs, the
// application's error box, modal dialogs and the event loop.
#pragma once

#include <QPrinter>
#include <memory>

#include "platform/Platform.h"

namespace kumo {

class HelpWindow;

class QtPlatform : public Platform {
 public:
  QtPlatform();
  ~QtPlatform() override;
  Answer MessageBox(BoxType type, Buttons buttons, const std::string& text) override;
  void Beep() override;
  std::optional<std::string> OpenFileDialog(QWidget* owner,
                                            const FileDialogRequest& request) override;
  std::optional<std::string> SaveFileDialog(QWidget* owner,
                                            const FileDialogRequest& request) override;
  void ErrorBox(const std::string& text) override;
  int ExecDialog(QDialog& dialog) override;
  void ProcessMessages() override;
  // In QtPlatformDialogs.cpp.
  std::optional<ColorRef> ChooseColor(QWidget* owner, ColorRef initial) override;
  std::optional<QFont> ChooseFont(QWidget* owner, const QFont& initial) override;
  bool PrinterSetup(QWidget* owner) override;
  // In QtPlatformPrint.cpp.
  bool Print(const PrintTask& task) override;
  void PrintPreview(QWidget* owner, const std::vector<PrintTask>& tasks) override;
  // In QtPlatformWindows.cpp.
  void SetStayOnTop(QWidget& window, bool on) override;
  SystemMetrics Metrics(const QWidget& window) override;
  QRect ScreenArea(const QWidget& window) override;
  void ShowHelp(HelpView view, int context) override;
  // In QtPlatformLock.cpp.
  FileLockTry LockOpenFile(const std::string& path) override;

  // The printer every print goes to, as the printer set-up left it.
  QPrinter& Printer() { return printer_; }

 private:
  // At the printer's own resolution, as the print units expect.
  QPrinter printer_{QPrinter::HighResolution};
  std::unique_ptr<HelpWindow> help_;  // made when help is first asked for
};

// Writes the task's pages into a PDF file with the fonts embedded, whatever printer is chosen.
// Throws FileError naming the reason when the file cannot be written.
void PrintPdfFile(const PrintTask& task, const std::string& path);

// "Desc|*.a;*.b|All|*.*" as Qt's name filter list: "Desc (*.a *.b);;All (*.*)".
QString QtNameFilters(const std::string& filter);

}  // namespace kumo
