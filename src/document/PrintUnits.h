// The units every print lays its page out in: a character width and a line height grown from a
// base size in points by the printer's resolution over the screen's, and by the paper.
#pragma once

namespace kumo {

enum PaperSize { PaperA4 = 0, PaperB4 = 1, PaperA3 = 2 };

// Nearest integer, halves to even.
int RoundEven(double value);

struct PrintUnits {
  int ShiftRight = 0;  // round(20 × sx) before paper scaling: the page origin moved right
  int ShiftDown = 0;   // round(20 × sy) before paper scaling: the page origin moved down
  double sx = 1;       // printer pixels per screen pixel, after paper scaling
  double sy = 1;
  int S = 0;   // the font size in points for the paper
  int cw = 0;  // character width unit
  int lh = 0;  // line height unit
  int o = 0;   // round(2 × cw / 3): a half-width character
  int u = 0;   // round(cw / 3)
};

// s0: base size in points; screenDpi: the screen's pixels per inch; printerDpiX/Y the printer's.
// wholeScale rounds sx and sy to integers before the paper scales them.
PrintUnits ComputePrintUnits(int s0, int paper, int screenDpi, int printerDpiX, int printerDpiY,
                             bool wholeScale = false);

// The teacher list's row spacing factor for n lines.
double TeacherRowFactor(int lines);
// The teacher list goes on a landscape page up to 40 lines, on a portrait one beyond.
constexpr bool TeacherListLandscape(int lines) {
  return lines <= 40;
}

}  // namespace kumo
