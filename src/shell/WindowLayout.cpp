#include "shell/WindowLayout.h"

#include <algorithm>
#include <initializer_list>

namespace kumo {
namespace {

// One layout run: each Put takes effect before the next step reads a window.
class Layout {
 public:
  Layout(WindowPlaces& places, const LayoutSizes& sizes) : places_(places), sizes_(sizes) {}

  Bounds operator[](Win window) const { return places_.Get(window); }
  int ScreenH() const { return sizes_.Screen.Height; }
  FrameSize Frame(Win window) const { return places_.Frame(window); }

  void Put(Win window, const Bounds& bounds) {
    const FrameSize frame = places_.Frame(window);
    places_.Set(window, Reachable(bounds, sizes_.Screen, frame.C + frame.F));
  }
  void Move(Win window, int left, int top) {
    Bounds b = places_.Get(window);
    b.Left = left;
    b.Top = top;
    Put(window, b);
  }

 private:
  WindowPlaces& places_;
  const LayoutSizes& sizes_;
};

// A window of the given inside height, its frame and title bar added.
int Framed(const FrameSize& f, int inside) {
  return f.C + 2 * f.F + inside;
}

// The palettes' outer heights, which follow their grids' rows.
int PickChargeHeight(const Layout& l, const LayoutSizes& sizes) {
  return Framed(l.Frame(Win::PickCharge), 3 * (sizes.PickChargeRow + 2));
}
int PickSHeight(const Layout& l, const LayoutSizes& sizes) {
  return Framed(l.Frame(Win::PickS), sizes.HS + 2 * (sizes.PickSRow + 3));
}

void MainToCorner(Layout& l) {
  l.Move(Win::Main, 0, 0);
}

// The checks window keeps its size and goes beside the history window, so that it covers none
// of the small windows.
void ChecksBesideStack(Layout& l, int top) {
  const Bounds s = l[Win::Stack];
  l.Move(Win::Checks, s.Left + s.Width + 2, top);
}

}  // namespace

void MatchEdit(WindowPlaces& places, const LayoutSizes& sizes) {
  Layout l(places, sizes);
  for (Win overview : {Win::Classes, Win::Teachers}) {
    const Bounds e = l[Win::Edit];
    l.Put(overview, {e.Left, e.Top + e.Height - 40, e.Width, 160});
  }
  Bounds m = l[Win::Main];
  l.Put(Win::PickCharge,
        {m.Left + m.Width + 2, m.Top, sizes.Zoomed(219), PickChargeHeight(l, sizes)});
  m = l[Win::Main];
  l.Put(Win::PickS,
        {l[Win::PickCharge].Left + 32, m.Top, sizes.Zoomed(400), PickSHeight(l, sizes)});
  const FrameSize t = l.Frame(Win::Teacher);
  Bounds e = l[Win::Edit];
  l.Put(Win::Teacher,
        {e.Left + e.Width + 2, e.Top, 2 * t.F + sizes.Zoomed(130), Framed(t, sizes.Zoomed(145))});
  const FrameSize c = l.Frame(Win::Class);
  e = l[Win::Edit];
  l.Put(Win::Class, {e.Left + e.Width + 2, e.Top + l[Win::Teacher].Height + 2,
                     2 * c.F + sizes.Zoomed(130), Framed(c, sizes.Zoomed(145))});
  const FrameSize s = l.Frame(Win::Stack);
  e = l[Win::Edit];
  l.Put(Win::Stack,
        {e.Left + e.Width + 2, e.Top + l[Win::Teacher].Height + l[Win::Class].Height + 4,
         2 * s.F + sizes.VS + sizes.Zoomed(140), sizes.Zoomed(170)});
  const FrameSize h = l.Frame(Win::Holding);
  e = l[Win::Edit];
  l.Put(Win::Holding, {e.Left + e.Width + 2, l[Win::Stack].Top,
                       2 * h.F + sizes.VS + sizes.Zoomed(130), sizes.Zoomed(170)});
  ChecksBesideStack(l, l[Win::Edit].Top);
}

void MatchMain(WindowPlaces& places, const LayoutSizes& sizes) {
  Layout l(places, sizes);
  const Bounds m = l[Win::Main];
  const int below = m.Top + m.Height + 2;
  // Zoomed in, the palettes beside the main window grow taller than it: the edit table goes
  // below them, so that they cover neither its day names nor the title bars right of it.
  const int top = sizes.Zoom > 100 ? std::max({below, m.Top + PickChargeHeight(l, sizes) + 2,
                                               m.Top + PickSHeight(l, sizes) + 2})
                                   : below;
  l.Put(Win::Edit, {m.Left, top, 640, l.ScreenH() - 200 - (top - below)});
  MatchEdit(places, sizes);
}

void NormalLayout(WindowPlaces& places, const LayoutSizes& sizes) {
  Layout l(places, sizes);
  MainToCorner(l);
  MatchMain(places, sizes);
}

void TripleLayout(WindowPlaces& places, const LayoutSizes& sizes) {
  Layout l(places, sizes);
  NormalLayout(places, sizes);
  Bounds e = l[Win::Edit];
  e.Height = 260;
  l.Put(Win::Edit, e);
  e = l[Win::Edit];
  l.Put(Win::Classes, {e.Left, e.Top + e.Height - 40, e.Width, 160});
}

void FullLayout(WindowPlaces& places, const LayoutSizes& sizes) {
  Layout l(places, sizes);
  MainToCorner(l);
  const Bounds m = l[Win::Main];
  const FrameSize f = l.Frame(Win::Edit);
  l.Put(Win::Edit, {m.Left, m.Top + m.Height + 2, 2 * f.F + sizes.VS + sizes.EditGridWidth,
                    l.ScreenH() - m.Height - 2});
}

void DayLayout(WindowPlaces& places, const LayoutSizes& sizes) {
  Layout l(places, sizes);
  NormalLayout(places, sizes);  // which puts the main window in its corner first
  const Bounds m = l[Win::Main];
  const FrameSize f = l.Frame(Win::Edit);
  l.Put(Win::Edit, {m.Left, m.Top + m.Height + 2, 2 * f.F + sizes.VS + 198, l.ScreenH() - 200});
  Bounds e = l[Win::Edit];
  l.Put(Win::Classes, {e.Left + e.Width + 2, e.Top, e.Width, e.Height});
  e = l[Win::Edit];
  const Bounds c = l[Win::Classes];
  l.Put(Win::Teachers, {c.Left + c.Width + 2, e.Top, e.Width, e.Height});
  const Bounds t = l[Win::Teachers];
  l.Move(Win::Teacher, t.Left + t.Width + 2, l[Win::Edit].Top);
  Win above = Win::Teacher;
  for (Win below : {Win::Class, Win::Holding, Win::Stack}) {
    const Bounds a = l[above];
    l.Move(below, l[Win::Teacher].Left, a.Top + a.Height + 2);
    above = below;
  }
  ChecksBesideStack(l, l[Win::Edit].Top);
}

void PriorLayout(WindowPlaces& places, const LayoutSizes& sizes) {
  Layout l(places, sizes);
  l.Move(Win::Edit, 0, 0);
  const Bounds e = l[Win::Edit];
  l.Move(Win::Main, e.Width + 2, e.Top);
  for (Win overview : {Win::Classes, Win::Teachers}) {
    l.Move(overview, l[Win::Edit].Left, l[overview].Top);
  }
  Win above = Win::Main;
  for (Win below : {Win::PickS, Win::PickCharge, Win::Teacher, Win::Class}) {
    const Bounds a = l[above];
    l.Move(below, l[Win::Main].Left, a.Top + a.Height + 2);
    above = below;
  }
  const Bounds t = l[Win::Teacher];
  l.Move(Win::Stack, t.Left + t.Width + 2, t.Top);
  const Bounds c = l[Win::Class];
  l.Move(Win::Holding, l[Win::Main].Left, c.Top + c.Height + 2);
  ChecksBesideStack(l, l[Win::Stack].Top);
}

}  // namespace kumo
