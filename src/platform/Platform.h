// Our stand-in for the Windows platform services the windows use: message boxes, the beep,
// the common file dialogs, the application's error box, modal dialogs, printing and the message
// loop.
#pragma once

#include <QFont>
#include <QRect>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/Options.h"
#include "document/Prompter.h"
#include "platform/PrintJob.h"

class QDialog;
class QWidget;

namespace kumo {

struct FileDialogRequest {
  std::string Filter;      // "Description|*.ext", as the windows give it
  std::string DefaultExt;  // without the dot
  std::string FileName;    // initial file name or path (UTF-8)
  std::string InitialDir;  // empty: the current directory
  std::string Title;       // empty: the platform's own title
};

// The sizes window layouts are computed from, in pixels.
struct SystemMetrics {
  int Frame = 0;    // a sizing border: the left and right ones together are twice this
  int Caption = 0;  // the title bar: Caption + 2 × Frame is all the frame adds to a height
  int VScroll = 0;  // a vertical scroll bar's width
  int HScroll = 0;  // a horizontal scroll bar's arrow
};

enum class HelpView { Contents, Index, Topic };

// Who has a file open in another program, as the lock that program keeps tells.
struct FileHolder {
  std::string Host;
  long long Process = 0;
  std::string Since;  // local time, "2026/12/09 08:15"
};

// Says, while it lives, that a file is open here.
class FileLock {
 public:
  virtual ~FileLock() = default;
};

struct FileLockTry {
  std::unique_ptr<FileLock> Lock;    // taken
  std::optional<FileHolder> HeldBy;  // held by another program; no lock is taken then
};

class Platform : public virtual Prompter {
 public:
  // The chosen path (UTF-8), or nothing when the user cancelled.
  virtual std::optional<std::string> OpenFileDialog(QWidget* owner,
                                                    const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> SaveFileDialog(QWidget* owner,
                                                    const FileDialogRequest& request) = 0;
  // The application's error box for a failed command (an input/output error).
  virtual void ErrorBox(const std::string& text) = 0;
  // Runs a dialog modally and returns its result (QDialog::Accepted or Rejected).
  virtual int ExecDialog(QDialog& dialog) = 0;
  // The colour dialog, starting at initial; nothing when the user cancelled.
  virtual std::optional<ColorRef> ChooseColor(QWidget* owner, ColorRef initial) = 0;
  // A fixed-pitch face for printing; the chosen font is initial with only its face changed.
  virtual std::optional<QFont> ChooseFont(QWidget* owner, const QFont& initial) = 0;
  // The printer set-up dialog for the one printer all printing uses; true when confirmed.
  virtual bool PrinterSetup(QWidget* owner) = 0;
  // The prints of one command, in order: on the printer the set-up chose, each a job of its own;
  // into a PDF file when that is the destination, all their pages in one file, at the name the
  // set-up gave (asked for once when it gave none). False when the user cancelled; a print that
  // fails throws FileError naming the reason, and a PDF file it would have replaced stays whole.
  virtual bool Print(const std::vector<PrintTask>& tasks) = 0;
  // Shows the pages of all the tasks together, zoomable. True when the user asks to print them.
  virtual bool PrintPreview(QWidget* owner, const std::vector<PrintTask>& tasks) = 0;
  // Lets pending window messages run, so that long walks repaint as they go. The user's input
  // waits until the running command has ended, so that no command runs inside another.
  virtual void ProcessMessages() = 0;
  // Puts a top-level window into or out of the stay-on-top state, without hiding it.
  virtual void SetStayOnTop(QWidget& window, bool on) = 0;
  // The window's frame as the window manager draws it, or as the style estimates it until the
  // window has been framed; the scroll bars as the style draws them.
  virtual SystemMetrics Metrics(const QWidget& window) = 0;
  // The free area (without panels and docks) of the screen the window is on.
  virtual QRect ScreenArea(const QWidget& window) = 0;
  // The help window on its contents, on its keyword index, or on the topic of a context number.
  virtual void ShowHelp(HelpView view, int context = 0) = 0;
  // Marks the file as open here for other programs to see: beside the file, or in the user's
  // runtime folder where the file's folder takes no new file. A lock left by a program that
  // ended without releasing it is taken over. Neither a lock nor a holder where no lock can be
  // kept at all.
  virtual FileLockTry LockOpenFile(const std::string& path) = 0;
};

}  // namespace kumo
