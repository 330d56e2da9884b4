// The class timetables: small, fifteen to a landscape page, and large, one to a portrait page.
#include <algorithm>
#include <string>
#include <utility>

#include "base/Cp932.h"
#include "document/ClassWeek.h"
#include "document/FullWidth.h"
#include "document/PrintUnits.h"
#include "output/KumoPrn.h"
#include "platform/Canvas.h"
#include "platform/DocText.h"

namespace kumo {
namespace {

// The whole characters of text that fit in bytes, and the rest.
std::pair<std::string_view, std::string_view> SplitWhole(std::string_view text, std::size_t bytes) {
  const std::size_t n = WholeCharBytes(text, bytes);
  return {text.substr(0, n), text.substr(n)};
}

// The print font's face at size S.
void UsePrintFont(const PrintInput& in, Canvas& canvas, const PrintUnits& units) {
  canvas.SetFont(PrintFont(in.options));
  canvas.SetFontPointSize(units.S);
}

}  // namespace

void DrawClassTable(const PrintInput& in, Canvas& canvas, const PrintUnits& units, QPoint shift,
                    int c, int X, int Y) {
  const TKumData& doc = in.doc;
  const ClassEntry& entry = in.classes.Entries[c];
  const int o = units.o;
  const int u = units.u;
  const int lh = units.lh;
  const int x0 = RoundEven(X * units.sx);
  const auto y = [&](double v) { return RoundEven(Y * units.sy + v); };
  const auto text = [&](int x, int top, std::string_view cp932) {
    canvas.TextOut(shift.x() + x, shift.y() + top, FromDocText(cp932));
  };

  text(x0 + 2 * o, y(0), ClassTitle(doc, in.options, entry));
  for (int d = 0; d < DayCount; ++d) text(x0 + (3 * d + 4) * o, y(2 * lh), DayName(d));
  for (int p = 1; p <= PeriodsPerDay; ++p) {
    text(x0 + o, y(2 * (p + 1) * lh), ToFullWidth(std::to_string(p)));
  }
  for (int d = 0; d < DayCount; ++d) {
    for (int p = 1; p <= PeriodsPerDay; ++p) {
      const ClassPeriod at = ClassSubjectAt(doc, entry, d * PeriodsPerDay + p);
      if (!at.Found()) continue;
      const int x = x0 + (3 * d + 4) * o;
      const int top = y(2 * (p + 1) * lh);
      switch (in.options.PrintClassLetters) {
        case 2:
          canvas.SetFontPointSize(units.S / 2);
          text(x, top, doc.SubjectNames2()[at.Subject].View());
          canvas.SetFontPointSize(units.S);
          break;
        case 4: {
          canvas.SetFontPointSize(units.S / 2);
          const auto [upper, rest] = SplitWhole(doc.SubjectNames4()[at.Subject].View(), 4);
          text(x, top, upper);
          text(x, top + o, SplitWhole(rest, 4).first);
          canvas.SetFontPointSize(units.S);
          break;
        }
        default:
          text(x, top, doc.SubjectNames1()[at.Subject].View());
      }
    }
  }

  const int lift = u / 16;  // whole pixels
  const double gridTop = (Y - lift) * units.sy;
  const auto line = [&](int width, int x1, int y1, int x2, int y2) {
    canvas.SetPenWidth(width);
    canvas.MoveTo(shift.x() + x1, shift.y() + y1);
    canvas.LineTo(shift.x() + x2, shift.y() + y2);
  };
  for (int r = 0; r <= 7; ++r) {
    const int yr = RoundEven(gridTop + 2 * (r + 1) * lh);
    line(r <= 1 || r == 7 ? 3 : 1, x0 + u, yr, x0 + u + 18 * o, yr);
  }
  for (int k = 0; k <= 6; ++k) {
    const int xk = x0 + u + 3 * k * o;
    line(k <= 1 || k == 6 ? 3 : 1, xk, RoundEven(gridTop + 2 * lh), xk,
         RoundEven(gridTop + 16 * lh));
  }
}

void PrintClassTablesSmall(const PrintInput& in, PrintJob& job) {
  const PrintUnits units = ComputePrintUnits(12, in.paper, in.screenDpi, job.DpiX(), job.DpiY());
  const QPoint shift(units.ShiftRight, 0);
  UsePrintFont(in, job.Page(), units);
  const int count = in.classes.UsedEntries();
  for (int c = 1; c <= count; ++c) {
    const int X = ((c - 1) % 5) * 216;
    const int Y = (((c - 1) % 15) / 5) * 216 + units.lh / 2;
    DrawClassTable(in, job.Page(), units, shift, c, X, Y);
    if (c % 15 == 0 && c < count) job.NewPage();
  }
}

void PrintClassTablesLarge(const PrintInput& in, PrintJob& job, int onlyEntry) {
  const PrintUnits units =
      ComputePrintUnits(58, in.paper, in.screenDpi, job.DpiX(), job.DpiY(), true);
  const QPoint shift(0, units.ShiftDown);
  UsePrintFont(in, job.Page(), units);
  if (onlyEntry != 0) {
    DrawClassTable(in, job.Page(), units, shift, onlyEntry, 0, 0);
    return;
  }
  for (int c = 1; c <= in.classes.UsedEntries(); ++c) {
    if (c > 1) job.NewPage();
    DrawClassTable(in, job.Page(), units, shift, c, 0, 0);
  }
}

}  // namespace kumo
