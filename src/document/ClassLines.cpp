// The class index: for each class, its homeroom line and the line teaching it in each period.
#include <algorithm>

#include "document/KumoHead.h"

namespace kumo {

void TClassLines::Clear() {
  EntryCount = 0;
  Entries = {};
  VisibleCount = 0;
  VisibleEntries = {};
}

void TClassLines::BuildClassList() {
  int i = 0;
  for (Byte g = 1; g <= 3; ++g) {
    // Class numbers beyond the labels cannot be shown, and the entries hold only 20 per grade.
    int n = std::min<int>(doc_.ClassCount(g), MaxClassNo);
    for (int c = 1; c <= n; ++c) {
      ++i;
      Entries[i].Grade = g;
      Entries[i].ClassNo = static_cast<Byte>(c);
    }
  }
  EntryCount = static_cast<Byte>(i);
}

void TClassLines::UpdateClass(int entry) {
  if (entry < 1 || entry > MaxClassEntries) return;
  ClassEntry& e = Entries[entry];
  auto firstLine = [&](auto matches) -> Byte {
    for (int n = 1; n <= doc_.LineCount(); ++n) {
      if (matches(doc_.Line(n))) return static_cast<Byte>(n);
    }
    return 0;
  };
  e.HomeroomLine = firstLine(
      [&](const TeacherLine& l) { return l.Grade == e.Grade && l.Homeroom == e.ClassNo; });
  for (int p = 1; p <= PeriodCount; ++p) {
    e.PeriodLines[p] = firstLine([&](const TeacherLine& l) {
      return l.Cells[p].Kind == e.Grade && l.Cells[p].Item == e.ClassNo;
    });
  }
}

void TClassLines::UpdateAllClasses() {
  for (int k = 1; k <= UsedEntries(); ++k) UpdateClass(k);
}

void TClassLines::DocumentChanged(const DocumentChange& change) {
  if (change.All || change.Lines) {
    if (change.All) Clear();
    BuildClassList();
    UpdateAllClasses();
    return;
  }
  for (int p = 1; p <= PeriodCount; ++p) {
    if (change.PeriodChanged(p)) UpdatePeriod(p);
  }
}

void TClassLines::UpdatePeriod(int period) {
  // Entry of each class, by grade and class number.
  Byte entryOf[4][MaxClassNo + 1] = {};
  for (int k = 1; k <= UsedEntries(); ++k) {
    ClassEntry& e = Entries[k];
    e.PeriodLines[period] = 0;
    if (e.Grade >= 1 && e.Grade <= 3 && e.ClassNo >= 1 && e.ClassNo <= MaxClassNo &&
        entryOf[e.Grade][e.ClassNo] == 0) {
      entryOf[e.Grade][e.ClassNo] = static_cast<Byte>(k);
    }
  }
  // The upper of two lines with the same class wins, as in UpdateClass.
  for (int n = doc_.LineCount(); n >= 1; --n) {
    const PeriodCell& cell = doc_.Cell(n, period);
    if (!cell.IsClass() || cell.Item < 1 || cell.Item > MaxClassNo) continue;
    const int k = entryOf[cell.Kind][cell.Item];
    if (k != 0) Entries[k].PeriodLines[period] = static_cast<Byte>(n);
  }
}

int TClassLines::FindClass(int grade, int classNo) const {
  for (int k = 1; k <= UsedEntries(); ++k) {
    if (Entries[k].Grade == grade && Entries[k].ClassNo == classNo) return k;
  }
  return 0;
}

}  // namespace kumo
