// The Window menu's layouts over plain bounds: fixed frames, a fixed screen, fixed windows.
#include <gtest/gtest.h>

#include <map>

#include "shell/WindowLayout.h"

namespace kumo::test {
namespace {

constexpr Win AllWindows[] = {Win::Main,       Win::Edit,  Win::Teachers, Win::Classes,
                              Win::Teacher,    Win::Class, Win::Stack,    Win::Holding,
                              Win::PickCharge, Win::PickS, Win::Checks};

// Windows as bounds only. The main window is as large as its bar, whatever is asked.
class FakePlaces : public WindowPlaces {
 public:
  FakePlaces() {
    bounds_ = {{Win::Main, {300, 200, 400, 60}},     {Win::Edit, {50, 100, 640, 500}},
               {Win::Teachers, {60, 400, 640, 160}}, {Win::Classes, {70, 420, 640, 160}},
               {Win::Teacher, {700, 100, 138, 173}}, {Win::Class, {700, 280, 138, 173}},
               {Win::Stack, {700, 460, 164, 170}},   {Win::Holding, {860, 460, 154, 170}},
               {Win::PickCharge, {500, 0, 219, 82}}, {Win::PickS, {530, 0, 400, 82}},
               {Win::Checks, {20, 30, 420, 320}}};
  }
  Bounds Get(Win window) const override { return bounds_.at(window); }
  void Set(Win window, const Bounds& b) override {
    Bounds& now = bounds_[window];
    now = window == Win::Main ? Bounds{b.Left, b.Top, now.Width, now.Height} : b;
  }
  FrameSize Frame(Win) const override { return {4, 20}; }

 private:
  std::map<Win, Bounds> bounds_;
};

LayoutSizes Sizes(int width = 1366, int height = 768) {
  return {.VS = 16,
          .HS = 16,
          .Screen = {0, 0, width, height},
          .PickChargeRow = 16,
          .PickSRow = 16,
          .EditGridWidth = 570};
}

using LayoutRule = void (*)(WindowPlaces&, const LayoutSizes&);

struct Case {
  const char* Command;
  LayoutRule Rule;
  Win Window;
  Bounds Expected;
};

// On a screen 768 high, with frames of F = 4 and C = 20 and a main window of 400 × 60.
const Case Cases[] = {
    {"標準整列", NormalLayout, Win::Main, {0, 0, 400, 60}},
    {"標準整列", NormalLayout, Win::Edit, {0, 62, 640, 568}},
    {"標準整列", NormalLayout, Win::Classes, {0, 590, 640, 160}},
    {"標準整列", NormalLayout, Win::Teachers, {0, 590, 640, 160}},
    {"標準整列", NormalLayout, Win::PickCharge, {402, 0, 219, 82}},
    {"標準整列", NormalLayout, Win::PickS, {434, 0, 400, 82}},
    {"標準整列", NormalLayout, Win::Teacher, {642, 62, 138, 173}},
    {"標準整列", NormalLayout, Win::Class, {642, 237, 138, 173}},
    {"標準整列", NormalLayout, Win::Stack, {642, 412, 164, 170}},
    {"標準整列", NormalLayout, Win::Holding, {642, 412, 154, 170}},
    {"標準整列", NormalLayout, Win::Checks, {808, 62, 420, 320}},
    {"編集ｳｨﾝﾄﾞｳに合わせる", MatchEdit, Win::Classes, {50, 560, 640, 160}},
    {"編集ｳｨﾝﾄﾞｳに合わせる", MatchEdit, Win::PickCharge, {702, 200, 219, 82}},
    {"編集ｳｨﾝﾄﾞｳに合わせる", MatchEdit, Win::PickS, {734, 200, 400, 82}},
    {"編集ｳｨﾝﾄﾞｳに合わせる", MatchEdit, Win::Stack, {692, 450, 164, 170}},
    {"編集ｳｨﾝﾄﾞｳに合わせる", MatchEdit, Win::Holding, {692, 450, 154, 170}},
    {"ﾒｲﾝｳｨﾝﾄﾞｳに合わせる", MatchMain, Win::Edit, {300, 262, 640, 568}},
    {"ﾒｲﾝｳｨﾝﾄﾞｳに合わせる", MatchMain, Win::Teacher, {942, 262, 138, 173}},
    {"トリプル", TripleLayout, Win::Edit, {0, 62, 640, 260}},
    {"トリプル", TripleLayout, Win::Classes, {0, 282, 640, 160}},
    {"トリプル", TripleLayout, Win::Teachers, {0, 590, 640, 160}},
    {"フルサイズ", FullLayout, Win::Main, {0, 0, 400, 60}},
    {"フルサイズ", FullLayout, Win::Edit, {0, 62, 594, 706}},
    {"１日幅", DayLayout, Win::Edit, {0, 62, 222, 568}},
    {"１日幅", DayLayout, Win::Classes, {224, 62, 222, 568}},
    {"１日幅", DayLayout, Win::Teachers, {448, 62, 222, 568}},
    {"１日幅", DayLayout, Win::Teacher, {672, 62, 138, 173}},
    {"１日幅", DayLayout, Win::Class, {672, 237, 138, 173}},
    {"１日幅", DayLayout, Win::Holding, {672, 412, 154, 170}},
    {"１日幅", DayLayout, Win::Stack, {672, 584, 164, 170}},
    {"１日幅", DayLayout, Win::Checks, {838, 62, 420, 320}},
    {"１日幅", DayLayout, Win::PickS, {434, 0, 400, 82}},
    {"編集ｳｨﾝﾄﾞｳ優先", PriorLayout, Win::Edit, {0, 0, 640, 500}},
    {"編集ｳｨﾝﾄﾞｳ優先", PriorLayout, Win::Main, {642, 0, 400, 60}},
    {"編集ｳｨﾝﾄﾞｳ優先", PriorLayout, Win::Teachers, {0, 400, 640, 160}},
    {"編集ｳｨﾝﾄﾞｳ優先", PriorLayout, Win::PickS, {642, 62, 400, 82}},
    {"編集ｳｨﾝﾄﾞｳ優先", PriorLayout, Win::PickCharge, {642, 146, 219, 82}},
    {"編集ｳｨﾝﾄﾞｳ優先", PriorLayout, Win::Teacher, {642, 230, 138, 173}},
    {"編集ｳｨﾝﾄﾞｳ優先", PriorLayout, Win::Class, {642, 405, 138, 173}},
    {"編集ｳｨﾝﾄﾞｳ優先", PriorLayout, Win::Stack, {782, 230, 164, 170}},
    {"編集ｳｨﾝﾄﾞｳ優先", PriorLayout, Win::Holding, {642, 580, 154, 170}},
    {"編集ｳｨﾝﾄﾞｳ優先", PriorLayout, Win::Checks, {946, 230, 420, 320}},  // at the edge
};

TEST(WindowLayoutTest, EachCommandPlacesEachWindow) {
  for (const Case& c : Cases) {
    FakePlaces places;
    c.Rule(places, Sizes());
    const Bounds got = places.Get(c.Window);
    EXPECT_EQ(got, c.Expected) << c.Command << " window " << static_cast<int>(c.Window) << ": "
                               << got.Left << "," << got.Top << " " << got.Width << "x"
                               << got.Height;
  }
}

TEST(WindowLayoutTest, FullSizeMovesOnlyTheMainAndEditWindowsAndPriorResizesNothing) {
  const FakePlaces before;
  FakePlaces full;
  FullLayout(full, Sizes());
  FakePlaces prior;
  PriorLayout(prior, Sizes());
  for (Win w : AllWindows) {
    const Bounds b = before.Get(w);
    if (w != Win::Main && w != Win::Edit) {
      EXPECT_EQ(full.Get(w), b) << static_cast<int>(w);
    }
    EXPECT_EQ(prior.Get(w).Width, b.Width) << static_cast<int>(w);
    EXPECT_EQ(prior.Get(w).Height, b.Height) << static_cast<int>(w);
  }
}

// Zoomed in, the palettes grow taller than the main window beside them: the edit table and the
// windows right of it go below them instead of under them, and the edit table keeps its bottom.
TEST(WindowLayoutTest, ZoomedPalettesCoverNeitherTheEditTableNorTheTitleBarsBesideIt) {
  LayoutSizes zoomed = Sizes();
  zoomed.Zoom = 150;
  zoomed.PickChargeRow = zoomed.PickSRow = 24;
  FakePlaces places;
  NormalLayout(places, zoomed);
  const Bounds edit = places.Get(Win::Edit);
  for (Win palette : {Win::PickCharge, Win::PickS}) {
    const Bounds p = places.Get(palette);
    EXPECT_GT(edit.Top, p.Top + p.Height) << static_cast<int>(palette);
  }
  EXPECT_EQ(edit.Top + edit.Height, 62 + 568);
  EXPECT_EQ(places.Get(Win::Teacher).Top, edit.Top);
}

// An edit window low and to the right: what would follow it off the screen stops at the edge,
// and whatever is placed after reads where it stopped.
TEST(WindowLayoutTest, TitleBarsStayOnTheScreen) {
  FakePlaces places;
  places.Set(Win::Edit, {800, 700, 640, 568});
  MatchEdit(places, Sizes());
  EXPECT_EQ(places.Get(Win::Edit), (Bounds{800, 700, 640, 568}));
  EXPECT_EQ(places.Get(Win::Classes), (Bounds{726, 744, 640, 160}));
  EXPECT_EQ(places.Get(Win::Teacher), (Bounds{1228, 700, 138, 173}));
  EXPECT_EQ(places.Get(Win::Class), (Bounds{1228, 744, 138, 173}));
  for (Win w : AllWindows) {
    if (w == Win::Edit) continue;  // where the user put it
    const Bounds b = places.Get(w);
    EXPECT_GE(b.Left, 0);
    EXPECT_LE(b.Left + b.Width, 1366) << static_cast<int>(w);
    EXPECT_LE(b.Top + 24, 768) << static_cast<int>(w);
  }
}

}  // namespace
}  // namespace kumo::test
