// The one zoom of every grid: the options hold it, the grids are drawn at it.
#pragma once

namespace kumo {

class KumoApp;

// Every grid takes the options' zoom, and Ctrl with the wheel over any of them steps it.
void ApplyZoom(KumoApp& app);
// The options take zoom (snapped to a step) and every grid follows.
void ChangeZoom(KumoApp& app, int zoom);

}  // namespace kumo
