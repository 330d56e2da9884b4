#include "document/HandPlaces.h"

#include <algorithm>

#include "document/ClassWeek.h"

namespace kumo {
namespace {

// Whether the class would have the lesson's subject twice on the period's day, as the checks
// count it: another lesson of the subject that day, unless it is next to this period and both
// are marked continuous.
bool TwiceThatDay(const TKumData& doc, const ClassEntry& entry, const PeriodCell& lesson,
                  Byte subject, int period) {
  if (subject == 0) return false;
  const int first = (period - 1) / PeriodsPerDay * PeriodsPerDay + 1;
  for (int q = first; q < first + PeriodsPerDay; ++q) {
    const ClassPeriod there = ClassSubjectAt(doc, entry, q);
    if (q == period || !there.Found() || there.Subject != subject) continue;
    const int line = there.Homeroom ? entry.HomeroomLine : there.Teacher;
    const bool pair = (q == period - 1 || q == period + 1) && lesson.Has(Continuous) &&
                      doc.Cell(line, q).Has(Continuous);
    if (!pair) return true;
  }
  return false;
}

// Whether a line other than `except` has the piece in the period, or, for a class, its homeroom
// teacher's subject piece (学活, 道徳 …) takes the period, as the classes overview shows it. The
// class index answers for a class it lists; it names only the upper of two lines, so when that is
// `except` the period is looked down, as it is for subjects and symbols.
bool ElsewhereInPeriod(const TKumData& doc, const TClassLines& classes, const PeriodCell& piece,
                       int period, int except) {
  if (piece.IsClass()) {
    if (const int k = classes.FindClass(piece.Kind, piece.Item); k != 0) {
      const ClassEntry& entry = classes.Entries[k];
      const int home = entry.HomeroomLine;
      if (home != except && doc.IsLineInUse(home) && doc.Cell(home, period).Kind == KindSubject) {
        return true;
      }
      const int teacher = entry.PeriodLines[period];
      if (teacher != except) return teacher != 0;
    }
  }
  for (int n = 1; n <= doc.LineCount(); ++n) {
    if (n != except && doc.Cell(n, period).SamePiece(piece)) return true;
  }
  return false;
}

}  // namespace

bool HandPlaces::operator==(const HandPlaces& other) const {
  return Line == other.Line &&
         std::equal(std::begin(Tints.Items), std::end(Tints.Items), std::begin(other.Tints.Items));
}

HandPlaces FindHandPlaces(const TKumData& doc, const TClassLines& classes) {
  HandPlaces places;
  const HeldPiece& hand = doc.Hand();
  if (!hand.Piece.IsClass() || !doc.IsLineInUse(hand.FromLine)) return places;
  const int line = hand.FromLine;
  const int from = hand.FromPeriod;
  const bool fromKnown = from >= 1 && from <= PeriodCount;
  places.Line = line;
  const int entry = classes.FindClass(hand.Piece.Kind, hand.Piece.Item);
  const Byte subject =
      hand.Piece.LessonSubject != 0 ? hand.Piece.LessonSubject : doc.Line(line).Subject;
  for (int p = 1; p <= PeriodCount; ++p) {
    const PeriodCell& there = doc.Cell(line, p);
    PlaceTint& tint = places.Tints[p];
    if (there.Has(Locked)) {
      tint = PlaceTint::None;
    } else if (there.Kind == KindSymbol) {
      tint = PlaceTint::Symbol;
    } else if (ElsewhereInPeriod(doc, classes, hand.Piece, p, line)) {
      tint = PlaceTint::Clash;
    } else if (!there.IsEmpty() && fromKnown && p != from &&
               ElsewhereInPeriod(doc, classes, there, from, line)) {
      // The displaced piece is carried back to where the hand came from, as a swap goes.
      tint = PlaceTint::Careful;
    } else if (entry != 0 && TwiceThatDay(doc, classes.Entries[entry], hand.Piece, subject, p)) {
      tint = PlaceTint::Careful;
    } else {
      tint = PlaceTint::Good;
    }
  }
  return places;
}

}  // namespace kumo
