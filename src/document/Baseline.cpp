#include "document/Baseline.h"

#include <algorithm>

namespace kumo {

Baseline Baseline::Snapshot(const Indexed<TeacherLine, 1, MaxLines>& lines, int count) {
  Baseline base;
  base.Kept = true;
  base.Lines.assign(&lines[1], &lines[1] + count);
  for (int n = 1; n <= count; ++n) base.Of[n] = static_cast<short>(n);
  return base;
}

Baseline Baseline::ByName(std::vector<TeacherLine> lines,
                          const Indexed<TeacherLine, 1, MaxLines>& current, int count) {
  Baseline base;
  base.Kept = true;
  base.Lines = std::move(lines);
  std::vector<bool> used(base.Lines.size());
  for (int n = 1; n <= count; ++n) {
    const auto name = current[n].Name.View();
    for (std::size_t k = 0; k < base.Lines.size(); ++k) {
      const bool match = name.empty()
                             ? k + 1 == static_cast<std::size_t>(n) && base.Lines[k].Name.Empty()
                             : base.Lines[k].Name.View() == name;
      if (match && !used[k]) {
        used[k] = true;
        base.Of[n] = static_cast<short>(k + 1);
        break;
      }
    }
  }
  return base;
}

void Baseline::Inserted(int at) {
  if (at < 1 || at > MaxLines) return;
  std::copy_backward(&Of[at], &Of[MaxLines - 1] + 1, &Of[MaxLines] + 1);
  Of[at] = 0;
}

void Baseline::Deleted(int at) {
  if (at < 1 || at > MaxLines) return;
  std::copy(&Of[at] + 1, &Of[MaxLines] + 1, &Of[at]);
  Of[MaxLines] = 0;
}

}  // namespace kumo
