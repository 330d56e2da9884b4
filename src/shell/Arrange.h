// The Window menu's layouts applied to the program's windows.
#pragma once

#include "shell/WindowLayout.h"

namespace kumo {

class KumoApp;

using LayoutRule = void (*)(WindowPlaces& places, const LayoutSizes& sizes);

// Sets the windows' bounds one at a time as the rule computes them; a hidden window is moved and
// stays hidden, a shown one is not raised.
void ArrangeWindows(KumoApp& app, LayoutRule rule);

}  // namespace kumo
