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
    for (Byte c = 1; c <= n; ++c) {
      ++i;
      Entries[i].Grade = g;
      Entries[i].ClassNo = c;
    }
  }
  EntryCount = static_cast<Byte>(i);
}

void TClassLines::UpdateClass(int entry) {
  if (entry < 1 || entry > MaxClassEntries) return;
  ClassEntry& e = Entries[entry];
  auto firstLine = [&](auto matches) -> Byte {
    for (int n = 1; n <= doc_.LineCount; ++n) {
      if (matches(doc_.Lines[n])) return static_cast<Byte>(n);
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

int TClassLines::FindClass(int grade, int classNo) const {
  for (int k = 1; k <= UsedEntries(); ++k) {
    if (Entries[k].Grade == grade && Entries[k].ClassNo == classNo) return k;
  }
  return 0;
}

}  // namespace kumo
