// The edit table's aids: the periods of the hand's line tinted by where the class in hand can go,
// and the line under the table that says why the last beep sounded or what a command did.
#include "document/KumoHead.h"
#include "document/Options.h"
#include "editing/KumoEdit.h"

namespace kumo {
namespace {

// Light enough for every piece colour to read on, and told apart without colour vision too:
// blue and yellow differ for every kind of colour blindness, and the two that warn carry a mark.
// The mark's colour also frames the cursor cell, which keeps its own colour.
struct PlaceColors {
  ColorRef Tint;
  ColorRef Mark;
};
constexpr PlaceColors ColorsOfPlace[] = {
    {},                                      // None: never drawn
    {Rgb(204, 232, 255), Rgb(0, 114, 178)},  // Good
    {Rgb(255, 236, 160), Rgb(230, 159, 0)},  // Careful
    {Rgb(242, 204, 226), Rgb(213, 94, 0)},   // Clash
    {Rgb(232, 232, 232), Rgb(96, 96, 96)},   // Symbol
};
constexpr int MarkSize = 5;

const PlaceColors& ColorsOf(PlaceTint tint) {
  return ColorsOfPlace[static_cast<int>(tint)];
}

}  // namespace

void TfrmEdit::RenewAids(const DocumentChange& change) {
  if (change.All || change.Lines || change.AnyCell() || change.Hand) ShowPlaces();
  if (change.All || change.Lines || change.AnyCell()) ShowClashMarks();
  // The reason stays until the next change of the timetable, which makes it old news.
  const bool refused = change.Refused.Kind != RefusalKind::None;
  if (refused) {
    lastRefusal_ = change.Refused;
    told_.clear();
  } else if (change.All || change.AnyCell()) {
    lastRefusal_ = {};
    told_.clear();
  }
  if (change.All || change.Lines || change.Subjects || change.Hand || change.Holding || refused ||
      change.AnyCell()) {
    ShowWhyLine();
  }
}

void TfrmEdit::Tell(const std::string& done) {
  lastRefusal_ = {};
  told_ = done;
  ShowWhyLine();
}

void TfrmEdit::ShowWhyLine() {
  // A refusal is described anew, since the lines it names may have been renamed since.
  static const char* const Grades[] = {"", "１", "２", "３"};
  const std::string said =
      typed_.Pending() ? std::string("入力中：") + Grades[typed_.Grade] + "年＿"
      : lastRefusal_.Kind != RefusalKind::None ? DescribeRefusal(doc_, lastRefusal_)
                                               : told_;
  lblWhy_->setText(QString::fromStdString(WhyLineText(doc_, said)));
}

void TfrmEdit::ShowPlaces() {
  const HandPlaces places = options_.ShowPlaces ? FindHandPlaces(doc_, classes_) : HandPlaces{};
  if (places == places_) return;
  const int before = places_.Line;
  places_ = places;
  RepaintPeriods(before);
  if (places_.Line != before) RepaintPeriods(places_.Line);
}

void TfrmEdit::ShowClashMarks() {
  const TKumData& doc = doc_;
  const ClashMarks marks = options_.MarkClashes ? ClashMarks::Find(doc) : ClashMarks{};
  if (marks == clashes_) return;
  for (int n = 1; n <= doc.LineCount(); ++n) {
    for (int p = 1; p <= PeriodCount; ++p) {
      if (marks.At(n, p) != clashes_.At(n, p)) RepaintCell(*sgrEdit_, ColOfPeriod(p), RowOfLine(n));
    }
  }
  clashes_ = marks;
}

void TfrmEdit::RepaintPeriods(int line) {
  if (!doc_.IsLineInUse(line)) return;
  for (int p = 1; p <= PeriodCount; ++p) RepaintCell(*sgrEdit_, ColOfPeriod(p), RowOfLine(line));
}

ColorRef TfrmEdit::PlaceBrush(PlaceTint tint) const {
  return ColorsOf(tint).Tint;
}

// A careful place has a corner mark, a clash a bar along the bottom, a symbol's period a
// diagonal stroke; the cursor cell, drawn in its own colour, is framed in the mark's colour as
// well.
void TfrmEdit::DrawPlaceMark(Canvas& canvas, const QRect& rect, PlaceTint tint, bool cursor) const {
  canvas.SetBrushColor(ColorsOf(tint).Mark);
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
  } else if (tint == PlaceTint::Symbol) {
    for (int k = 0; k < std::min(rect.width(), rect.height()); ++k) {
      canvas.FillRect(QRect(rect.left() + k, rect.bottom() - k, 1, 1));
    }
  }
}

}  // namespace kumo
