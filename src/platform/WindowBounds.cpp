#include "platform/WindowBounds.h"

#include <algorithm>

namespace kumo {

Bounds InsideOf(const Bounds& outer, const Margins& frame) {
  return {outer.Left + frame.Left, outer.Top + frame.Top, outer.Width - frame.Left - frame.Right,
          outer.Height - frame.Top - frame.Bottom};
}

Bounds OuterOf(const Bounds& inside, const Margins& frame) {
  return {inside.Left - frame.Left, inside.Top - frame.Top, inside.Width + frame.Left + frame.Right,
          inside.Height + frame.Top + frame.Bottom};
}

std::optional<Bounds> Correction(const Bounds& inside, const Margins& frame, const Bounds& wanted,
                                 bool sizable) {
  const Bounds actual = OuterOf(inside, frame);
  Bounds want = wanted;
  if (!sizable) {
    want.Width = actual.Width;
    want.Height = actual.Height;
  }
  if (actual == want) return std::nullopt;
  return InsideOf(want, frame);
}

Bounds Reachable(const Bounds& bounds, const Bounds& screen, int titleBar) {
  Bounds b = bounds;
  b.Left = std::max(std::min(b.Left, screen.Left + screen.Width - b.Width), screen.Left);
  b.Top = std::max(std::min(b.Top, screen.Top + screen.Height - titleBar), screen.Top);
  return b;
}

Bounds Centred(int width, int height, const Bounds& screen) {
  return {screen.Left + (screen.Width - width) / 2, screen.Top + (screen.Height - height) / 2,
          width, height};
}

}  // namespace kumo
