#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>

#include "platform/HelpWindow.h"
#include "platform/QtPlatform.h"
#include "platform/WindowFrame.h"

namespace kumo {

// QWidget::setWindowFlags would hide the window; the flags go to the widget and to its native
// window separately instead, so a shown window stays where it is.
void QtPlatform::SetStayOnTop(QWidget& window, bool on) {
  Qt::WindowFlags flags = window.windowFlags();
  flags.setFlag(Qt::WindowStaysOnTopHint, on);
  window.overrideWindowFlags(flags);
  if (QWindow* handle = window.windowHandle()) handle->setFlags(flags);
}

SystemMetrics QtPlatform::Metrics(const QWidget& window) {
  const Margins m = FrameOf(window);
  const int frame = (m.Left + m.Right) / 2;
  const int bar = window.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &window);
  return {frame, m.Top + m.Bottom - 2 * frame, bar, bar};
}

QRect QtPlatform::ScreenArea(const QWidget& window) {
  return window.screen()->availableGeometry();
}

void QtPlatform::ShowHelp(HelpView view, int context) {
  if (!help_) help_ = std::make_unique<HelpWindow>(ShippedHelpFile());
  help_->ShowView(view, context);
}

}  // namespace kumo
