// A platform for window tests: message boxes as ScriptedPrompter answers them, file dialogs and
// modal dialogs from queues, every request recorded. Nothing modal ever runs, and a dialog or
// error box the test did not expect fails the test.
#pragma once

#include <QFont>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "support/RecordingPrinter.h"
#include "support/ScriptedPrompter.h"

namespace kumo::test {

class ScriptedPlatform : public Platform, public ScriptedPrompter {
 public:
  ~ScriptedPlatform() override;

  // The path the next open or save dialog returns; nullopt: the user cancels it.
  void ExpectOpen(std::optional<std::string> path) { opens_.push_back(std::move(path)); }
  void ExpectSave(std::optional<std::string> path) { saves_.push_back(std::move(path)); }
  // The next error box is expected.
  void ExpectErrorBox() { ++expectedErrors_; }
  // Plays the user's part in the next modal dialog; returns its result.
  void ExpectDialog(std::function<int(QDialog&)> handler) {
    dialogs_.push_back(std::move(handler));
  }
  // The answers of the next colour, font and printer set-up dialogs.
  void ExpectColor(std::optional<ColorRef> color) { colors_.push_back(color); }
  void ExpectFont(std::optional<QFont> font) { fonts_.push_back(std::move(font)); }
  void ExpectPrinterSetup(bool confirmed) { printerSetups_.push_back(confirmed); }
  // The user prints from the next preview.
  void ExpectPrintFromPreview() { printFromPreview_ = true; }
  // The next print job draws its pages, then fails with this reason.
  void ExpectPrintFailure(std::string reason) { printFailures_.push_back(std::move(reason)); }

  std::optional<std::string> OpenFileDialog(QWidget* owner,
                                            const FileDialogRequest& request) override;
  std::optional<std::string> SaveFileDialog(QWidget* owner,
                                            const FileDialogRequest& request) override;
  void ErrorBox(const std::string& text) override;
  int ExecDialog(QDialog& dialog) override;
  std::optional<ColorRef> ChooseColor(QWidget* owner, ColorRef initial) override;
  std::optional<QFont> ChooseFont(QWidget* owner, const QFont& initial) override;
  bool PrinterSetup(QWidget* owner) override;
  bool Print(const std::vector<PrintTask>& tasks) override;
  // Records the pages; the user closes the preview, printing from it when told to.
  bool PrintPreview(QWidget* owner, const std::vector<PrintTask>& tasks) override;
  void ProcessMessages() override;
  void SetStayOnTop(QWidget& window, bool on) override { onTop_[&window] = on; }
  // Fixed metrics and a fixed screen, the same for every window, so layouts are exact.
  SystemMetrics Metrics(const QWidget& /*window*/) override { return metrics_; }
  QRect ScreenArea(const QWidget& /*window*/) override { return screen_; }
  void SetMetrics(SystemMetrics metrics) { metrics_ = metrics; }
  void SetScreenArea(QRect area) { screen_ = area; }
  // Records the request; the help window itself is the help's own test's.
  void ShowHelp(HelpView view, int context) override { helps_.push_back({view, context}); }
  struct HelpRequest {
    HelpView View;
    int Context;
    bool operator==(const HelpRequest&) const = default;
  };
  const std::vector<HelpRequest>& HelpRequests() const { return helps_; }
  // Another program holds the file open, as holder tells.
  void HoldElsewhere(const std::string& path, FileHolder holder) { elsewhere_[path] = holder; }
  // Locks as HoldElsewhere scripted them; any other file is locked here.
  FileLockTry LockOpenFile(const std::string& path) override;
  // The files this program holds locked now.
  std::vector<std::string> Locked() const { return {locked_->begin(), locked_->end()}; }
  // Records, with the box, whether a shown window stayed on top of the others meanwhile.
  Answer MessageBox(BoxType type, kumo::Buttons buttons, const std::string& text) override;
  void Reset() {
    ScriptedPrompter::Reset();
    onTopAtBoxes_.clear();
  }

  // The window's stay-on-top state: as SetStayOnTop last left it, else its window flags.
  bool StaysOnTop(const QWidget& window) const;
  // For each box since the last Reset: some shown window stayed on top while it was asked.
  const std::vector<bool>& OnTopAtBoxes() const { return onTopAtBoxes_; }
  const std::vector<FileDialogRequest>& OpenRequests() const { return openRequests_; }
  const std::vector<FileDialogRequest>& SaveRequests() const { return saveRequests_; }
  const std::vector<std::string>& ErrorBoxes() const { return errors_; }
  const std::vector<QDialog*>& Dialogs() const { return shownDialogs_; }
  // Every job printed, and every job shown in a preview, in order.
  const std::vector<PrintedJob>& Printed() const { return printed_; }
  // How many prints were asked for, each with its jobs.
  int PrintCommands() const { return printCommands_; }
  const std::vector<PrintedJob>& Previewed() const { return previewed_; }

 private:
  std::deque<std::optional<std::string>> opens_;
  std::deque<std::optional<std::string>> saves_;
  std::deque<std::function<int(QDialog&)>> dialogs_;
  std::deque<std::optional<ColorRef>> colors_;
  std::deque<std::optional<QFont>> fonts_;
  std::deque<bool> printerSetups_;
  std::deque<std::string> printFailures_;
  int expectedErrors_ = 0;
  static constexpr int printerDpi_ = 600;
  int copies_ = 1;  // the printer's copy count
  std::vector<PrintedJob> printed_;
  int printCommands_ = 0;
  bool printFromPreview_ = false;
  std::vector<PrintedJob> previewed_;
  std::vector<FileDialogRequest> openRequests_;
  std::vector<FileDialogRequest> saveRequests_;
  std::vector<std::string> errors_;
  std::vector<QDialog*> shownDialogs_;
  std::map<const QWidget*, bool> onTop_;
  std::vector<bool> onTopAtBoxes_;
  SystemMetrics metrics_{4, 20, 16, 16};
  QRect screen_{0, 0, 1024, 768};
  std::vector<HelpRequest> helps_;
  std::map<std::string, FileHolder> elsewhere_;
  // Shared with the locks, which may outlive the platform.
  std::shared_ptr<std::multiset<std::string>> locked_ =
      std::make_shared<std::multiset<std::string>>();
};

}  // namespace kumo::test
