// The fonts the windows ask for by their Windows names, and where Linux finds them.
#pragma once

#include <QFont>
#include <QStringList>

namespace kumo {

// Maps the Windows Japanese faces onto the IPA fonts, whose full-width characters are exactly
// twice as wide as the half-width ones, so that grid columns line up as designed.
void InstallFontSubstitutions();

// The faces a print may use: every face that holds Japanese and in which a full-width character
// is exactly two half-width ones wide, by its plain family name, with "ＭＳ ゴシック" (the
// default, whatever face it maps to) and current always among them, sorted, without duplicates.
QStringList PrintFaces(const QString& current);

// "ＭＳ ゴシック" at a height in pixels, the font of nearly every window.
QFont GothicFont(int pixelSize);

}  // namespace kumo
