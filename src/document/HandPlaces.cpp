#include "document/HandPlaces.h"

#include <algorithm>

namespace kumo {
namespace {

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
  for (int n = 1; n <= doc.LineCount; ++n) {
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
  const HeldPiece& hand = doc.Hand;
  if (!hand.Piece.IsClass() || !doc.IsLineInUse(hand.FromLine)) return places;
  const int line = hand.FromLine;
  const int from = hand.FromPeriod;
  const bool fromKnown = from >= 1 && from <= PeriodCount;
  places.Line = line;
  for (int p = 1; p <= PeriodCount; ++p) {
    const PeriodCell& there = doc.Cell(line, p);
    PlaceTint& tint = places.Tints[p];
    if (there.Has(Locked)) {
      tint = PlaceTint::None;
    } else if (ElsewhereInPeriod(doc, classes, hand.Piece, p, line)) {
      tint = PlaceTint::Clash;
    } else if (!there.IsEmpty() && fromKnown && p != from &&
               ElsewhereInPeriod(doc, classes, there, from, line)) {
      // The displaced piece is carried back to where the hand came from, as a swap goes.
      tint = PlaceTint::Careful;
    } else {
      tint = PlaceTint::Good;
    }
  }
  return places;
}

}  // namespace kumo
