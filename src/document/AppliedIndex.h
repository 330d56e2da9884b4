// Where the applied history entries lie, so that the italic test of every drawn cell walks only
// the entries of its own cell place instead of the whole history.
#pragma once

#include <array>
#include <cstdint>

#include "document/Records.h"

namespace kumo {

using HistoryTable = SlidingTable<HistoryEntry, MaxHistory>;

class AppliedIndex {
 public:
  // The entries may have changed while the applied count did not (a step recorded after one
  // was undone, a file read, lines renumbered).
  void Invalidate() { builtPos_ = Stale; }
  // Whether one of the entries 1..pos − 1 left (kind, item) at (line, period).
  bool Contains(const HistoryTable& history, int pos, int line, int period, Byte kind, Byte item);

 private:
  static constexpr std::uint16_t Stale = 0;

  void Rebuild(const HistoryTable& history, int pos);

  std::uint16_t builtPos_ = Stale;
  // The newest applied entry at each cell place, and for each entry the one before it at the
  // same place; 0 ends a chain.
  std::array<std::uint16_t, MaxLines * PeriodCount> newest_{};
  std::array<std::uint16_t, MaxHistory + 1> previous_{};
};

}  // namespace kumo
