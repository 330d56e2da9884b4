#include "shell/KumoApp.h"

#include <QWindow>

#include "editing/KumoCexc.h"
#include "editing/KumoEdit.h"
#include "editing/KumoLh.h"
#include "editing/KumoMic.h"
#include "output/KumoEnv.h"
#include "output/KumoExp.h"
#include "output/KumoPrn.h"
#include "shell/ChmHelp.h"
#include "shell/KumoAbout.h"
#include "shell/KumoMain.h"
#include "views/KumoChk.h"
#include "views/KumoChrg.h"
#include "views/KumoCl.h"
#include "views/KumoCls.h"
#include "views/KumoEdS.h"
#include "views/KumoEdSi.h"
#include "views/KumoHlSt.h"
#include "views/KumoPicS.h"
#include "views/KumoStck.h"
#include "views/KumoTe.h"
#include "views/KumoTes.h"

namespace kumo {

KumoApp::KumoApp(Platform& platform, std::optional<std::string> startFile)
    : platform(platform),
      doc(options, platform),
      classes(doc),
      StartFile(std::move(startFile)),
      links(*this) {
  frmKumo = std::make_unique<TfrmKumo>(*this);
  frmTeachers = std::make_unique<TfrmTeachers>(doc, options, links);
  AboutBox = std::make_unique<TAboutBox>(*this);
  frmColumExchange = std::make_unique<TfrmColumExchange>(doc, platform);
  frmPickCharge = std::make_unique<TfrmPickCharge>(doc, options, links);
  frmClass = std::make_unique<TfrmClass>(doc, classes, options, platform);
  frmClasses = std::make_unique<TfrmClasses>(doc, classes, options, links);
  frmEdit = std::make_unique<TfrmEdit>(doc, classes, options, platform, links, links);
  dlgEnvironment = std::make_unique<TdlgEnvironment>(doc, options, platform, links);
  dlgExport = std::make_unique<TdlgExport>(doc, classes, options, platform, links, links, links,
                                           DocumentsDir);
  frmHoldingStack = std::make_unique<TfrmHoldingStack>(doc, options);
  frmLineHead = std::make_unique<TfrmLineHead>(doc, platform, links);
  dlgMicro = std::make_unique<TdlgMicro>(doc, options, platform, links);
  frmPickS = std::make_unique<TfrmPickS>(doc, options, platform, links, links, links);
  dlgPrintOut = std::make_unique<TdlgPrintOut>(doc, classes, options, platform, links);
  frmStack = std::make_unique<TfrmStack>(doc, options);
  frmTeacher = std::make_unique<TfrmTeacher>(doc, options);
  dlgEditS = std::make_unique<TdlgEditS>(doc, platform);
  dlgEditSi = std::make_unique<TdlgEditSi>(doc, platform);
  frmChecks = std::make_unique<TfrmChecks>(doc, classes, platform, links, links);
  ConnectHelp(*this);
  // One program, one taskbar entry: the other windows belong to the main window, with which the
  // window manager minimises and restores them.
  frmKumo->winId();
  for (QWidget* window : ToolWindows()) {
    // As utility windows of the main window, the window manager keeps them with it.
    window->setWindowFlags(window->windowFlags() | Qt::Tool);
    window->winId();
    window->windowHandle()->setTransientParent(frmKumo->windowHandle());
  }
}

std::vector<QWidget*> KumoApp::ToolWindows() const {
  return {frmTeachers.get(), frmColumExchange.get(), frmPickCharge.get(),   frmClass.get(),
          frmClasses.get(),  frmEdit.get(),          frmHoldingStack.get(), frmLineHead.get(),
          frmPickS.get(),    frmStack.get(),         frmTeacher.get(),      frmChecks.get()};
}

// The members go in reverse order of declaration, which is the reverse order of creation; the
// main window, which the document reports to, goes last.
KumoApp::~KumoApp() = default;

}  // namespace kumo
