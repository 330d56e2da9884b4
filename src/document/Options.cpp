#include "document/Options.h"

#include <algorithm>

namespace kumo {

void DeriveOptions(Options& options) {
  switch (options.ViewClassType) {
    case 0:
      options.LetterLabels = false;
      options.CircledLabels = false;
      break;
    case 1:
      options.LetterLabels = false;
      options.CircledLabels = true;
      break;
    case 2:
      options.LetterLabels = true;
      break;
  }
  static constexpr int letters[] = {1, 2, 4};
  if (options.ClassLetters >= 0 && options.ClassLetters <= 2) {
    options.PrintClassLetters = letters[options.ClassLetters];
  }
  options.ColorPrinting = options.Color;
}

int SteppedZoom(int zoom, int steps) {
  const int last = static_cast<int>(ZoomSteps.size()) - 1;
  int at = 0;
  while (at < last && ZoomSteps[at] < zoom) ++at;
  // Between two steps, the larger one already counts as one step up.
  if (ZoomSteps[at] > zoom && steps > 0) --steps;
  return ZoomSteps[std::clamp(at + steps, 0, last)];
}

}  // namespace kumo
