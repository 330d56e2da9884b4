// Top-level windows by their outer bounds, frame and title bar included, whatever the window
// manager's frame: what is set is what is read back, at once and across starts.
#pragma once

#include "platform/WindowBounds.h"

class QWidget;

namespace kumo {

// The window manager's frame around the window; null until the window is framed.
Margins RealFrame(const QWidget& window);
// The real frame once there is one; before, a title bar and a border as the style draws them.
Margins FrameOf(const QWidget& window);

// The outer bounds: where the window was last placed until the window manager has framed it
// there, then where the frame is.
Bounds OuterBounds(const QWidget& window);
// Places the window by its outer bounds; a window the user cannot resize keeps its size. Until
// the window manager has framed the window where it was placed, the place is kept and put right
// whenever the window is shown; so is the place a shown window is hidden at.
void SetOuterBounds(QWidget& window, const Bounds& outer);
void MoveOuter(QWidget& window, int left, int top);

// The free area of the screen the bounds lie on most, or of the primary screen.
Bounds ScreenAreaAt(const Bounds& outer);
// Places the window at outer, kept within reach: a dialog whole on the screen, a window with its
// title bar on it.
void PlaceWithinReach(QWidget& window, const Bounds& outer);
// In the middle of the screen the window is on.
void CentreOnScreen(QWidget& window);

}  // namespace kumo
