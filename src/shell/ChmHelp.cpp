#include "shell/ChmHelp.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QWidget>

#include "editing/KumoCexc.h"
#include "editing/KumoEdit.h"
#include "editing/KumoLh.h"
#include "editing/KumoMic.h"
#include "output/KumoEnv.h"
#include "output/KumoExp.h"
#include "output/KumoPrn.h"
#include "shell/KumoApp.h"
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
namespace {

constexpr char Property[] = "HelpContext";

// The number of the object or of the nearest window or widget around it that has one; 0: none.
int ContextOf(const QObject* object) {
  for (const QObject* o = object; o != nullptr; o = o->parent()) {
    const QVariant context = o->property(Property);
    if (context.isValid()) return context.toInt();
  }
  return 0;
}

void ShowTopic(KumoApp& app, const QObject* from) {
  if (const int context = ContextOf(from)) app.platform.ShowHelp(HelpView::Topic, context);
}

// F1 wherever the keyboard is: the topic of the focused widget's window, or of the dialog shown
// over it.
class HelpKey : public QObject {
 public:
  explicit HelpKey(KumoApp& app) : QObject(app.frmKumo.get()), app_(app) {
    qApp->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
    if (ContextOf(watched) == 0) return false;
    ShowTopic(app_, watched);
    return true;
  }

 private:
  KumoApp& app_;
};

}  // namespace

void ConnectHelp(KumoApp& app) {
  // Each window names its own topic; these are the ones that have help items and buttons.
  const QWidget* const windows[] = {
      app.frmKumo.get(),         app.frmEdit.get(),          app.frmTeachers.get(),
      app.frmClasses.get(),      app.frmTeacher.get(),       app.frmClass.get(),
      app.frmPickCharge.get(),   app.frmPickS.get(),         app.frmStack.get(),
      app.frmHoldingStack.get(), app.frmChecks.get(),        app.dlgPrintOut.get(),
      app.frmLineHead.get(),     app.frmColumExchange.get(), app.dlgEnvironment.get(),
      app.dlgExport.get(),       app.dlgMicro.get(),         app.dlgEditS.get(),
      app.dlgEditSi.get(),
  };
  for (const QWidget* window : windows) {
    for (QAction* item : window->findChildren<QAction*>()) {
      if (!item->property(Property).isValid()) continue;
      QObject::connect(item, &QAction::triggered, window, [&app, item] { ShowTopic(app, item); });
    }
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
      if (!button->property(Property).isValid()) continue;
      QObject::connect(button, &QAbstractButton::clicked, window,
                       [&app, button] { ShowTopic(app, button); });
    }
    for (QDialogButtonBox* box : window->findChildren<QDialogButtonBox*>()) {
      QObject::connect(box, &QDialogButtonBox::helpRequested, window,
                       [&app, box] { ShowTopic(app, box); });
    }
  }
  new HelpKey(app);
}

}  // namespace kumo
