#include "shell/GridZoom.h"

#include <QWidget>

#include "platform/StringGrid.h"
#include "shell/KumoApp.h"

namespace kumo {

void ApplyZoom(KumoApp& app) {
  for (QWidget* window : app.ToolWindows()) {
    // The grid has no meta-object of its own: Qt's cast would take any scroll area for one.
    for (QAbstractScrollArea* area : window->findChildren<QAbstractScrollArea*>()) {
      auto* grid = dynamic_cast<StringGrid*>(area);
      if (!grid) continue;
      grid->SetZoom(app.options.Zoom);
      grid->OnZoom = [&app](int steps) { ChangeZoom(app, SteppedZoom(app.options.Zoom, steps)); };
    }
  }
}

void ChangeZoom(KumoApp& app, int zoom) {
  app.options.Zoom = SteppedZoom(zoom, 0);
  ApplyZoom(app);
  // The windows renew from the options, as after the environment dialog.
  app.doc.NotifyAllChanged();
}

}  // namespace kumo
