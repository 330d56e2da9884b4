#include "document/FileChecks.h"

namespace kumo {
namespace {

// Labels are built only for the value that fails, so a sound file costs no strings.
template <class Label>
Finding InRange(int value, int lo, int hi, const Label& what) {
  if (value >= lo && value <= hi) return std::nullopt;
  return BadValue{what(), value};
}

template <std::size_t N, class Label>
Finding CheckText(const Text<N>& text, const Label& what) {
  return InRange(text.Len, 0, static_cast<int>(N), [&] { return what() + "の長さ"; });
}

template <class Table>
Finding CheckTexts(const Table& table, const char* name) {
  for (int i = Table::Low; i <= Table::High; ++i) {
    auto what = [&] {
      // Appended piece by piece: GCC 12 at -O3 takes "x" + string for overlapping copies.
      std::string label = name;
      label += ' ';
      label += std::to_string(i);
      label += ' ';
      return label;
    };
    if (auto bad = CheckText(table[i], what)) return bad;
  }
  return std::nullopt;
}

// A cell of Kind 0 is empty whatever its other bytes hold.
template <class Label>
Finding CheckKindAndItem(const PeriodCell& piece, const Label& where) {
  if (piece.IsEmpty()) return std::nullopt;
  if (piece.Kind > KindSymbol) return BadValue{where() + "の駒の種類", piece.Kind};
  int lo = piece.Kind == KindSubject ? 0 : 1;
  int hi = piece.IsClass() ? MaxClassNo : piece.Kind == KindSubject ? MaxSubject : MaxSymbol;
  return InRange(piece.Item, lo, hi, [&] { return where() + "の駒の番号"; });
}

template <class Label>
Finding CheckLessonSubject(const PeriodCell& piece, const Label& where) {
  if (piece.IsEmpty()) return std::nullopt;
  return InRange(piece.LessonSubject, 0, MaxSubject, [&] { return where() + "の駒の教科"; });
}

template <class Label>
Finding CheckPiece(const PeriodCell& piece, const Label& where) {
  if (auto bad = CheckKindAndItem(piece, where)) return bad;
  return CheckLessonSubject(piece, where);
}

std::string HeldName(int held) {
  return held == 0 ? std::string("手持ち") : "保持クラス " + std::to_string(held) + " 番";
}

std::string Numbered(const char* prefix, int n, const char* suffix) {
  return prefix + std::to_string(n) + suffix;
}

}  // namespace

std::string BadValueText(const BadValue& bad) {
  return bad.What + " の値 " + std::to_string(bad.Value) + " が正しくありません。";
}

std::string CorruptFileMessage(const std::string& path, const BadValue& bad) {
  return path + " は壊れています。\n" + BadValueText(bad);
}

Finding CheckLine(const TeacherLine& line, int n) {
  auto what = [n](const char* field) { return [=] { return Numbered("", n, " 行目の") + field; }; };
  if (auto bad = InRange(line.Grade, 0, 3, what("学年"))) return bad;
  if (auto bad = InRange(line.Subject, 0, MaxSubject, what("教科"))) return bad;
  if (auto bad = CheckText(line.Name, what("名前"))) return bad;
  if (auto bad = InRange(line.Homeroom, 0, MaxClassNo, what("担任クラス"))) return bad;
  for (int p = 1; p <= PeriodCount; ++p) {
    auto where = [&] { return Numbered("", n, " 行目 ") + Numbered("", p, " 時限"); };
    if (auto bad = CheckPiece(line.Cells[p], where)) return bad;
  }
  return std::nullopt;
}

Finding CheckHistoryEnd(int end) {
  return InRange(end, 1, MaxHistory, [] { return std::string("スタックの長さ"); });
}

bool HistoryPosFits(int pos, int end) {
  return pos >= 1 && pos <= end;
}

Finding CheckHistoryEntry(const HistoryEntry& e, int k, int lineCount) {
  auto what = [k](const char* field) {
    return [=] { return Numbered("スタック ", k, " 番の") + field; };
  };
  if (auto bad = InRange(e.Line, 1, lineCount, what("行"))) return bad;
  if (auto bad = InRange(e.Period, 1, PeriodCount, what("時限"))) return bad;
  if (auto bad = CheckPiece(e.Cell, what("後"))) return bad;
  return CheckPiece(e.Hand, what("前"));
}

Finding CheckStepRecord(const StepRecord& r, const HistoryEntry& e, int k, int lineCount) {
  auto what = [k](const char* field) {
    return [=] { return Numbered("スタック ", k, " 番の") + field; };
  };
  if (auto bad = CheckPiece(r.CellBefore, what("前の駒"))) return bad;
  for (const HeldPiece* hand : {&r.HandBefore, &r.HandAfter}) {
    if (auto bad = CheckPiece(hand->Piece, what("手持ち"))) return bad;
    if (!hand->Piece.IsEmpty() && !OriginFits(*hand, lineCount))
      return BadValue{what("手持ちの元の行")(), hand->FromLine};
  }
  if (auto bad = InRange(r.Move(), HoldNone, HoldPopped, what("保持"))) return bad;
  // A step puts aside the piece it lifted, which was in the hand right after the cell changed:
  // walked forward, the record would put an empty piece on the holding stack.
  if (r.Move() == HoldPushed && e.Hand.IsEmpty()) return BadValue{what("保持")(), r.Move()};
  if (auto bad = InRange(r.CursorLine, 1, lineCount, what("カーソルの行"))) return bad;
  return InRange(r.CursorPeriod, 1, PeriodCount, what("カーソルの時限"));
}

Finding CheckHoldingCount(int count) {
  return InRange(count, 1, MaxHolding, [] { return std::string("保持クラスの数"); });
}

Finding CheckHeldPiece(const HeldPiece& p, int held) {
  return CheckKindAndItem(p.Piece, [held] { return HeldName(held); });
}

Finding CheckHeldSubject(const HeldPiece& p, int held) {
  return CheckLessonSubject(p.Piece, [held] { return HeldName(held); });
}

bool OriginFits(const HeldPiece& p, int lineCount) {
  if (p.FromLine == 0 && p.FromPeriod == 0) return true;
  return p.FromLine >= 1 && p.FromLine <= lineCount && p.FromPeriod >= 1 &&
         p.FromPeriod <= PeriodCount;
}

Finding CheckTitle(const Text<20>& title) {
  return CheckText(title, [] { return std::string("題名"); });
}

Finding CheckComment(const Text<40>& comment) {
  return CheckText(comment, [] { return std::string("コメント"); });
}

Finding CheckTable(const SubjectTable1& t) {
  return CheckTexts(t, "教科名(1文字)");
}

Finding CheckTable(const SubjectTable2& t) {
  return CheckTexts(t, "教科名(2文字)");
}

Finding CheckTable(const SubjectTable4& t) {
  return CheckTexts(t, "教科名(4文字)");
}

Finding CheckTable(const SymbolTable& t) {
  return CheckTexts(t, "記号");
}

Finding CheckTable(const MeaningTable& t) {
  return CheckTexts(t, "記号の意味");
}

}  // namespace kumo
