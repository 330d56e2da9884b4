#include "document/Baseline.h"

#include <algorithm>

namespace kumo {

Baseline Baseline::Snapshot(std::span<const TeacherLine> lines) {
  Baseline base;
  base.Kept = true;
  base.Lines.assign(lines.begin(), lines.end());
  for (int n = 1; n <= static_cast<int>(lines.size()); ++n) base.Of[n] = static_cast<short>(n);
  return base;
}

Baseline Baseline::ByName(std::vector<TeacherLine> lines, std::span<const TeacherLine> current) {
  Baseline base;
  base.Kept = true;
  base.Lines = std::move(lines);
  std::vector<bool> used(base.Lines.size());
  for (int n = 1; n <= static_cast<int>(current.size()); ++n) {
    const auto name = current[n - 1].Name.View();
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
