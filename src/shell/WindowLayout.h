// The Window menu's layouts as rules over window bounds, apart from the widgets: the commands run
// them over the real windows, the tests over plain numbers.
#pragma once

#include "platform/WindowBounds.h"

namespace kumo {

enum class Win {
  Main,
  Edit,
  Teachers,
  Classes,
  Teacher,
  Class,
  Stack,
  Holding,
  PickCharge,
  PickS,
  Checks,
};

// A window's frame: F, a sizing border, and C, the title bar, so that a window C + 2F high
// has nothing inside.
struct FrameSize {
  int F = 0;
  int C = 0;
};

// What the layouts read besides the windows.
struct LayoutSizes {
  int VS = 0;             // a vertical scroll bar's width
  int HS = 0;             // a horizontal scroll bar's arrow
  Bounds Screen;          // the screen's area free of panels and docks
  int PickChargeRow = 0;  // the palettes' grid row heights
  int PickSRow = 0;
  int EditGridWidth = 0;  // all of the edit table's columns, zoomed
  int Zoom = 100;         // the grids' zoom in percent, for the sizes that fit a grid
  int Zoomed(int pixels) const { return (pixels * Zoom + 99) / 100; }
};

// The windows as a layout sees them. A bound set takes effect at once: the next Get reads what
// the window really took.
class WindowPlaces {
 public:
  virtual Bounds Get(Win window) const = 0;
  virtual void Set(Win window, const Bounds& bounds) = 0;
  virtual FrameSize Frame(Win window) const = 0;

 protected:
  ~WindowPlaces() = default;
};

// The layouts, each a command of the Window menu. Every window keeps its title bar on the screen.
void MatchEdit(WindowPlaces& places, const LayoutSizes& sizes);
void MatchMain(WindowPlaces& places, const LayoutSizes& sizes);
void NormalLayout(WindowPlaces& places, const LayoutSizes& sizes);
void TripleLayout(WindowPlaces& places, const LayoutSizes& sizes);
void FullLayout(WindowPlaces& places, const LayoutSizes& sizes);
void DayLayout(WindowPlaces& places, const LayoutSizes& sizes);
void PriorLayout(WindowPlaces& places, const LayoutSizes& sizes);

}  // namespace kumo
