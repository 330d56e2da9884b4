#include <QWidget>
#include <QWindow>

#include "platform/QtPlatform.h"

namespace kumo {

// QWidget::setWindowFlags would hide the window; the flags go to the widget and to its native
// window separately instead, so a shown window stays where it is.
void QtPlatform::SetStayOnTop(QWidget& window, bool on) {
  Qt::WindowFlags flags = window.windowFlags();
  flags.setFlag(Qt::WindowStaysOnTopHint, on);
  window.overrideWindowFlags(flags);
  if (QWindow* handle = window.windowHandle()) handle->setFlags(flags);
}

}  // namespace kumo
