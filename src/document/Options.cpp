#include "document/Options.h"

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

}  // namespace kumo
