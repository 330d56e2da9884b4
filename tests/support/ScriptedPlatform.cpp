#include "support/ScriptedPlatform.h"

#include <utility>

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QWidget>

#include "base/FileError.h"

namespace kumo::test {

namespace {

// The next scripted answer; none left fails the test and answers as a cancel would.
template <class T>
T Next(std::deque<T>& queue, const std::string& what, T cancelled) {
  if (queue.empty()) {
    ADD_FAILURE() << "unexpected " << what;
    return cancelled;
  }
  T answer = std::move(queue.front());
  queue.pop_front();
  return answer;
}

}  // namespace

namespace {

class ScriptedLock : public FileLock {
 public:
  ScriptedLock(std::shared_ptr<std::multiset<std::string>> locked, std::string path)
      : locked_(std::move(locked)), at_(locked_->insert(std::move(path))) {}
  ~ScriptedLock() override { locked_->erase(at_); }

 private:
  std::shared_ptr<std::multiset<std::string>> locked_;
  std::multiset<std::string>::iterator at_;
};

}  // namespace

FileLockTry ScriptedPlatform::LockOpenFile(const std::string& path) {
  FileLockTry result;
  if (const auto held = elsewhere_.find(path); held != elsewhere_.end()) {
    result.HeldBy = held->second;
  } else {
    result.Lock = std::make_unique<ScriptedLock>(locked_, path);
  }
  return result;
}

ScriptedPlatform::~ScriptedPlatform() {
  EXPECT_TRUE(opens_.empty()) << opens_.size() << " open dialogs were never shown";
  EXPECT_TRUE(saves_.empty()) << saves_.size() << " save dialogs were never shown";
  EXPECT_TRUE(dialogs_.empty()) << dialogs_.size() << " modal dialogs were never run";
  EXPECT_TRUE(colors_.empty() && fonts_.empty() && printerSetups_.empty())
      << "colour, font or printer dialogs were never shown";
  EXPECT_EQ(expectedErrors_, 0) << "expected error boxes were never shown";
  EXPECT_TRUE(printFailures_.empty()) << "expected print failures never happened";
}

std::optional<std::string> ScriptedPlatform::OpenFileDialog(QWidget* /*owner*/,
                                                            const FileDialogRequest& request) {
  openRequests_.push_back(request);
  return Next(opens_, "open dialog for " + request.FileName, std::optional<std::string>());
}

std::optional<std::string> ScriptedPlatform::SaveFileDialog(QWidget* /*owner*/,
                                                            const FileDialogRequest& request) {
  saveRequests_.push_back(request);
  return Next(saves_, "save dialog for " + request.FileName, std::optional<std::string>());
}

void ScriptedPlatform::ErrorBox(const std::string& text) {
  errors_.push_back(text);
  if (expectedErrors_ == 0) {
    ADD_FAILURE() << "unexpected error box: " << text;
    return;
  }
  --expectedErrors_;
}

int ScriptedPlatform::ExecDialog(QDialog& dialog) {
  shownDialogs_.push_back(&dialog);
  if (dialogs_.empty()) {
    ADD_FAILURE() << "unexpected modal dialog: " << dialog.windowTitle().toStdString();
    return QDialog::Rejected;
  }
  auto handler = std::move(dialogs_.front());
  dialogs_.pop_front();
  return handler(dialog);
}

std::optional<ColorRef> ScriptedPlatform::ChooseColor(QWidget* /*owner*/, ColorRef /*initial*/) {
  return Next(colors_, "colour dialog", std::optional<ColorRef>());
}

std::optional<QFont> ScriptedPlatform::ChooseFont(QWidget* /*owner*/, const QFont& /*initial*/) {
  return Next(fonts_, "font dialog", std::optional<QFont>());
}

bool ScriptedPlatform::PrinterSetup(QWidget* /*owner*/) {
  return Next(printerSetups_, "printer set-up dialog", false);
}

namespace {

PrintedJob Record(const PrintTask& task, int dpi, int& copies) {
  PrintedJob record;
  record.Request = task.Request;
  if (task.Request.Copies) copies = *task.Request.Copies;
  record.Copies = copies;
  RecordingJob job(dpi, record);
  task.Draw(job);
  return record;
}

}  // namespace

bool ScriptedPlatform::Print(const std::vector<PrintTask>& tasks) {
  ++printCommands_;
  for (const PrintTask& task : tasks) {
    printed_.push_back(Record(task, printerDpi_, copies_));
    if (!printFailures_.empty()) {
      const std::string reason = printFailures_.front();
      printFailures_.pop_front();
      throw FileError(reason);
    }
  }
  return true;
}

bool ScriptedPlatform::PrintPreview(QWidget* /*owner*/, const std::vector<PrintTask>& tasks) {
  int copies = copies_;
  for (const PrintTask& task : tasks) previewed_.push_back(Record(task, printerDpi_, copies));
  return std::exchange(printFromPreview_, false);
}

Answer ScriptedPlatform::MessageBox(BoxType type, kumo::Buttons buttons, const std::string& text) {
  bool onTop = false;
  for (const QWidget* window : QApplication::topLevelWidgets()) {
    onTop = onTop || (window->isVisible() && StaysOnTop(*window));
  }
  onTopAtBoxes_.push_back(onTop);
  return ScriptedPrompter::MessageBox(type, buttons, text);
}

bool ScriptedPlatform::StaysOnTop(const QWidget& window) const {
  const auto set = onTop_.find(&window);
  if (set != onTop_.end()) return set->second;
  return window.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void ScriptedPlatform::ProcessMessages() {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace kumo::test
