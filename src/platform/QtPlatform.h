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
  bool Print(const std::vector<PrintTask>& tasks) override;
  bool PrintPreview(QWidget* owner, const std::vector<PrintTask>& tasks) override;
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

// Writes the pages of the tasks, in order, into one PDF file with the fonts embedded, whatever
// printer is chosen: each task's pages as many times as the copy count in force for it (its own,
// else the one before it, starting at copies). The document is made whole in memory and then
// replaced in one step, so a failure leaves an old file as it was. Returns the copy count the
// last task left; throws FileError naming the reason.
int PrintPdfFile(const std::vector<PrintTask>& tasks, const std::string& path, int copies = 1);

// "Desc|*.a;*.b|All|*.*" as Qt's name filter list: "Desc (*.a *.b);;All (*.*)".
QString QtNameFilters(const std::string& filter);

}  // namespace kumo
