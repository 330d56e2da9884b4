// The application context: the document, the class index, the options, the platform and every
// window. It makes the windows, each with only what it uses, and links their requests to one
// another; nothing of the program lives in globals.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/KumoHead.h"
#include "document/Options.h"
#include "platform/Platform.h"
#include "shell/WindowLinks.h"

class QWidget;

namespace kumo {

class TfrmKumo;
class TfrmTeachers;
class TAboutBox;
class TfrmColumExchange;
class TfrmPickCharge;
class TfrmClass;
class TfrmClasses;
class TfrmEdit;
class TdlgEnvironment;
class TdlgExport;
class TfrmHoldingStack;
class TfrmLineHead;
class TdlgMicro;
class TfrmPickS;
class TdlgPrintOut;
class TfrmStack;
class TfrmTeacher;
class TdlgEditS;
class TdlgEditSi;
class TfrmChecks;

class KumoApp {
 public:
  // startFile: the command line's timetable path, if any.
  KumoApp(Platform& platform, std::optional<std::string> startFile);
  ~KumoApp();
  KumoApp(const KumoApp&) = delete;
  KumoApp& operator=(const KumoApp&) = delete;

  Platform& platform;
  Options options;
  TKumData doc;
  TClassLines classes;
  std::optional<std::string> StartFile;
  std::string ProgramDir;  // the program's directory, with its trailing separator
  // The user's documents folder, with its trailing separator: where the sample school is
  // copied on the first start.
  std::string DocumentsDir;
  // What the windows ask of one another, answered by the windows below.
  WindowLinks links;

  // Every window, created in this order by the constructor; destroyed in reverse.
  std::unique_ptr<TfrmKumo> frmKumo;
  std::unique_ptr<TfrmTeachers> frmTeachers;
  std::unique_ptr<TAboutBox> AboutBox;
  std::unique_ptr<TfrmColumExchange> frmColumExchange;
  std::unique_ptr<TfrmPickCharge> frmPickCharge;
  std::unique_ptr<TfrmClass> frmClass;
  std::unique_ptr<TfrmClasses> frmClasses;
  std::unique_ptr<TfrmEdit> frmEdit;
  std::unique_ptr<TdlgEnvironment> dlgEnvironment;
  std::unique_ptr<TdlgExport> dlgExport;
  std::unique_ptr<TfrmHoldingStack> frmHoldingStack;
  std::unique_ptr<TfrmLineHead> frmLineHead;
  std::unique_ptr<TdlgMicro> dlgMicro;
  std::unique_ptr<TfrmPickS> frmPickS;
  std::unique_ptr<TdlgPrintOut> dlgPrintOut;
  std::unique_ptr<TfrmStack> frmStack;
  std::unique_ptr<TfrmTeacher> frmTeacher;
  std::unique_ptr<TdlgEditS> dlgEditS;
  std::unique_ptr<TdlgEditSi> dlgEditSi;
  std::unique_ptr<TfrmChecks> frmChecks;

  // The windows beside the main one, every grid among them.
  std::vector<QWidget*> ToolWindows() const;
};

}  // namespace kumo
