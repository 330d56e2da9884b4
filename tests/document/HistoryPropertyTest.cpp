// Random editing over small timetables, where clashes and chains are common: after every
// operation the lessons, the history walk, the class index and the saved file keep their word.
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
} Kinds[] = {{'a', "at", 30},           {'m', "move", 32}, {'e', "enter", 8},
             {'r', "erase", 3},         {'d', "drop", 3},  {'b', "back", 10},
             {'f', "forward", 5},       {'p', "probe", 6}, {'h', "clear-history", 1},
             {'k', "clear-holding", 1}, {'s', "save", 1}};

struct Op {
  char kind;
  std::array<int, 4> arg;
  bool yes;
};

std::ostream& operator<<(std::ostream& os, const Op& op) {
  for (const auto& k : Kinds) os << (k.kind == op.kind ? k.name : "");
  os << '(' << op.arg[0] << ',' << op.arg[1] << ',' << op.arg[2] << ',' << op.arg[3] << ')';
  return os << (op.yes ? " " : "/no ");
}

struct State {
  std::vector<PeriodCell> cells;
  HeldPiece hand;
  std::vector<HeldPiece> held;
  int pos, end, line, period;
  bool operator==(const State&) const = default;
};

// The cursor is the user's between steps; Forward puts it where the step left it.
State Uncursored(State s) {
  s.line = s.period = 0;
  return s;
}
// What Back over a move gives back.
State PiecesOf(State s) {
  s.pos = s.end = s.line = s.period = 0;
  return s;
}

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
  *os << "| pos " << s.pos << '/' << s.end << " cursor " << s.line << '.' << s.period;
}

// Lessons as a multiset; an empty cell holds none, whatever its other bytes.
using Lessons = std::multiset<std::uint32_t>;
std::uint32_t Key(const PeriodCell& c) {
  return std::uint32_t{c.Kind} << 24 | c.Item << 16 | c.LessonSubject << 8 | c.Flags;
}
void Add(Lessons& l, const PeriodCell& c) {
  if (!c.IsEmpty()) l.insert(Key(c));
}
void Remove(Lessons& l, const PeriodCell& c) {
  if (auto it = l.find(Key(c)); !c.IsEmpty() && it != l.end()) l.erase(it);
}
Lessons LessonsOf(const State& s, bool heldToo = true) {
  Lessons l;
  for (const PeriodCell& c : s.cells) Add(l, c);
  if (!heldToo) return l;
  Add(l, s.hand.Piece);
  for (const HeldPiece& h : s.held) Add(l, h.Piece);
  return l;
}

enum class StepKind : char { Move, Enter, Erase };
// What the test knows of a recorded step; cursor 0 when not known.
struct StepNote {
  StepKind kind;
  int line, period;
};

class HistoryProperty : public DocTest {
 protected:
  std::mt19937 rng;
  Answers answers;
  std::unique_ptr<TKumData> doc;  // the fixture's own document is not used
  std::unique_ptr<TClassLines> index;
  int periods = 0;  // pieces and the cursor keep mostly to the first periods
  std::vector<StepNote> notes = std::vector<StepNote>(MaxHistory + 1);
  // Position -> the pieces before the move recorded there, which Back over it gives back.
  std::map<int, State> before;
  // Positions where the state may differ from the one the step before left: a drop or a cleared
  // holding stack changed it outside the history, or Back over a class entry took the class
  // into the hand. Back then Forward is exact everywhere else.
  std::vector<char> off = std::vector<char>(MaxHistory + 2);
  // Lessons the user replaced, erased or dropped, which the history may bring back, and the
  // most copies of each lesson the document has had, counting those.
  Lessons removed;
  std::map<std::uint32_t, int> most;
  std::ostringstream log;

  int Pick(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
  std::string Trace() const { return "\noperations: " + log.str(); }

  State Snap() const {
    State s{{}, doc->Hand, {}, doc->HistoryPos, doc->HistoryEnd, doc->CurLine, doc->CurPeriod};
    for (int n = 1; n <= doc->LineCount; ++n) {
      for (int p = 1; p <= PeriodCount; ++p) s.cells.push_back(doc->Cell(n, p));
    }
    for (int k = 1; k < doc->HoldingCount; ++k) s.held.push_back(doc->Holding[k]);
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

  void Tally() {
    Lessons l = LessonsOf(Snap());
    l.insert(removed.begin(), removed.end());
    for (std::uint32_t key : l) most[key] = std::max<int>(most[key], l.count(key));
  }

  PeriodCell RandomClass() {
    for (;;) {
      const int g = 1 + Pick(3);
      if (int n = doc->ClassCount(g)) return {Byte(g), Byte(1 + Pick(n)), Byte(Pick(3)), 0};
    }
  }

  // Four to eight lines, one to five of them homeroom lines of grades 1 and 2; pieces in the
  // first two to four periods. Sometimes the history or the holding stack is nearly full.
  void Start(int run) {
    rng.seed(static_cast<unsigned>(run));
    log.str("");
    log << "run " << run << ": ";
    index.reset();  // before the document it watches
    doc = std::make_unique<TKumData>(options, answers);
    index = std::make_unique<TClassLines>(*doc);
    std::fill(notes.begin(), notes.end(), StepNote{});
    std::fill(off.begin(), off.end(), 0);
    before.clear();
    removed.clear();
    most.clear();
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
        PeriodCell& c = doc->Cell(n, p);
        c = kind < 7   ? RandomClass()
            : kind < 8 ? PeriodCell{KindSubject, Byte(Pick(MaxSubject + 1)), 1, 0}
                       : PeriodCell{KindSymbol, Byte(1 + Pick(MaxSymbol)), 0, 0};
        if (Pick(6) == 0) c.Flags = flags[Pick(6)];
      }
    }
    doc->NotifyAllChanged();
    const int start = Pick(8);
    if (start == 0) {  // lifts and puts back one piece until a few steps are left
      doc->SetCursor(1, 1);
      doc->Cell(1, 1) = {KindSubject, 1, 0, 0};
      doc->NotifyAllChanged();
      const int moves = (MaxHistory - 5 - Pick(30)) & ~1;
      for (int i = 0; i < moves; ++i) doc->MovePiece({.Checks = false, .FollowClash = false});
      log << "warm-up " << moves << " moves at 1.1; ";
    } else if (start == 1) {
      const int held = 22 + Pick(3);
      for (int k = 1; k <= held; ++k) {
        doc->Holding[k] = {RandomClass(), Byte(1 + Pick(lines)), Byte(1 + Pick(periods))};
      }
      doc->HoldingCount = Byte(held + 1);
      log << held << " held; ";
    }
    Tally();
  }

  void LeaveHistory(int upTo) {
    std::fill(off.begin() + 1, off.begin() + upTo + 1, 1);
    before.clear();
  }

  // After an operation that records steps from was.pos on.
  void Recorded(const State& was, StepKind kind) {
    const int pos = was.pos, now = doc->HistoryPos;
    for (int k = pos; k < now; ++k) notes[k] = {kind, 0, 0};
    // An erase leaves the cursor on the last cell of its range, not where its last step did.
    if (now > pos && now < MaxHistory && kind != StepKind::Erase) {
      notes[now - 1] = {kind, doc->CurLine, doc->CurPeriod};
    }
    before.erase(before.upper_bound(pos), before.end());
    std::fill(off.begin() + pos + 1, off.end(), 0);
    const bool changed = PiecesOf(Snap()) != PiecesOf(was);
    // With the history full the step is refused: every change is recorded.
    EXPECT_TRUE(!changed || now > pos) << "a change went unrecorded" << Trace();
    if (kind == StepKind::Enter) {
      off[pos] = 1;
      before.clear();
    } else if (changed) {
      before[pos] = was;
    }
  }

  // Back and Forward never lose a lesson and never copy one; they may bring back a lesson
  // that was removed. `gone` is what the step itself removes.
  void CheckWalkStep(const State& was, const PeriodCell& gone, const char* what) {
    Lessons had = LessonsOf(was);
    Remove(had, gone);
    const Lessons has = LessonsOf(Snap());
    EXPECT_TRUE(std::includes(has.begin(), has.end(), had.begin(), had.end()))
        << what << " lost a lesson" << Trace();
    for (std::uint32_t key : has) {
      EXPECT_LE(int(has.count(key)), most[key])
          << what << " copied lesson " << std::hex << key << std::dec << Trace();
    }
  }

  bool Back() {
    const State was = Snap();
    if (!doc->StepBack()) {
      EXPECT_EQ(Snap(), was) << "a refused Back changed the document" << Trace();
      return false;
    }
    CheckWalkStep(was, {}, "Back");
    const State now = Snap();
    if (notes[now.pos].kind == StepKind::Enter) LeaveHistory(now.pos);
    if (auto it = before.find(now.pos); it != before.end()) {
      EXPECT_EQ(PiecesOf(now), PiecesOf(it->second)) << "Back to " << now.pos << Trace();
    }
    return true;
  }

  bool Forward() {
    const State was = Snap();
    const int k = was.pos;
    const StepNote note = notes[k];
    const PeriodCell gone =
        k < was.end && note.kind != StepKind::Move ? doc->Steps[k].CellBefore : PeriodCell{};
    if (!doc->StepForward()) {
      EXPECT_EQ(Snap(), was) << "a refused Forward changed the document" << Trace();
      return false;
    }
    CheckWalkStep(was, gone, "Forward");
    if (note.line != 0) {
      EXPECT_EQ(std::pair(int(doc->CurLine), int(doc->CurPeriod)),
                std::pair(note.line, note.period))
          << "Forward over step " << k << Trace();
    }
    // From a state off the history Forward goes on from that state, not the recorded one.
    if (off[k + 1]) {
      std::fill(off.begin() + k + 1, off.end(), 1);
      before.erase(before.lower_bound(k + 1), before.end());
    }
    return true;
  }

  // Back then Forward, and Forward then Back, come back where they started. Off the history
  // the holding stack may be full of pieces the steps do not know, and the return be refused.
  void Probe() {
    const int pos = doc->HistoryPos;
    bool exact = !off[pos];
    State was = Snap();
    if (Back()) {
      const bool returned = Forward();
      if (exact) {
        EXPECT_TRUE(returned) << Trace();
        EXPECT_EQ(Uncursored(Snap()), Uncursored(was)) << "Back then Forward" << Trace();
      }
    }
    exact = !off[pos] && notes[pos].kind != StepKind::Enter;  // Back takes the class into hand
    was = Snap();
    if (Forward()) {
      const bool returned = Back();
      if (exact) {
        EXPECT_TRUE(returned) << Trace();
        EXPECT_EQ(Uncursored(Snap()), Uncursored(was)) << "Forward then Back" << Trace();
      }
    }
  }

  // Walks back as far as the history goes (at most 300 steps) and forward again; the states
  // passed must be `expected` when given. Forward passes the states Back went through until it
  // crosses a place off the history, where a dropped piece comes back and is carried on.
  std::vector<State> Walk(const std::vector<State>* expected) {
    std::vector<State> seen{Snap()};
    auto passed = [&] {
      seen.push_back(Snap());
      if (expected && seen.size() <= expected->size()) {
        EXPECT_EQ(seen.back(), (*expected)[seen.size() - 1]) << "walk" << Trace();
      }
    };
    while (seen.size() <= 300 && !HasFailure() && Back()) passed();
    bool inStep = true;
    for (int i = int(seen.size()) - 2; i >= 0 && !HasFailure(); --i) {
      inStep = inStep && !off[seen[i].pos];
      if (!Forward()) {
        EXPECT_FALSE(inStep) << "Forward refused after Back" << Trace();
        break;
      }
      passed();
      if (inStep) {
        EXPECT_EQ(Uncursored(seen.back()), Uncursored(seen[i])) << Trace();
      }
    }
    if (expected) {
      EXPECT_EQ(seen.size(), expected->size()) << Trace();
    }
    return seen;
  }

  // Saves, reopens into a second document equal to the first, walks both the same way, and
  // goes on with the reopened one.
  void SaveAndReopen() {
    doc->FileName = Path("plan.kmt");
    doc->SaveToFile();
    auto reopened = std::make_unique<TKumData>(options, answers);
    auto reopenedIndex = std::make_unique<TClassLines>(*reopened);
    reopened->FileName = doc->FileName;
    const int boxes = answers.boxes, end = doc->HistoryEnd;
    ASSERT_TRUE(reopened->LoadFromFile()) << Trace();
    ASSERT_EQ(answers.boxes, boxes) << "the saved file was questioned" << Trace();
    ASSERT_EQ(reopened->HistoryEnd, end);
    EXPECT_EQ(0, std::memcmp(&reopened->History, &doc->History, sizeof(HistoryEntry) * (end - 1)));
    EXPECT_EQ(0, std::memcmp(&reopened->Steps, &doc->Steps, sizeof(StepRecord) * (end - 1)));
    const State saved = Snap();
    const auto keptBefore = before;
    const auto keptOff = off;
    const std::vector<State> walked = Walk(nullptr);
    std::swap(doc, reopened);
    std::swap(index, reopenedIndex);
    ASSERT_EQ(Snap(), saved) << "reopened" << Trace();
    CheckIndex();
    before = keptBefore;
    off = keptOff;
    Walk(&walked);
    reopenedIndex.reset();  // the first document's, before the document
  }

  Op Draw() {
    Op op{'s', {}, Pick(4) != 0};
    for (int w = Pick(100); const auto& k : Kinds) {
      if ((w -= k.weight) < 0) {
        op.kind = k.kind;
        break;
      }
    }
    const int line = 1 + Pick(doc->LineCount), period = 1 + Pick(periods);
    if (op.kind == 'a') op.arg = {line, Pick(10) ? period : 1 + Pick(PeriodCount)};
    if (op.kind == 'm') op.arg = {Pick(2), Pick(2), Pick(2)};
    if (op.kind == 'r') op.arg = {line, line + Pick(2), period, period + Pick(3)};
    if (op.kind == 'b' || op.kind == 'f') op.arg[0] = 1 + Pick(3);
    if (op.kind == 'e') {
      const int grade = 1 + Pick(3);  // up to one past the last class, which is refused
      op.arg = {grade, 1 + Pick(doc->ClassCount(grade) + 1), Pick(2)};
    }
    return op;
  }

  void Run(const Op& op) {
    log << op;
    answers.yes = op.yes;
    const State was = Snap();
    const auto [a, b, c, d] = op.arg;
    Lessons expected = LessonsOf(was);  // a move makes and loses no lesson
    bool refused = false;
    if (op.kind == 'a') doc->SetCursor(a, b);
    if (op.kind == 'm') doc->MovePiece({a != 0, b != 0, c != 0});
    if (op.kind == 'e') {
      const PeriodCell cell = doc->CursorOnLine() ? doc->CursorCell() : PeriodCell{};
      refused = !doc->EnterClass(a, b, c != 0);
      Remove(expected, cell);
      Add(expected, {Byte(a), Byte(b), cell.LessonSubject, cell.Flags});
      if (!refused) Add(removed, cell);
    }
    if (op.kind == 'r') {
      for (int n = a; n <= std::min<int>(b, doc->LineCount); ++n) {
        for (int p = c; p <= d; ++p) Remove(expected, doc->Cell(n, p));
      }
      refused = !doc->EraseRange({a, b, c, d});
    }
    if (op.kind == 'd') {
      doc->DropHand();
      Remove(expected, was.hand.Piece);
      LeaveHistory(doc->HistoryPos);
    }
    if (op.kind == 'k') {
      doc->ClearHolding();
      if (op.yes) expected = LessonsOf(was, false);
      LeaveHistory(doc->HistoryPos);
    }
    if (op.kind == 'h') {
      doc->ClearHistory();
      if (doc->HistoryEnd == 1) std::fill(off.begin(), off.end(), 0);
    }
    for (int n = a; op.kind == 'b' && n > 0 && Back(); --n) {
    }
    for (int n = a; op.kind == 'f' && n > 0 && Forward(); --n) {
    }
    if (op.kind == 'p') Probe();
    if (op.kind == 's') SaveAndReopen();

    if (refused) {
      EXPECT_EQ(Snap(), was) << "a refused operation changed the document" << Trace();
    } else if (std::string_view("amerdkh").find(op.kind) != std::string_view::npos) {
      const Lessons now = LessonsOf(Snap()), had = LessonsOf(was);
      EXPECT_EQ(now, expected) << Trace();
      if (op.kind == 'r' || op.kind == 'd' || op.kind == 'k') {
        std::set_difference(had.begin(), had.end(), now.begin(), now.end(),
                            std::inserter(removed, removed.end()));
      }
      if (op.kind == 'm') Recorded(was, StepKind::Move);
      if (op.kind == 'e') Recorded(was, StepKind::Enter);
      if (op.kind == 'r') Recorded(was, StepKind::Erase);
    }
    if (!HasFailure()) CheckIndex();
    Tally();
  }
};

TEST_F(HistoryProperty, RandomEditingKeepsLessonsHistoryIndexAndFile) {
  for (int run = 0; run < 400 && !HasFailure(); ++run) {
    Start(run);
    for (int i = 0; i < 150 && !HasFailure(); ++i) Run(Draw());
  }
}

// Classes entered where a carried piece was lifted: Back takes each into the hand and puts it
// aside, over the carried piece. Back over the lift then put the piece back into its cell and
// left it on the holding stack as well.
using HistoryPropertyCase = DocTest;
TEST_F(HistoryPropertyCase, BackUnderEnteredClassesTakesTheCarriedPieceFromTheStack) {
  doc.AddLine(Line(1, 1));
  doc.AddLine(Line(2, 1));
  const PeriodCell symbol = Piece(KindSymbol, 7);
  doc.Cell(1, 1) = symbol;
  MoveAt(1, 1);
  ASSERT_TRUE(doc.EnterClass(1, 1, true));
  ASSERT_TRUE(doc.EnterClass(2, 1, true));
  for (int k = 0; k < 3; ++k) ASSERT_TRUE(doc.StepBack());
  EXPECT_EQ(doc.Cell(1, 1), symbol);
  EXPECT_TRUE(doc.Hand.Piece.IsEmpty());
  ASSERT_EQ(doc.HoldingCount, 3) << "the entered classes, and no copy of the symbol";
  EXPECT_EQ(doc.Holding[1].Piece, Piece(1, 1));
  EXPECT_EQ(doc.Holding[2].Piece, Piece(2, 1));

  for (int k = 0; k < 3; ++k) ASSERT_TRUE(doc.StepForward());
  EXPECT_EQ(doc.Cell(1, 1), Piece(2, 1));
  EXPECT_EQ(doc.Hand, (HeldPiece{symbol, 1, 1}));
  EXPECT_EQ(doc.HoldingCount, 1);
}

}  // namespace
}  // namespace kumo::test
