// The program's own glyphs where the desktop's would not read at the size of a button, and the
// style that draws them.
#pragma once

#include <QIcon>

namespace kumo {

// A question mark on a blue disc, the sign of help on every desktop.
QIcon HelpGlyph();
// A printer in dark lines, which the style greys visibly when the button is disabled; the
// style's white page looks the same either way.
QIcon PrinterGlyph();

// Draws with the platform's own style, but the Help buttons with HelpGlyph: the icon themes'
// lifebuoys read as a red dotted square at a button's size. Once the application exists.
void InstallProgramStyle();

}  // namespace kumo
