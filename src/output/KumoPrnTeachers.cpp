// The teacher list: every teacher line with its whole week on one page.
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <cstdio>
#include <string>

#include "base/Cp932.h"
#include "document/ClassLabels.h"
#include "document/FullWidth.h"
#include "document/PieceLabel.h"
#include "document/PrintUnits.h"
#include "document/TeacherListText.h"
#include "output/KumoPrn.h"
#include "platform/Canvas.h"
#include "platform/DocText.h"

namespace kumo {
namespace {

// The system's long time format, without the time zone Qt adds to it.
QString LongTime(const QTime& time) {
  QString format = QLocale::system().timeFormat(QLocale::LongFormat);
  format.remove(QRegularExpression(QStringLiteral("\\s*\\bt+\\b")));
  return QLocale::system().toString(time, format.trimmed());
}

}  // namespace

void PrintTeacherList(const PrintInput& in, PrintJob& job) {
  const TKumData& doc = in.doc;
  const Options& options = in.options;
  const ClassLabelTable labels = ClassLabelsOf(TeacherListLabelStyle(options));
  const int n = doc.LineCount();
  const bool landscape = TeacherListLandscape(n);
  const PrintUnits pu =
      ComputePrintUnits(landscape ? 11 : 7, in.paper, in.screenDpi, job.DpiX(), job.DpiY());
  const QPoint shift = landscape ? QPoint(pu.ShiftRight, 0) : QPoint(0, pu.ShiftDown);
  const double w = TeacherRowFactor(n);
  const int o = pu.o;
  const int u = pu.u;
  const double row = pu.lh * w;

  const int top = RoundEven(row * 1.9);
  const int bottom = top + RoundEven((n + 2) * row);
  const int right = 137 * o + u;
  // The widest pen reaches a pixel past the frame.
  job.FitPage(shift.x() + right + 2, shift.y() + bottom + 2);

  Canvas& canvas = job.Page();
  canvas.SetFont(PrintFont(options));
  const auto text = [&](int x, int y, std::string_view cp932) {
    canvas.TextOut(shift.x() + x, shift.y() + y, FromDocText(cp932));
  };
  const auto line = [&](int width, int x1, int y1, int x2, int y2) {
    canvas.SetPenWidth(width);
    canvas.MoveTo(shift.x() + x1, shift.y() + y1);
    canvas.LineTo(shift.x() + x2, shift.y() + y2);
  };

  canvas.SetFontPointSize(2 * pu.S);
  Text<26> title{};
  title.AssignWhole(std::string(doc.Title().View()) + Cp932Literal("時間割"));
  text(4 * pu.cw, 0, title.View());
  canvas.SetFontPointSize(pu.S);
  const QString comment =
      QStringLiteral("(") + FromDocText(doc.Comment().View()) + QStringLiteral(")  [") +
      QFileInfo(QString::fromStdString(doc.FileName())).fileName() + QStringLiteral("] ") +
      QLocale::system().toString(in.now.date(), QLocale::ShortFormat) + QStringLiteral(" ") +
      LongTime(in.now.time());
  canvas.TextOut(shift.x() + 39 * pu.cw, shift.y() + pu.lh, comment);

  const int dayRow = RoundEven(row * 2);
  for (int d = 0; d < DayCount; ++d) {
    text((24 * d + 27) * o, dayRow, std::string(DayName(d)) + Cp932Literal("曜"));
  }
  const int headRow = RoundEven(row * 3);
  text(o, headRow, Cp932Literal("教"));
  text(4 * o, headRow, Cp932Literal("名　前"));
  text(11 * o + u, headRow, Cp932Literal("担"));
  text(15 * o, headRow, Cp932Literal("時"));
  for (int d = 0; d < DayCount; ++d) {
    for (int p = 1; p <= PeriodsPerDay; ++p) {
      text((24 * d + 4 * p + 14) * o + u, headRow, ToFullWidth(std::to_string(p)));
    }
  }

  const auto colour = [&](int index) {
    if (options.ColorPrinting && index >= 0 && index <= 5) {
      canvas.SetFontColor(options.PieceColors[index]);
    }
  };
  for (int k = 1; k <= n; ++k) {
    const TeacherLine& l = doc.Line(k);
    const int y = RoundEven(row * (k + 3));
    canvas.SetUnderline(false);
    colour(l.Grade);
    text(o, y, PieceLabel(doc, {KindSubject, l.Subject, 0, 0}));
    // Five full-width characters are wider than the column: they are narrowed to fit it.
    canvas.TextOutNarrowed(shift.x() + 4 * o, shift.y() + y, FromDocText(l.Name.View()), 6 * o);
    text((options.TeachersKind == 1 ? 12 : 11) * o, y, HomeroomText(labels, options, l));
    if (l.Grade >= 1 && l.Grade <= 3) {
      char count[8];
      std::snprintf(count, sizeof count, "%2d", doc.LessonCount(k));
      text(15 * o, y, count);
    }
    for (int i = 1; i <= PeriodCount; ++i) {
      const PeriodCell& cell = l.Cells[i];
      canvas.SetUnderline(false);
      colour(cell.Kind);
      if (cell.IsClass()) {
        text((4 * i + 14) * o, y, ClassPieceText(labels, options, l, cell));
        continue;
      }
      const std::string_view label = PieceLabel(doc, cell);
      if (label.empty()) continue;
      canvas.SetUnderline(cell.Has(Counted) && options.CountedPrint);
      text((4 * i + 15) * o, y, label);
    }
  }
  canvas.SetUnderline(false);

  for (int r = 0; r <= n + 2; ++r) {
    const int y = top + RoundEven(r * row);
    line(r == 0 || r == 2 || r == n + 2 ? 3 : 1, u, y, right, y);
  }
  line(3, u, top, u, bottom);
  const int belowDays = RoundEven(row + top);
  for (int x : {3 * o + u, 10 * o + u, 14 * o + u, 17 * o + u}) line(1, x, belowDays, x, bottom);
  for (int i = 1; i <= PeriodCount; ++i) {
    const int x = (4 * i + 17) * o + u;
    line(1, x, belowDays, x, bottom);
  }
  for (int d = 0; d <= DayCount; ++d) {
    const int x = (24 * d + 17) * o + u;
    line(3, x, top, x, bottom);
  }
}

}  // namespace kumo
