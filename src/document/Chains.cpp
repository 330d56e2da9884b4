#include "document/Chains.h"

#include <algorithm>
#include <array>
#include <bitset>

#include "document/HandPlaces.h"
#include "document/Naming.h"

namespace kumo {
namespace {

constexpr Byte Guards = Locked | Linked | Continuous | Team | Attention;
constexpr int ClassSlots = 3 * MaxClassNo;
// Enough for the widest search at 100 lines well within a keystroke's time.
constexpr int NodeBudget = 60000;

// A class the search can follow through the periods; -1 for any other piece.
int SlotOf(const PeriodCell& piece) {
  if (!piece.IsClass() || piece.Item < 1 || piece.Item > MaxClassNo) return -1;
  return (piece.Kind - 1) * MaxClassNo + (piece.Item - 1);
}

// A piece still to be put down, on its line, and where it was lifted.
struct Loose {
  PeriodCell Piece;
  Byte Line;
  Byte From;
};

// The timetable as the chain being tried leaves it: the cells, and per class and period how many
// lines teach it and the sum of their numbers, which names the line while there is one.
class Search {
 public:
  Search(const TKumData& doc, const TClassLines& classes, const HandPlaces& places)
      : doc_(doc), places_(places) {
    for (int n = 1; n <= doc.LineCount(); ++n) {
      for (int p = 1; p <= PeriodCount; ++p) {
        At(n, p) = doc.Cell(n, p);
        Add(At(n, p), n, p, +1);
      }
    }
    for (int k = 1; k <= classes.UsedEntries(); ++k) {
      const ClassEntry& entry = classes.Entries[k];
      const int slot = SlotOf({entry.Grade, entry.ClassNo, 0, 0});
      if (slot < 0 || !doc.IsLineInUse(entry.HomeroomLine)) continue;
      for (int p = 1; p <= PeriodCount; ++p) {
        const PeriodCell& home = doc.Cell(entry.HomeroomLine, p);
        if (home.Kind != KindSubject) continue;
        homeBusy_[slot][p] = true;
        homeSubject_[slot][p] = home.Item;
      }
    }
  }

  // The hand's piece into an empty period of its line that the tints call good.
  void Direct(int t) {
    const HeldPiece& hand = doc_.Hand();
    const PeriodCell there = At(hand.FromLine, t);
    Place({hand.Piece, hand.FromLine, hand.FromPeriod}, t, there, 0, 1);
  }

  // Chains of exactly `moves` moves, the hand's piece first.
  void Run(int moves) {
    const HeldPiece& hand = doc_.Hand();
    loose_.push_back({hand.Piece, hand.FromLine, hand.FromPeriod});
    Step(moves);
    loose_.clear();
  }

  std::vector<Chain>& Found() { return found_; }

 private:
  PeriodCell& At(int line, int period) { return cells_[DocumentChange::CellIndex(line, period)]; }
  bool Touched(int line, int period) const {
    return touched_[DocumentChange::CellIndex(line, period)];
  }
  void Touch(int line, int period, bool on) {
    touched_[DocumentChange::CellIndex(line, period)] = on;
  }
  void Add(const PeriodCell& piece, int line, int period, int sign) {
    const int slot = SlotOf(piece);
    if (slot < 0) return;
    count_[slot][period] = static_cast<Byte>(count_[slot][period] + sign);
    lineSum_[slot][period] = static_cast<std::uint16_t>(lineSum_[slot][period] + sign * line);
  }
  // A piece the chain may move or displace.
  static bool Movable(const PeriodCell& cell) {
    return SlotOf(cell) >= 0 && (cell.Flags & Guards) == 0;
  }

  // Puts the last loose piece down in each period it can go to, then goes on with what that
  // loosened, until `left` moves are made.
  void Step(int left) {
    if (--budget_ < 0) return;
    const Loose piece = loose_.back();
    loose_.pop_back();
    const int slot = SlotOf(piece.Piece);
    const bool hand = moves_.empty();
    for (int t = 1; t <= PeriodCount; ++t) {
      if (t == piece.From) continue;
      if (hand && places_.At(piece.Line, t) == PlaceTint::None) continue;
      const PeriodCell there = At(piece.Line, t);
      if (there.SamePiece(piece.Piece)) continue;
      if (!there.IsEmpty() && (!Movable(there) || Touched(piece.Line, t))) continue;
      if (homeBusy_[slot][t] || count_[slot][t] > 1) continue;
      const int clashLine = count_[slot][t] == 1 ? lineSum_[slot][t] : 0;
      if (clashLine != 0 && (!Movable(At(clashLine, t)) || Touched(clashLine, t))) continue;
      const int loosened =
          static_cast<int>(loose_.size()) + (there.IsEmpty() ? 0 : 1) + (clashLine != 0 ? 1 : 0);
      if (loosened > left - 1) continue;
      Place(piece, t, there, clashLine, left);
    }
    loose_.push_back(piece);
  }

  // The move of `piece` to period t and what follows; undone before it returns. A displaced
  // piece is put aside under the lesson lifted off the clash, as the piece move does it.
  void Place(const Loose& piece, int t, const PeriodCell& there, int clashLine, int left) {
    const int line = piece.Line;
    const PeriodCell clashed = clashLine != 0 ? At(clashLine, t) : PeriodCell{};
    if (!there.IsEmpty()) {
      Add(there, line, t, -1);
      loose_.push_back({there, static_cast<Byte>(line), static_cast<Byte>(t)});
    }
    if (clashLine != 0) {
      Add(clashed, clashLine, t, -1);
      At(clashLine, t) = {};
      Touch(clashLine, t, true);
      loose_.push_back({clashed, static_cast<Byte>(clashLine), static_cast<Byte>(t)});
    }
    At(line, t) = piece.Piece;
    Add(piece.Piece, line, t, +1);
    const bool wasTouched = Touched(line, t);
    Touch(line, t, true);
    moves_.push_back({piece.Line, piece.From, static_cast<Byte>(t), piece.Piece});

    if (loose_.empty()) {
      if (left == 1) found_.push_back({moves_, Doubles()});
    } else if (left > 1) {
      Step(left - 1);
    }

    moves_.pop_back();
    Touch(line, t, wasTouched);
    Add(piece.Piece, line, t, -1);
    At(line, t) = there;
    if (clashLine != 0) {
      loose_.pop_back();
      Touch(clashLine, t, false);
      At(clashLine, t) = clashed;
      Add(clashed, clashLine, t, +1);
    }
    if (!there.IsEmpty()) {
      loose_.pop_back();
      Add(there, line, t, +1);
    }
  }

  // The subject a class has in a period as the chain leaves it; -1 for none.
  int SubjectAt(int slot, int period) {
    if (homeBusy_[slot][period]) return homeSubject_[slot][period];
    if (count_[slot][period] != 1) return -1;
    return SubjectOf(At(lineSum_[slot][period], period), lineSum_[slot][period]);
  }
  int SubjectOf(const PeriodCell& cell, int line) const {
    const int subject = cell.LessonSubject != 0 ? cell.LessonSubject : doc_.Line(line).Subject;
    return subject >= 1 && subject <= MaxSubject ? subject : -1;
  }

  // The moved lessons whose subject the class has again that day.
  int Doubles() {
    int doubles = 0;
    for (const ChainMove& move : moves_) {
      const int slot = SlotOf(move.Piece);
      const int subject = SubjectOf(move.Piece, move.Line);
      if (subject < 0) continue;
      const int first = DayOf(move.To) * PeriodsPerDay + 1;
      for (int q = first; q < first + PeriodsPerDay; ++q) {
        if (q != move.To && SubjectAt(slot, q) == subject) {
          ++doubles;
          break;
        }
      }
    }
    return doubles;
  }

  const TKumData& doc_;
  const HandPlaces& places_;
  std::array<PeriodCell, MaxLines * PeriodCount> cells_{};
  std::bitset<MaxLines * PeriodCount> touched_;
  std::array<std::array<Byte, PeriodCount + 1>, ClassSlots> count_{};
  std::array<std::array<std::uint16_t, PeriodCount + 1>, ClassSlots> lineSum_{};
  std::array<std::array<bool, PeriodCount + 1>, ClassSlots> homeBusy_{};
  std::array<std::array<Byte, PeriodCount + 1>, ClassSlots> homeSubject_{};
  std::vector<Loose> loose_;
  std::vector<ChainMove> moves_;
  std::vector<Chain> found_;
  int budget_ = NodeBudget;
};

}  // namespace

std::vector<Chain> FindChains(const TKumData& doc, const TClassLines& classes) {
  const HandPlaces places = FindHandPlaces(doc, classes);
  if (places.Line == 0 || SlotOf(doc.Hand().Piece) < 0) return {};
  Search search(doc, classes, places);
  const HeldPiece& hand = doc.Hand();
  for (int t = 1; t <= PeriodCount; ++t) {
    if (t != hand.FromPeriod && places.At(hand.FromLine, t) == PlaceTint::Good &&
        doc.Cell(hand.FromLine, t).IsEmpty()) {
      search.Direct(t);
    }
  }
  // Fewer moves first; longer chains are looked for only while the list has room.
  for (int moves = 2; moves <= MaxChainMoves; ++moves) {
    if (static_cast<int>(search.Found().size()) >= MaxChains) break;
    search.Run(moves);
  }
  std::vector<Chain>& found = search.Found();
  std::stable_sort(found.begin(), found.end(), [](const Chain& a, const Chain& b) {
    if (a.Moves.size() != b.Moves.size()) return a.Moves.size() < b.Moves.size();
    return a.Doubles < b.Doubles;
  });
  if (static_cast<int>(found.size()) > MaxChains) found.resize(MaxChains);
  return std::move(found);
}

std::string ChainText(const TKumData& doc, const Chain& chain) {
  std::string text;
  for (const ChainMove& move : chain.Moves) {
    if (text.empty()) {
      text = PeriodText(move.To) + "へ";
    } else {
      text += "、" + LineName(doc, move.Line) + " の " + PieceName(doc, move.Piece) + " を " +
              PeriodText(move.To) + "へ";
    }
  }
  if (chain.Doubles > 0) text += "（同じ日に同じ教科 " + std::to_string(chain.Doubles) + "）";
  return text;
}

}  // namespace kumo
