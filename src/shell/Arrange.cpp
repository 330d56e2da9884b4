#include "shell/Arrange.h"

#include <QWidget>

#include "editing/KumoEdit.h"
#include "platform/StringGrid.h"
#include "platform/WindowFrame.h"
#include "shell/KumoApp.h"
#include "shell/KumoMain.h"
#include "views/KumoChk.h"
#include "views/KumoChrg.h"
#include "views/KumoCl.h"
#include "views/KumoCls.h"
#include "views/KumoHlSt.h"
#include "views/KumoPicS.h"
#include "views/KumoStck.h"
#include "views/KumoTe.h"
#include "views/KumoTes.h"

namespace kumo {
namespace {

// The windows by their outer bounds, so that what is set is what is read back; the platform's
// frame sizes go into the layouts' formulas.
class WidgetPlaces : public WindowPlaces {
 public:
  explicit WidgetPlaces(KumoApp& app) : app_(app) {}

  Bounds Get(Win window) const override { return OuterBounds(Widget(window)); }
  void Set(Win window, const Bounds& b) override { SetOuterBounds(Widget(window), b); }
  FrameSize Frame(Win window) const override {
    const SystemMetrics m = app_.platform.Metrics(Widget(window));
    return {m.Frame, m.Caption};
  }

 private:
  QWidget& Widget(Win window) const {
    switch (window) {
      case Win::Main:
        return *app_.frmKumo;
      case Win::Edit:
        return *app_.frmEdit;
      case Win::Teachers:
        return *app_.frmTeachers;
      case Win::Classes:
        return *app_.frmClasses;
      case Win::Teacher:
        return *app_.frmTeacher;
      case Win::Class:
        return *app_.frmClass;
      case Win::Stack:
        return *app_.frmStack;
      case Win::Holding:
        return *app_.frmHoldingStack;
      case Win::PickCharge:
        return *app_.frmPickCharge;
      case Win::PickS:
        return *app_.frmPickS;
      case Win::Checks:
        break;
    }
    return *app_.frmChecks;
  }

  KumoApp& app_;
};

}  // namespace

void ArrangeWindows(KumoApp& app, LayoutRule rule) {
  const SystemMetrics m = app.platform.Metrics(*app.frmEdit);
  const QRect screen = app.platform.ScreenArea(*app.frmKumo);
  const LayoutSizes sizes{
      .VS = m.VScroll,
      .HS = m.HScroll,
      .Screen = {screen.left(), screen.top(), screen.width(), screen.height()},
      .PickChargeRow =
          app.frmPickCharge->Grid().Zoomed(app.frmPickCharge->Grid().DefaultRowHeight()),
      .PickSRow = app.frmPickS->Grid().Zoomed(app.frmPickS->Grid().DefaultRowHeight()),
      .EditGridWidth = app.frmEdit->EditGrid().FullWidth(),
      .Zoom = app.options.Zoom,
  };
  WidgetPlaces places(app);
  rule(places, sizes);
}

}  // namespace kumo
