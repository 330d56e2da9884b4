#include "document/PrintUnits.h"

#include <cmath>

namespace kumo {

int RoundEven(double value) {
  // nearbyint follows the rounding mode, which is to nearest, halves to even, unless changed.
  return static_cast<int>(std::nearbyint(value));
}

PrintUnits ComputePrintUnits(int s0, int paper, int screenDpi, int printerDpiX, int printerDpiY,
                             bool wholeScale) {
  PrintUnits u;
  double sx = static_cast<double>(printerDpiX) / screenDpi;
  double sy = static_cast<double>(printerDpiY) / screenDpi;
  if (wholeScale) {
    sx = RoundEven(sx);
    sy = RoundEven(sy);
  }
  u.ShiftRight = RoundEven(20 * sx);
  u.ShiftDown = RoundEven(20 * sy);
  u.S = paper == PaperB4 ? RoundEven(s0 * 1.22) : paper == PaperA3 ? RoundEven(s0 * 1.41) : s0;
  sx = sx * u.S / s0;
  sy = sy * u.S / s0;
  u.sx = sx;
  u.sy = sy;
  u.cw = RoundEven(s0 * sx);
  u.lh = RoundEven(s0 * sy);
  u.o = RoundEven(2.0 * u.cw / 3);
  u.u = RoundEven(u.cw / 3.0);
  return u;
}

double TeacherRowFactor(int lines) {
  if (lines <= 36) return 1.7;
  if (lines <= 40) return 1.5;
  if (lines <= 74) return 1.7;
  return 1.5;
}

}  // namespace kumo
