#include "platform/WindowFrame.h"

#include <QStyle>
#include <QWidget>
#include <QWindow>

namespace kumo {

QSize FrameExtra(const QWidget& window) {
  return window.frameGeometry().size() - window.size();
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
// and the window manager would then place it by itself: the native window is told too.
void PlaceWindow(QWidget& window, QPoint place) {
  window.move(place);
  if (QWindow* native = window.windowHandle()) native->setFramePosition(place);
}

}  // namespace kumo
