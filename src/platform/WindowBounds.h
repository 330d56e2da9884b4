// Window bounds as plain numbers: the outer bounds a window is placed by, the inside the window
// manager's frame leaves, and the rule that keeps a window within reach.
#pragma once

#include <optional>

namespace kumo {

// Screen pixels.
struct Bounds {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool operator==(const Bounds&) const = default;
};

// What a frame adds on each side; the title bar is part of the top.
struct Margins {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  bool IsNull() const { return Left == 0 && Top == 0 && Right == 0 && Bottom == 0; }
  bool operator==(const Margins&) const = default;
};

// The inside of a window of the given outer bounds, and the outer bounds of an inside.
Bounds InsideOf(const Bounds& outer, const Margins& frame);
Bounds OuterOf(const Bounds& inside, const Margins& frame);

// Where a framed window's inside must go for its outer bounds to be wanted, or nothing when
// they are; a window of a fixed size (sizable false) is only moved.
std::optional<Bounds> Correction(const Bounds& inside, const Margins& frame, const Bounds& wanted,
                                 bool sizable);

// The place nearest to bounds' whose title bar (titleBar high) lies whole on the screen, as far
// as the window's width allows; the size stays. Every window and dialog is kept within reach by
// this rule.
Bounds Reachable(const Bounds& bounds, const Bounds& screen, int titleBar);

// A window of the given size in the middle of the screen.
Bounds Centred(int width, int height, const Bounds& screen);

}  // namespace kumo
