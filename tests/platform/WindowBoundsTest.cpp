// Outer bounds through window managers of every kind of frame: what is stored is what comes back,
// start after start and showing after showing, and reachability moves a window no further than
// it must.
#include <gtest/gtest.h>

#include "platform/WindowBounds.h"

namespace kumo::test {
namespace {

// A window manager as far as placing goes: it frames a window with its margins when it maps it,
// and puts there either the frame or the inside at the place asked for; a mapped window it moves
// as asked.
struct SimulatedManager {
  Margins Frame;
  bool FrameAtPlace;

  Bounds Map(const Bounds& askedInside) const {
    if (!FrameAtPlace) return askedInside;
    Bounds inside = askedInside;
    inside.Left += Frame.Left;
    inside.Top += Frame.Top;
    return inside;
  }
};

// One showing as the program does it: the inside asked for from the guessed frame, then put right
// once the real frame is known. Returns the outer bounds the window then has.
Bounds Show(const Bounds& wanted, const Margins& guess, const SimulatedManager& wm, bool sizable) {
  Bounds inside = wm.Map(InsideOf(wanted, guess));
  if (!sizable) {
    inside.Width = 300;
    inside.Height = 40;
  }
  if (const std::optional<Bounds> corrected = Correction(inside, wm.Frame, wanted, sizable)) {
    inside = *corrected;
  }
  return OuterOf(inside, wm.Frame);
}

TEST(WindowBoundsTest, StoredOuterBoundsComeBackAfterTenStartsWhateverTheFrame) {
  const Margins frames[] = {
      {1, 20, 1, 5}, {1, 20, 1, 1}, {4, 28, 4, 4}, {0, 0, 0, 0}, {8, 31, 8, 8}};
  const Margins guesses[] = {{1, 25, 1, 1}, {0, 0, 0, 0}, {4, 28, 4, 4}};
  for (const Margins& frame : frames) {
    for (const Margins& guess : guesses) {
      for (bool frameAtPlace : {false, true}) {
        for (bool sizable : {true, false}) {
          const SimulatedManager wm{frame, frameAtPlace};
          const Bounds first{0, 69, 640, 568};
          Bounds stored = first;
          for (int start = 0; start < 10; ++start) {
            // Each start reads the file and shows the window twice: opened, closed, reopened.
            Bounds shown = Show(stored, guess, wm, sizable);
            shown = Show(shown, guess, wm, sizable);
            stored = shown;
          }
          EXPECT_EQ(stored.Left, first.Left);
          EXPECT_EQ(stored.Top, first.Top);
          if (sizable) {
            EXPECT_EQ(stored, first);
          }
        }
      }
    }
  }
}

TEST(WindowBoundsTest, InsideAndOuterAreInverseAndAFramedWindowInPlaceNeedsNoCorrection) {
  const Margins frame{1, 20, 1, 5};
  const Bounds outer{-30, 700, 135, 170};
  EXPECT_EQ(InsideOf(outer, frame), (Bounds{-29, 720, 133, 145}));
  EXPECT_EQ(OuterOf(InsideOf(outer, frame), frame), outer);
  EXPECT_EQ(Correction(InsideOf(outer, frame), frame, outer, true), std::nullopt);
  // A fixed-size window in its place is not resized to what was asked.
  EXPECT_EQ(Correction({-29, 720, 300, 40}, frame, outer, false), std::nullopt);
  EXPECT_EQ(Correction({0, 0, 300, 40}, frame, outer, false), (Bounds{-29, 720, 300, 40}));
}

TEST(WindowBoundsTest, ReachableMovesOnlyAsFarAsNeeded) {
  const Bounds screen{0, 30, 1000, 700};  // a panel above
  const struct {
    Bounds In;
    int Kept;  // a title bar, or a whole dialog
    Bounds Out;
  } cases[] = {
      {{10, 40, 100, 100}, 24, {10, 40, 100, 100}},      // on the screen
      {{10, 0, 100, 100}, 24, {10, 30, 100, 100}},       // under the panel
      {{-50, 720, 100, 100}, 24, {0, 706, 100, 100}},    // title bar just above the bottom
      {{950, 100, 100, 900}, 24, {900, 100, 100, 900}},  // taller than the screen: only the bar
      {{500, 100, 1200, 100}, 24, {0, 100, 1200, 100}},  // wider than the screen: its left edge
      // A dialog beside a palette at the screen's bottom comes up whole on the screen.
      {{300, 700, 251, 160}, 160, {300, 570, 251, 160}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Reachable(c.In, screen, c.Kept), c.Out) << c.In.Left << "," << c.In.Top;
  }
  EXPECT_EQ(Centred(317, 240, screen), (Bounds{341, 260, 317, 240}));
}

}  // namespace
}  // namespace kumo::test
