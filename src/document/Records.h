// Fixed-layout records of the timetable. They are written raw to the timetable file, so every
// member is a byte and the layouts below are a file format, not a memory convenience.
#pragma once

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

namespace kumo {

using Byte = std::uint8_t;

// Shift-JIS lead bytes: a double-byte character starts with one of these.
constexpr bool IsSjisLeadByte(Byte b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// How many bytes of s, at most max, hold whole characters: a double-byte character that would
// be cut, or whose second byte is missing, is left out.
constexpr std::size_t WholeCharBytes(std::string_view s, std::size_t max) {
  std::size_t n = 0;
  while (n < s.size()) {
    const std::size_t step = IsSjisLeadByte(static_cast<Byte>(s[n])) ? 2 : 1;
    if (n + step > max || n + step > s.size()) break;
    n += step;
  }
  return n;
}

// A length-prefixed text of capacity N (N + 1 bytes). Bytes past the length are filler that is
// kept as it is: assigning a shorter text leaves them alone and whole-record copies carry them.
template <std::size_t N>
struct Text {
  static_assert(N <= 255);
  static constexpr std::size_t Capacity = N;
  Byte Len;
  Byte Bytes[N];

  std::string_view View() const {
    return {reinterpret_cast<const char*>(Bytes), std::min<std::size_t>(Len, N)};
  }
  // Cut at N bytes, whatever the characters.
  void Assign(std::string_view s) {
    Len = static_cast<Byte>(std::min(s.size(), N));
    std::copy_n(s.data(), Len, Bytes);
  }
  // Cut at N bytes, but never in the middle of a double-byte character.
  void AssignWhole(std::string_view s) { Assign(s.substr(0, WholeCharBytes(s, N))); }
  bool Empty() const { return Len == 0; }
};

// A fixed table indexed First..Last, as the timetable numbers its lines, steps and entries.
template <class T, int First, int Last>
struct Indexed {
  static constexpr int Low = First;
  static constexpr int High = Last;
  static constexpr int Count = Last - First + 1;
  T Items[Count];

  T& operator[](int i) {
    assert(i >= First && i <= Last);
    return Items[i - First];
  }
  const T& operator[](int i) const {
    assert(i >= First && i <= Last);
    return Items[i - First];
  }
};

// A table numbered 1..N, as Indexed, whose first entry can be dropped, the others moving down
// by one: they live in a window of a store twice as long, which moves back to the front of the
// store only once every N drops.
template <class T, int N>
struct SlidingTable {
  static constexpr int Low = 1;
  static constexpr int High = N;
  T Items[2 * N];
  int Start;  // where entry 1 lies in Items, 0..N

  T& operator[](int i) {
    assert(i >= 1 && i <= N);
    return Items[Start + i - 1];
  }
  const T& operator[](int i) const {
    assert(i >= 1 && i <= N);
    return Items[Start + i - 1];
  }
  // Entries 2..N become 1..N − 1; entry N is empty.
  void DropFirst() {
    if (Start == N) {
      std::copy_n(Items + Start, N, Items);
      Start = 0;
    }
    ++Start;
    (*this)[N] = T{};
  }
};

enum PieceKind : Byte {
  KindEmpty = 0,
  KindGrade1 = 1,
  KindGrade2 = 2,
  KindGrade3 = 3,
  KindSubject = 4,
  KindSymbol = 5,
};

enum PieceFlag : Byte {
  Locked = 0x01,
  Linked = 0x02,
  Continuous = 0x04,
  Team = 0x08,
  Attention = 0x10,
  Counted = 0x20,
};

constexpr int MaxLines = 100;
constexpr int PeriodCount = 30;
constexpr int PeriodsPerDay = 6;
constexpr int DayCount = 5;
constexpr int MaxHistory = 5000;
constexpr int MaxHolding = 25;
constexpr int MaxClassNo = 20;
constexpr int MaxSubject = 100;
constexpr int MaxSymbol = 100;

// One period of a teacher line: the piece that sits there.
struct PeriodCell {
  Byte Kind;
  Byte Item;
  Byte LessonSubject;
  Byte Flags;

  bool IsClass() const { return Kind >= KindGrade1 && Kind <= KindGrade3; }
  bool IsEmpty() const { return Kind == KindEmpty; }
  // An empty cell's other bytes are leftovers of the pieces that passed through it: no flag of
  // theirs locks, marks or counts anything.
  bool Has(PieceFlag f) const { return !IsEmpty() && (Flags & f) != 0; }
  bool SamePiece(const PeriodCell& o) const { return Kind == o.Kind && Item == o.Item; }
  // A lesson hour of its line: a class, or a subject or symbol counted as one.
  bool IsLessonHour() const {
    return IsClass() || ((Kind == KindSubject || Kind == KindSymbol) && Has(Counted));
  }
  bool operator==(const PeriodCell&) const = default;
};

struct TeacherLine {
  Byte Grade;
  Byte Subject;
  Text<10> Name;
  Byte Homeroom;
  Byte Reserved;
  Indexed<PeriodCell, 1, PeriodCount> Cells;
};

struct HeldPiece {
  PeriodCell Piece;
  Byte FromLine;  // 0: the origin is not known
  Byte FromPeriod;
  bool operator==(const HeldPiece&) const = default;
};

struct HistoryEntry {
  Byte Line;
  Byte Period;
  PeriodCell Cell;
  PeriodCell Hand;
};

// What a step did to the holding stack after it changed its cell.
enum HoldingMove : Byte {
  HoldNone = 0,
  HoldPushed = 1,  // the piece lifted by the step was put aside on top of the holding stack
  HoldPopped = 2,  // the top of the holding stack came into the hand
};
constexpr Byte HoldingMoveMask = 0x03;
// The record was made with its step. Without it the record was worked out from the history
// entry, as for a file that has no records.
constexpr Byte StepRecorded = 0x80;

// Beside each history entry: what the step found and left, so that Back and Forward restore
// the hand, its origin and the holding stack exactly. The entry itself keeps the cell after the
// step and the piece in hand right after the cell changed.
struct StepRecord {
  PeriodCell CellBefore;
  HeldPiece HandBefore;  // the hand as Back gives it back
  HeldPiece HandAfter;   // the hand as the step left it
  Byte Holding;          // HoldingMove, with StepRecorded
  Byte CursorLine;       // where the step left the cursor
  Byte CursorPeriod;

  Byte Move() const { return Holding & HoldingMoveMask; }
  bool Inferred() const { return (Holding & StepRecorded) == 0; }
};

template <class T>
constexpr bool IsRawRecord = std::is_trivially_copyable_v<T>&& std::is_standard_layout_v<T> &&
                             alignof(T) == 1;

static_assert(sizeof(Text<2>) == 3 && IsRawRecord<Text<2>>);
static_assert(sizeof(PeriodCell) == 4 && IsRawRecord<PeriodCell>);
static_assert(sizeof(TeacherLine) == 135 && IsRawRecord<TeacherLine>);
static_assert(offsetof(TeacherLine, Name) == 2 && offsetof(TeacherLine, Homeroom) == 13 &&
              offsetof(TeacherLine, Cells) == 15);
static_assert(sizeof(HeldPiece) == 6 && IsRawRecord<HeldPiece>);
static_assert(sizeof(HistoryEntry) == 10 && IsRawRecord<HistoryEntry>);
static_assert(offsetof(HistoryEntry, Cell) == 2 && offsetof(HistoryEntry, Hand) == 6);
static_assert(sizeof(StepRecord) == 19 && IsRawRecord<StepRecord>);

// Whether (line, period) names a cell of the line table, in use or not.
constexpr bool IsCellPlace(int line, int period) {
  return line >= 1 && line <= MaxLines && period >= 1 && period <= PeriodCount;
}

// Period p falls on day (p - 1) div 6 as lesson (p - 1) mod 6 + 1.
constexpr int DayOf(int period) {
  return (period - 1) / PeriodsPerDay;
}
constexpr int LessonOf(int period) {
  return (period - 1) % PeriodsPerDay + 1;
}

}  // namespace kumo
