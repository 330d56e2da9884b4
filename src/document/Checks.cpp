#include "document/Checks.h"

#include <algorithm>

#include "document/ClassWeek.h"
#include "document/Naming.h"

namespace kumo {
namespace {

constexpr std::array<CheckKindText, CheckKindCount> KindTexts{{
    {"重なり", "どちらかの駒を別の時限へ動かす"},
    {"同じ日に同じ教科", "連続授業でなければ、一方を別の日へ動かす"},
    {"連続授業の相手がない", "同じ行の隣の時限へ動かすか、連続を外す"},
    {"置いていない駒", "置き場所へ置く"},
    {"空き時限", "授業のないクラスの時限（よければそのまま）"},
}};

struct Finder {
  const TKumData& doc;
  const TClassLines& classes;
  std::vector<CheckItem>& items;

  void Add(CheckKind kind, int line, int period, std::string text) {
    items.push_back({kind, line, period, std::move(text)});
  }

  // Per period, the first line seen with each class: a second line with it clashes.
  void Clashes() {
    for (int p = 1; p <= PeriodCount; ++p) {
      Byte first[3][MaxClassNo + 1] = {};
      for (int n = 1; n <= doc.LineCount(); ++n) {
        const PeriodCell& cell = doc.Cell(n, p);
        if (!cell.IsClass() || cell.Item < 1 || cell.Item > MaxClassNo) continue;
        Byte& seen = first[cell.Kind - 1][cell.Item];
        if (seen == 0) {
          seen = static_cast<Byte>(n);
          continue;
        }
        Add(CheckKind::Clash, seen, p,
            ClassName(doc, cell.Kind, cell.Item) + " " + PeriodText(p) + "：" +
                LineName(doc, seen) + " と " + LineName(doc, n));
      }
    }
  }

  // The cell that gives the class its subject in the period.
  const PeriodCell* CellOf(const ClassEntry& entry, const ClassPeriod& at, int period) const {
    if (at.Homeroom) return &doc.Cell(entry.HomeroomLine, period);
    if (at.Teacher != 0) return &doc.Cell(at.Teacher, period);
    return nullptr;
  }

  // Two lessons of a subject on one day, unless they make a continuous lesson side by side.
  void SameSubjects() {
    for (int k = 1; k <= classes.UsedEntries(); ++k) {
      const ClassEntry& entry = classes.Entries[k];
      for (int day = 0; day < DayCount; ++day) {
        ClassPeriod at[PeriodsPerDay];
        const int firstPeriod = day * PeriodsPerDay + 1;
        for (int i = 0; i < PeriodsPerDay; ++i) at[i] = ClassSubjectAt(doc, entry, firstPeriod + i);
        for (int j = 1; j < PeriodsPerDay; ++j) {
          if (at[j].Subject == 0) continue;
          // The nearest earlier lesson of the subject that day.
          int i = j - 1;
          while (i >= 0 && at[i].Subject != at[j].Subject) --i;
          if (i < 0) continue;
          const PeriodCell* a = CellOf(entry, at[i], firstPeriod + i);
          const PeriodCell* b = CellOf(entry, at[j], firstPeriod + j);
          if (i + 1 == j && a->Has(Continuous) && b->Has(Continuous)) continue;
          const int line = at[j].Homeroom ? entry.HomeroomLine : at[j].Teacher;
          Add(CheckKind::SameSubject, line, firstPeriod + j,
              ClassName(doc, entry.Grade, entry.ClassNo) + " " +
                  PieceName(doc, {KindSubject, at[j].Subject, 0, 0}) + "：" +
                  PeriodText(firstPeriod + i) + " と " + PeriodText(firstPeriod + j));
        }
      }
    }
  }

  // A continuous piece needs the same piece, continuous too, beside it on its line that day.
  void SplitContinuous() {
    for (int n = 1; n <= doc.LineCount(); ++n) {
      for (int p = 1; p <= PeriodCount; ++p) {
        const PeriodCell& cell = doc.Cell(n, p);
        if (cell.IsEmpty() || !cell.Has(Continuous)) continue;
        const auto partner = [&](int q) {
          return q >= 1 && q <= PeriodCount && DayOf(q) == DayOf(p) &&
                 doc.Cell(n, q).SamePiece(cell) && doc.Cell(n, q).Has(Continuous);
        };
        if (partner(p - 1) || partner(p + 1)) continue;
        Add(CheckKind::SplitContinuous, n, p,
            LineName(doc, n) + " " + PeriodText(p) + "：" + PieceName(doc, cell));
      }
    }
  }

  void EmptyPeriods() {
    for (int k = 1; k <= classes.UsedEntries(); ++k) {
      const ClassEntry& entry = classes.Entries[k];
      for (int p = 1; p <= PeriodCount; ++p) {
        const ClassPeriod at = ClassSubjectAt(doc, entry, p);
        if (at.Found()) continue;
        Add(CheckKind::EmptyPeriod, doc.IsLineInUse(entry.HomeroomLine) ? entry.HomeroomLine : 0, p,
            ClassName(doc, entry.Grade, entry.ClassNo) + " " + PeriodText(p));
      }
    }
  }

  void Unplaced() {
    if (!doc.Hand().Piece.IsEmpty()) AddHeld(doc.Hand(), "手に ");
    for (int k = 1; k < doc.HoldingCount(); ++k) AddHeld(doc.Held(k), "保持 ");
  }

  // At the place the piece was lifted from, when that is known.
  void AddHeld(const HeldPiece& held, const char* where) {
    const bool known = doc.IsLineInUse(held.FromLine);
    Add(CheckKind::Unplaced, known ? held.FromLine : 0, known ? held.FromPeriod : 0,
        where + HeldPieceText(doc, held));
  }
};

}  // namespace

std::vector<CheckItem> FindChecks(const TKumData& doc, const TClassLines& classes) {
  std::vector<CheckItem> items;
  Finder finder{doc, classes, items};
  finder.Clashes();
  finder.SameSubjects();
  finder.SplitContinuous();
  finder.Unplaced();
  finder.EmptyPeriods();
  return items;
}

const CheckKindText& TextOf(CheckKind kind) {
  return KindTexts[static_cast<int>(kind)];
}

}  // namespace kumo
