#include "platform/WindowFrame.h"

#include <QStyle>
#include <QWidget>
#include <QWindow>

namespace kumo {

QSize FrameExtra(const QWidget& window) {
  const QSize extra = window.frameGeometry().size() - window.size();
  // While the window manager maps a window, its frame can be reported as a point at the screen's
  // corner: no frame yet, not a negative one.
  return extra.width() < 0 || extra.height() < 0 ? QSize() : extra;
}

// A window manager frames a window only once it is shown, and windows are placed before that.
// The guess depends on nothing else, so a window that is never shown keeps its outer size.
QSize GuessedFrameExtra(const QWidget& window) {
  const int border = window.style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
  return {2 * border, window.style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * border};
}

QSize FrameExtraOf(const QWidget& window) {
  const QSize real = FrameExtra(window);
  return real.isNull() ? GuessedFrameExtra(window) : real;
}

// A move to where Qt already thinks the window is does not reach a window that is being shown,
// and the window manager would then place it by itself: the native window is told too. A hidden
// window is not: told before it is framed again, it can be shown in the screen's corner.
void PlaceWindow(QWidget& window, QPoint place) {
  window.move(place);
  QWindow* native = window.windowHandle();
  if (native != nullptr && window.isVisible()) native->setFramePosition(place);
}

}  // namespace kumo
