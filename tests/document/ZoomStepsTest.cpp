#include <gtest/gtest.h>

#include <algorithm>

#include "document/Options.h"

namespace kumo {
namespace {

TEST(ZoomStepsTest, StepsMoveAlongTheLadderAndStopAtItsEnds) {
  const struct {
    int zoom;
    int steps;
    int expected;
  } cases[] = {
      {100, 1, 125}, {100, -1, 90},  {75, -1, 75},  {200, 1, 200}, {90, 3, 150},   {100, 0, 100},
      {110, 1, 125}, {110, -1, 100}, {110, 0, 125}, {-5, 0, 75},   {1000, 0, 200}, {1000, -2, 150},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SteppedZoom(c.zoom, c.steps), c.expected) << c.zoom << " by " << c.steps;
  }
  // Whatever the start, the result is a step.
  for (int zoom = -50; zoom <= 400; zoom += 7) {
    for (int steps = -8; steps <= 8; ++steps) {
      const int z = SteppedZoom(zoom, steps);
      EXPECT_NE(std::find(ZoomSteps.begin(), ZoomSteps.end(), z), ZoomSteps.end()) << zoom;
    }
  }
}

}  // namespace
}  // namespace kumo
