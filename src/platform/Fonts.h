// The fonts the windows ask for by their Windows names, and where Linux finds them.
#pragma once

#include <QFont>

namespace kumo {

// Maps the Windows Japanese faces onto the IPA fonts, whose full-width characters are exactly
// twice as wide as the half-width ones, so that grid columns line up as designed.
void InstallFontSubstitutions();

// "ＭＳ ゴシック" at a height in pixels, the font of nearly every window.
QFont GothicFont(int pixelSize);

}  // namespace kumo
