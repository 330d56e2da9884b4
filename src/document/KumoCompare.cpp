// The timetable the document is compared with, to show what changed.
#include "document/Changes.h"

namespace kumo {

void TKumData::CompareWith(Baseline base) {
  const Batch batch(*this);
  const Baseline was = std::move(Compared);
  Compared = std::move(base);
  for (int n = 1; n <= LineCount; ++n) {
    for (int p = 1; p <= PeriodCount; ++p) {
      const bool before = was.Kept && LessonChanged(was.CellOf(n, p), Cell(n, p));
      if (before != CellChanged(*this, n, p)) MarkCell(n, p);
    }
  }
  // The changes list also names the lessons of lines cut since.
  if (was.Kept != Compared.Kept || was.Lines.size() != Compared.Lines.size()) MarkAll();
}

}  // namespace kumo
