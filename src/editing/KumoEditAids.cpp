// The edit table's aids: the periods of the hand's line tinted by where the class in hand can go,
// and the line under the table that says why the last beep sounded.
#include <QLabel>

#include "editing/KumoEdit.h"
#include "shell/KumoApp.h"

namespace kumo {
namespace {

// Light enough for every piece colour to read on, and told apart without colour vision too:
// blue and yellow differ for every kind of colour blindness, and the two that warn carry a mark.
constexpr ColorRef GoodTint = Rgb(204, 232, 255);
constexpr ColorRef CarefulTint = Rgb(255, 236, 160);
constexpr ColorRef ClashTint = Rgb(242, 204, 226);
// The marks, and the frame of the cursor cell that keeps its own colour.
constexpr ColorRef GoodMark = Rgb(0, 114, 178);
constexpr ColorRef CarefulMark = Rgb(230, 159, 0);
constexpr ColorRef ClashMark = Rgb(213, 94, 0);
constexpr int MarkSize = 5;

ColorRef MarkColor(PlaceTint tint) {
  switch (tint) {
    case PlaceTint::Good:
      return GoodMark;
    case PlaceTint::Careful:
      return CarefulMark;
    default:
      return ClashMark;
  }
}

}  // namespace

void TfrmEdit::RenewAids(const DocumentChange& change) {
  if (change.All || change.Lines || change.Cells.any() || change.Hand) ShowPlaces();
  // The reason stays until the next change of the timetable, which makes it old news.
  const bool refused = change.Refused.Kind != RefusalKind::None;
  if (refused) {
    lastRefusal_ = change.Refused;
  } else if (change.All || change.Cells.any()) {
    lastRefusal_ = {};
  }
  if (change.All || change.Lines || change.Subjects || change.Hand || change.Holding || refused ||
      change.Cells.any()) {
    lblWhy_->setText(QString::fromStdString(RefusalLine(app_.doc, lastRefusal_)));
  }
}

void TfrmEdit::ShowPlaces() {
  const HandPlaces places =
      app_.options.ShowPlaces ? FindHandPlaces(app_.doc, app_.classes) : HandPlaces{};
  if (places == places_) return;
  const int before = places_.Line;
  places_ = places;
  RepaintPeriods(before);
  if (places_.Line != before) RepaintPeriods(places_.Line);
}

void TfrmEdit::RepaintPeriods(int line) {
  if (!app_.doc.IsLineInUse(line)) return;
  for (int p = 1; p <= PeriodCount; ++p) RepaintCell(*sgrEdit_, ColOfPeriod(p), RowOfLine(line));
}

ColorRef TfrmEdit::PlaceBrush(PlaceTint tint) const {
  switch (tint) {
    case PlaceTint::Good:
      return GoodTint;
    case PlaceTint::Careful:
      return CarefulTint;
    default:
      return ClashTint;
  }
}

// A careful place has a corner mark, a clash a bar along the bottom; the cursor cell, drawn in
// its own colour, is framed in the mark's colour as well.
void TfrmEdit::DrawPlaceMark(Canvas& canvas, const QRect& rect, PlaceTint tint, bool cursor) const {
  const ColorRef mark = MarkColor(tint);
  canvas.SetBrushColor(mark);
  if (cursor) {
    const QRect inner = rect.adjusted(0, 0, -1, -1);
    for (const QRect& side : {QRect(inner.left(), inner.top(), inner.width(), 2),
                              QRect(inner.left(), inner.bottom() - 1, inner.width(), 2),
                              QRect(inner.left(), inner.top(), 2, inner.height()),
                              QRect(inner.right() - 1, inner.top(), 2, inner.height())}) {
      canvas.FillRect(side);
    }
  }
  if (tint == PlaceTint::Careful) {
    for (int k = 0; k < MarkSize; ++k) {
      canvas.FillRect(QRect(rect.right() - MarkSize + k, rect.top() + k, MarkSize - k, 1));
    }
  } else if (tint == PlaceTint::Clash) {
    canvas.FillRect(QRect(rect.left(), rect.bottom() - 2, rect.width(), 3));
  }
}

}  // namespace kumo
