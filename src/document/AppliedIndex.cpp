#include "document/AppliedIndex.h"

namespace kumo {
namespace {

int PlaceOf(int line, int period) {
  return (line - 1) * PeriodCount + (period - 1);
}

}  // namespace

void AppliedIndex::Rebuild(const HistoryTable& history, int pos) {
  newest_.fill(0);
  for (int i = 1; i < pos; ++i) {
    const HistoryEntry& e = history[i];
    if (!IsCellPlace(e.Line, e.Period)) continue;
    std::uint16_t& newest = newest_[PlaceOf(e.Line, e.Period)];
    previous_[i] = newest;
    newest = static_cast<std::uint16_t>(i);
  }
  builtPos_ = static_cast<std::uint16_t>(pos);
}

bool AppliedIndex::Contains(const HistoryTable& history, int pos, int line, int period, Byte kind,
                            Byte item) {
  if (!IsCellPlace(line, period) || pos < 1 || pos > MaxHistory) return false;
  if (builtPos_ != pos) Rebuild(history, pos);
  for (int i = newest_[PlaceOf(line, period)]; i != 0; i = previous_[i]) {
    const PeriodCell& cell = history[i].Cell;
    if (cell.Kind == kind && cell.Item == item) return true;
  }
  return false;
}

}  // namespace kumo
