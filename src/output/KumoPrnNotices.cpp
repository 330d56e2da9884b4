// The change notices for the staff room: one portrait page per teacher and per class, the
// periods that changed with what was there before and what is there now.
#include <QLocale>
#include <algorithm>

#include "document/Changes.h"
#include "document/Naming.h"
#include "document/PrintUnits.h"
#include "output/KumoPrn.h"
#include "platform/Canvas.h"

namespace kumo {
namespace {

// In half-width characters: the period, then before and after, wide enough for "１－２ 数学"
// and a teacher's five-character name.
constexpr int PeriodWidth = 8;
constexpr int TextWidth = 28;

void DrawNotice(const PrintInput& in, PrintJob& job, const PrintUnits& units,
                const Notice& notice) {
  const int o = units.o;
  const int row = 2 * units.lh;
  const int left = 4 * o;
  const int columns[] = {left, left + PeriodWidth * o, left + (PeriodWidth + TextWidth) * o,
                         left + (PeriodWidth + 2 * TextWidth) * o};
  const int tableTop = 5 * row;
  const int bottom = tableTop + static_cast<int>(notice.Rows.size() + 1) * row;
  job.FitPage(columns[3] + 2, bottom + 2);

  Canvas& canvas = job.Page();
  canvas.SetFont(PrintFont(in.options));
  canvas.SetFontPointSize(units.S);
  const auto text = [&](int x, int y, const std::string& utf8) {
    canvas.TextOut(x, y, QString::fromStdString(utf8));
  };
  text(left, row, notice.Title + (notice.ForClass ? "" : " 先生") + "　時間割の変更");
  text(left, 2 * row + units.lh / 2,
       QLocale::system().toString(in.now.date(), QLocale::ShortFormat).toStdString() + " 現在");
  const auto cellTop = [&](int r) { return tableTop + r * row + units.lh / 2; };
  text(columns[0] + o, cellTop(0), "時限");
  text(columns[1] + o, cellTop(0), "変更前");
  text(columns[2] + o, cellTop(0), "変更後");
  for (std::size_t r = 0; r < notice.Rows.size(); ++r) {
    const NoticeRow& change = notice.Rows[r];
    const int y = cellTop(static_cast<int>(r) + 1);
    text(columns[0] + o, y, PeriodText(change.Period));
    text(columns[1] + o, y, change.Before);
    text(columns[2] + o, y, change.After);
  }
  const auto line = [&](int width, int x1, int y1, int x2, int y2) {
    canvas.SetPenWidth(width);
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
  };
  for (int r = 0; r <= static_cast<int>(notice.Rows.size()) + 1; ++r) {
    const int y = tableTop + r * row;
    line(r <= 1 || r == static_cast<int>(notice.Rows.size()) + 1 ? 3 : 1, columns[0], y, columns[3],
         y);
  }
  for (int k = 0; k < 4; ++k) {
    line(k == 0 || k == 3 ? 3 : 1, columns[k], tableTop, columns[k], bottom);
  }
}

}  // namespace

void PrintNotices(const PrintInput& in, PrintJob& job) {
  const PrintUnits units =
      ComputePrintUnits(26, in.paper, in.screenDpi, job.DpiX(), job.DpiY(), true);
  const std::vector<Notice> notices = FindNotices(in.doc);
  for (std::size_t k = 0; k < notices.size(); ++k) {
    if (k > 0) job.NewPage();
    DrawNotice(in, job, units, notices[k]);
  }
}

PrintTask NoticesTask(const PrintInput& in) {
  return {
      {"変更のお知らせ", static_cast<PaperSize>(in.paper), PageOrientation::Portrait, std::nullopt},
      [in](PrintJob& job) { PrintNotices(in, job); }};
}

}  // namespace kumo
