// Random editing over small timetables, where clashes and chains are common. After every
// operation: every change is a recorded step, and a no-op keeps the steps that can be redone; a
// walk to any position of the history gives the state last seen there; a walk over a move makes
// and loses no lesson, over any other step it changes one lesson at most; the class index and
// the saved file keep their word.
#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <vector>

#include "DocFixture.h"

namespace kumo::test {
namespace {

// Gives the operation's one answer to every question; counts the boxes, so that a load can be
// held to none.
class Answers : public Prompter {
 public:
  Answer MessageBox(BoxType, kumo::Buttons buttons, const std::string&) override {
    ++boxes;
    if (buttons == kumo::Buttons::OkCancel) return yes ? Answer::Ok : Answer::Cancel;
    return yes ? Answer::Yes : Answer::No;
  }
  void Beep() override {}
  int boxes = 0;
  bool yes = true;
};

// The operations, how often they are drawn, and how they are written in a failure's trace.
constexpr struct {
  char kind;
  const char* name;
  int weight;
} Kinds[] = {
    {'a', "at", 24},   {'m', "move", 28},   {'e', "enter", 6},         {'s', "subject", 4},
    {'i', "fill", 2},  {'g', "flags", 3},   {'x', "exchange", 2},      {'l', "line", 2},
    {'r', "erase", 3}, {'d', "drop", 3},    {'k', "clear-holding", 1}, {'h', "clear-history", 1},
    {'b', "back", 10}, {'f', "forward", 5}, {'v', "save", 1},          {'o', "home-end", 1}};
// Moves and the column exchange only move lessons; the other steps make, change or remove one.
constexpr std::string_view MovesOnly = "mx";

struct Op {
  char kind;
  std::array<int, 3> arg;
  CellRange range;
  bool yes;
};

std::ostream& operator<<(std::ostream& os, const Op& op) {
  for (const auto& k : Kinds) os << (k.kind == op.kind ? k.name : "");
  os << '(' << op.arg[0] << ',' << op.arg[1] << ',' << op.arg[2];
  if (std::string_view("igr").find(op.kind) != std::string_view::npos) {
    const CellRange& r = op.range;
    os << ' ' << r.FirstLine << '-' << r.LastLine << '.' << r.FirstPeriod << '-' << r.LastPeriod;
  }
  return os << ')' << (op.yes ? " " : "/no ");
}

// The pieces: what a position of the history stands for.
struct State {
  std::vector<PeriodCell> cells;
  HeldPiece hand;
  std::vector<HeldPiece> held;
  bool operator==(const State&) const = default;
};

void PrintTo(const State& s, std::ostream* os) {
  auto piece = [&](const PeriodCell& c) {
    *os << int(c.Kind) << '-' << int(c.Item) << '/' << int(c.LessonSubject) << '/' << int(c.Flags);
  };
  auto held = [&](const HeldPiece& h) {
    piece(h.Piece);
    *os << '@' << int(h.FromLine) << '.' << int(h.FromPeriod) << ' ';
  };
  for (std::size_t i = 0; i < s.cells.size(); ++i) {
    if (s.cells[i].IsEmpty()) continue;
    *os << i / PeriodCount + 1 << '.' << i % PeriodCount + 1 << '=';
    piece(s.cells[i]);
    *os << ' ';
  }
  *os << "| hand ";
  held(s.hand);
  *os << "| held ";
  for (const HeldPiece& h : s.held) held(h);
}

// Lessons as a multiset, every byte of them; an empty cell holds none.
using Lessons = std::multiset<std::uint32_t>;
std::uint32_t Key(const PeriodCell& c) {
  return std::uint32_t{c.Kind} << 24 | c.Item << 16 | c.LessonSubject << 8 | c.Flags;
}
Lessons LessonsOf(const State& s, bool heldToo = true) {
  Lessons l;
  auto add = [&](const PeriodCell& c) {
    if (!c.IsEmpty()) l.insert(Key(c));
  };
  for (const PeriodCell& c : s.cells) add(c);
  if (!heldToo) return l;
  add(s.hand.Piece);
  for (const HeldPiece& h : s.held) add(h.Piece);
  return l;
}
int Difference(const Lessons& a, const Lessons& b) {
  Lessons only;
  std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::inserter(only, only.end()));
  return static_cast<int>(only.size());
}

// Counts the steps forgotten at the limit, so that a step keeps its number while the entries
// move down.
struct ForgetCounter : DocumentObserver {
  ForgetCounter(TKumData& doc, long& total) : DocumentObserver(doc), total(total) {}
  void DocumentChanged(const DocumentChange& change) override { total += change.Forgotten; }
  long& total;
};

// A position as it was last seen: its pieces, and the cursor Forward leaves there (0 when the
// operation that made it moves the cursor on).
struct Seen {
  State state;
  int line = 0, period = 0;
};

class HistoryProperty : public DocTest {
 protected:
  std::mt19937 rng;
  Answers answers;
  std::unique_ptr<TKumData> doc;  // the fixture's own document is not used
  std::unique_ptr<TClassLines> index;
  std::unique_ptr<ForgetCounter> counter;
  long forgotten = 0;
  int periods = 0;              // pieces and the cursor keep mostly to the first periods
  std::map<long, Seen> seen;    // by step number: position + steps forgotten
  std::map<long, char> madeBy;  // the operation that recorded each step
  std::ostringstream log;

  int Pick(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
  std::string Trace() const { return "\noperations: " + log.str(); }
  long Number() const { return doc->HistoryPos() + forgotten; }
  long First() const { return 1 + forgotten; }
  long Last() const { return doc->HistoryEnd() + forgotten; }

  State Snap() const {
    State s{{}, doc->Hand(), {}};
    for (int n = 1; n <= doc->LineCount(); ++n) {
      for (int p = 1; p <= PeriodCount; ++p) s.cells.push_back(doc->Cell(n, p));
    }
    for (int k = 1; k < doc->HoldingCount(); ++k) s.held.push_back(doc->Held(k));
    return s;
  }

  void CheckIndex() {
    TClassLines fresh(*doc);
    fresh.BuildClassList();
    fresh.UpdateAllClasses();
    ASSERT_EQ(index->EntryCount, fresh.EntryCount) << Trace();
    EXPECT_EQ(0,
              std::memcmp(&index->Entries, &fresh.Entries, sizeof(ClassEntry) * fresh.EntryCount))
        << Trace();
  }

  PeriodCell RandomClass() {
    for (;;) {
      const int g = 1 + Pick(3);
      if (int n = doc->ClassCount(g)) return {Byte(g), Byte(1 + Pick(n)), Byte(Pick(3)), 0};
    }
  }

  // Four to eight lines, one to five of them homeroom lines of grades 1 and 2; pieces in the
  // first two to four periods. Sometimes the history is nearly full or the holding stack is.
  void Start(int run) {
    rng.seed(static_cast<unsigned>(run));
    log.str("");
    log << "run " << run << ": ";
    index.reset();  // before the document they watch
    counter.reset();
    doc = std::make_unique<TKumData>(options, answers);
    index = std::make_unique<TClassLines>(*doc);
    counter = std::make_unique<ForgetCounter>(*doc, forgotten);
    forgotten = 0;
    seen.clear();
    madeBy.clear();
    const int lines = 4 + Pick(5), first = 1 + Pick(3), second = std::min(Pick(3), lines - first);
    std::vector<TeacherLine> made;
    for (int n = 1; n <= lines; ++n) {
      made.push_back(n <= first            ? Line(1, Byte(n))
                     : n <= first + second ? Line(2, Byte(n - first))
                                           : Line(Byte(Pick(4)), 0));
    }
    std::shuffle(made.begin(), made.end(), rng);
    for (const TeacherLine& l : made) doc->AddLine(l);
    periods = 2 + Pick(3);
    constexpr Byte flags[] = {Locked, Linked, Continuous, Team, Attention, Counted};
    for (int n = 1; n <= lines; ++n) {
      for (int p = 1; p <= periods; ++p) {
        if (Pick(2)) continue;
        const int kind = Pick(10);
        PeriodCell c = kind < 7   ? RandomClass()
                       : kind < 8 ? PeriodCell{KindSubject, Byte(Pick(MaxSubject + 1)), 1, 0}
                                  : PeriodCell{KindSymbol, Byte(1 + Pick(MaxSymbol)), 0, 0};
        if (Pick(6) == 0) c.Flags = flags[Pick(6)];
        Put(*doc, n, p, c);
      }
    }
    const int start = Pick(8);
    if (start == 0) {  // lifts and puts back one piece until a few steps are left
      doc->SetCursor(1, 1);
      Put(*doc, 1, 1, {KindSubject, 1, 0, 0});
      const int moves = MaxHistory - 5 - Pick(30);
      for (int i = 0; i < moves; ++i) doc->MovePiece({.Checks = false, .FollowClash = false});
      for (long k = First(); k < Number(); ++k) madeBy[k] = 'm';
      log << "warm-up " << moves << " moves at 1.1; ";
    } else if (start == 1) {
      const int held = 22 + Pick(3);
      std::vector<HeldPiece> pieces;
      for (int k = 1; k <= held; ++k) {
        pieces.push_back({RandomClass(), Byte(1 + Pick(lines)), Byte(1 + Pick(periods))});
      }
      Reopen(*doc, [&](TimetableImage& image) {
        image.Holding.insert(image.Holding.begin(), pieces.begin(), pieces.end());
      });
      log << held << " held; ";
    }
    seen[Number()] = {Snap()};
  }

  // One step of a walk, checked against what that step may change and the state last seen
  // where it arrives.
  bool Step(bool back) {
    const State was = Snap();
    const long step = back ? Number() - 1 : Number();
    if (!(back ? doc->StepBack() : doc->StepForward())) {
      EXPECT_EQ(Snap(), was) << "a refused step changed the document" << Trace();
      return false;
    }
    const State now = Snap();
    const Lessons before = LessonsOf(was), after = LessonsOf(now);
    const bool move = MovesOnly.find(madeBy[step]) != std::string_view::npos;
    EXPECT_LE(Difference(before, after), move ? 0 : 1) << "step " << step << Trace();
    EXPECT_LE(Difference(after, before), move ? 0 : 1) << "step " << step << Trace();
    if (auto it = seen.find(Number()); it != seen.end()) {
      EXPECT_EQ(now, it->second.state)
          << (back ? "Back" : "Forward") << " to " << Number() << Trace();
      if (!back && it->second.line != 0) {
        EXPECT_EQ(std::pair(int(doc->CurLine()), int(doc->CurPeriod())),
                  std::pair(it->second.line, it->second.period))
            << "the cursor after Forward to " << Number() << Trace();
      }
    } else {
      seen[Number()] = {now};
    }
    return true;
  }

  // Every position of the history can be walked to.
  void WalkTo(long target) {
    while (Number() > target && !HasFailure()) ASSERT_TRUE(Step(true)) << Trace();
    while (Number() < target && !HasFailure()) ASSERT_TRUE(Step(false)) << Trace();
  }

  // After every operation: out to a position near this one, or to either end of a short
  // history, and back.
  void WalkOutAndBack() {
    const long home = Number();
    const long span = Last() - First() < 300 && Pick(20) == 0 ? MaxHistory : 12;
    const long lo = std::max(First(), home - span), hi = std::min(Last(), home + span);
    WalkTo(lo + Pick(static_cast<int>(hi - lo + 1)));
    WalkTo(home);
  }

  // Saves, checks the reopened document against this one and goes on with it.
  void SaveAndReopen() {
    doc->SaveAs(Path("plan.kmt"));
    auto reopened = std::make_unique<TKumData>(options, answers);
    auto reopenedIndex = std::make_unique<TClassLines>(*reopened);
    auto reopenedCounter = std::make_unique<ForgetCounter>(*reopened, forgotten);
    const int boxes = answers.boxes, end = doc->HistoryEnd();
    ASSERT_TRUE(reopened->Open(doc->FileName())) << Trace();
    ASSERT_EQ(answers.boxes, boxes) << "the saved file was questioned" << Trace();
    ASSERT_EQ(reopened->HistoryEnd(), end);
    ASSERT_EQ(reopened->HistoryPos(), doc->HistoryPos());
    EXPECT_EQ(
        0, std::memcmp(&reopened->History(1), &doc->History(1), sizeof(HistoryEntry) * (end - 1)));
    EXPECT_EQ(0, std::memcmp(&reopened->Step(1), &doc->Step(1), sizeof(StepRecord) * (end - 1)));
    const State saved = Snap();
    std::swap(doc, reopened);
    std::swap(index, reopenedIndex);
    std::swap(counter, reopenedCounter);
    reopenedIndex.reset();  // the first document's, before the document
    reopenedCounter.reset();
    reopened.reset();
    ASSERT_EQ(Snap(), saved) << "reopened" << Trace();
  }

  // A line inserted at `at`: the states seen so far get its empty cells, and the origins after
  // it follow.
  void LineInserted(int at) {
    auto renumber = [at](HeldPiece& h) {
      if (h.FromLine >= at) ++h.FromLine;
    };
    for (auto& [number, s] : seen) {
      s.state.cells.insert(s.state.cells.begin() + (at - 1) * PeriodCount, PeriodCount, {});
      renumber(s.state.hand);
      for (HeldPiece& h : s.state.held) renumber(h);
      if (s.line >= at) ++s.line;
    }
  }

  void LineEdit(const Op& op) {
    const int at = doc->CurLine();
    switch (op.arg[0]) {
      case 0:
        if (doc->LineCount() < 12 && doc->InsertLine(Line(Byte(Pick(3)), 0))) LineInserted(at);
        break;
      case 1:
        if (doc->LineCount() < 12 && doc->AddLine(Line(0, 0))) LineInserted(doc->LineCount());
        break;
      case 2: {
        TeacherLine l = doc->GetCurrentLine();
        l.Subject = Byte(Pick(MaxSubject + 1));
        l.Name.Assign("x");
        doc->SetCurrentLine(l);
        break;
      }
      default:  // cuts and splits wait for an empty history
        if (op.arg[1] ? doc->LineCount() > 4 && doc->DeleteLine() : doc->SplitSelfTeaching()) {
          ASSERT_EQ(doc->HistoryEnd(), 1);
          seen.clear();
        }
        break;
    }
  }

  Op Draw() {
    const int line = 1 + Pick(doc->LineCount()), period = 1 + Pick(periods);
    Op op{'v', {}, {line, line + Pick(2), period, period + Pick(3)}, Pick(4) != 0};
    for (int w = Pick(100); const auto& k : Kinds) {
      if ((w -= k.weight) < 0) {
        op.kind = k.kind;
        break;
      }
    }
    constexpr int flags[] = {0, Locked, Linked, Team, Attention | Counted};
    switch (op.kind) {
      case 'a':
        op.arg = {line, Pick(10) ? period : 1 + Pick(PeriodCount)};
        break;
      case 'm':
        op.arg = {Pick(2), Pick(2), Pick(2)};
        break;
      case 'e': {
        const int grade = 1 + Pick(3);  // up to one past the last class, which is refused
        op.arg = {grade, 1 + Pick(doc->ClassCount(grade) + 1), Pick(2)};
        break;
      }
      case 's':
      case 'i':
        op.arg = {Pick(2), 1 + Pick(4)};  // row and item
        break;
      case 'g':
        op.arg = {flags[Pick(5)], Pick(2)};  // the flags, for the cursor cell or the range
        break;
      case 'x':
        op.arg = {1 + Pick(periods), 1 + Pick(periods + 1)};
        break;
      case 'l':
        op.arg = {Pick(4), Pick(2)};
        break;
      case 'b':
      case 'f':
        op.arg[0] = 1 + Pick(3);
        break;
      default:
        break;
    }
    return op;
  }

  void Run(const Op& op) {
    log << op;
    answers.yes = op.yes;
    const State was = Snap();
    const long number = Number(), end = Last();
    const auto [a, b, c] = op.arg;
    switch (op.kind) {
      case 'a':
        doc->SetCursor(a, b);
        break;
      case 'm':
        doc->MovePiece({a != 0, b != 0, c != 0});
        break;
      case 'e':
        doc->EnterClass(a, b, c != 0);
        break;
      case 's':
        doc->EnterSubject(a, b);
        break;
      case 'i':
        doc->FillRange(op.range, a, b);
        break;
      case 'g':
        if (b) {
          doc->AddFlags(op.range, Byte(a));
        } else if (doc->CursorOnLine()) {
          doc->SetFlags(Byte(a));
        }
        break;
      case 'x':
        doc->ExchangeColumns(a, b, {});
        break;
      case 'l':
        LineEdit(op);
        break;
      case 'r':
        doc->EraseRange(op.range);
        break;
      case 'd':
        doc->DropHand();
        break;
      case 'k':
        doc->ClearHolding();
        break;
      case 'h':
        doc->ClearHistory();
        if (doc->HistoryEnd() == 1) {
          seen.clear();
          madeBy.clear();
          forgotten = 0;
        }
        break;
      case 'b':
        for (int n = a; n > 0 && Number() > First() && !HasFailure(); --n) Step(true);
        break;
      case 'f':
        for (int n = a; n > 0 && Number() < Last() && !HasFailure(); --n) Step(false);
        break;
      case 'o':
        WalkTo(First());
        WalkTo(Last());
        break;
      case 'v':
        SaveAndReopen();
        break;
      default:
        break;
    }
    if (HasFailure()) return;
    if (std::string_view("bfo").find(op.kind) == std::string_view::npos) {
      Recorded(op, was, number, end);
    }
    CheckIndex();
    WalkOutAndBack();
  }

  // After an operation that is no walk: what changed was recorded, and what was not recorded
  // did not change.
  void Recorded(const Op& op, const State& was, long number, long end) {
    if (op.kind == 'h' || op.kind == 'l') {
      seen[Number()] = {Snap()};
      return;
    }
    if (Number() == number) {
      EXPECT_EQ(Snap(), was) << "a change went unrecorded" << Trace();
      EXPECT_EQ(Last(), end) << "a no-op dropped the steps that could be redone" << Trace();
      return;
    }
    EXPECT_EQ(doc->HistoryEnd(), doc->HistoryPos()) << Trace();
    if (op.kind == 'm' || op.kind == 'x') {
      EXPECT_EQ(LessonsOf(Snap()), LessonsOf(was)) << "a move made or lost a lesson" << Trace();
    }
    if (op.kind == 'k') {
      EXPECT_EQ(LessonsOf(Snap()), LessonsOf(was, false)) << Trace();
      EXPECT_TRUE(doc->Hand().Piece.IsEmpty() && doc->HoldingCount() == 1) << Trace();
    }
    seen.erase(seen.upper_bound(number), seen.end());
    seen.erase(seen.begin(), seen.lower_bound(First()));
    madeBy.erase(madeBy.begin(), madeBy.lower_bound(First()));
    for (long k = number; k < Number(); ++k) madeBy[k] = op.kind;
    // Forward leaves the cursor where a single step put it; batches move it on.
    const bool cursorKept = std::string_view("med").find(op.kind) != std::string_view::npos;
    seen[Number()] = {Snap(), cursorKept ? doc->CurLine() : 0, cursorKept ? doc->CurPeriod() : 0};
  }
};

TEST_F(HistoryProperty, EveryPositionOfTheHistoryComesBackAsItWas) {
  for (int run = 0; run < 100 && !HasFailure(); ++run) {
    Start(run);
    for (int i = 0; i < 150 && !HasFailure(); ++i) Run(Draw());
  }
}

}  // namespace
}  // namespace kumo::test
