// A top-level window's frame and title bar, and its placing by its outer corner.
#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

namespace kumo {

// What the window manager's frame adds to the window's size; null until the window is framed.
QSize FrameExtra(const QWidget& window);
// A title bar and a border as the style draws them: the frame expected before the real one.
QSize GuessedFrameExtra(const QWidget& window);
// The real frame once there is one, the guess before.
QSize FrameExtraOf(const QWidget& window);

// Places a window by its outer top-left corner.
void PlaceWindow(QWidget& window, QPoint place);

}  // namespace kumo
