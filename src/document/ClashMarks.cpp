#include "document/ClashMarks.h"

namespace kumo {

ClashMarks ClashMarks::Find(const TKumData& doc) {
  ClashMarks marks;
  for (int p = 1; p <= PeriodCount; ++p) {
    // How many lines teach each class then.
    Byte count[KindGrade3 + 1][MaxClassNo + 1] = {};
    auto counted = [&](int n) -> Byte& {
      const PeriodCell& cell = doc.Cell(n, p);
      return count[cell.Kind][cell.Item];
    };
    auto isClass = [&](int n) {
      const PeriodCell& cell = doc.Cell(n, p);
      return cell.IsClass() && cell.Item >= 1 && cell.Item <= MaxClassNo;
    };
    for (int n = 1; n <= doc.LineCount(); ++n) {
      if (isClass(n)) ++counted(n);
    }
    for (int n = 1; n <= doc.LineCount(); ++n) {
      if (!isClass(n) || counted(n) < 2) continue;
      marks.cells_[DocumentChange::CellIndex(n, p)] = true;
    }
  }
  return marks;
}

}  // namespace kumo
