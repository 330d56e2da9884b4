// The cells whose class another line also teaches in the same period: marked where they are,
// so that a clash stays in sight until it is resolved.
#pragma once

#include <bitset>

#include "document/KumoHead.h"

namespace kumo {

class ClashMarks {
 public:
  // From one pass over the lines of each period.
  static ClashMarks Find(const TKumData& doc);
  bool At(int line, int period) const {
    return line >= 1 && line <= MaxLines && period >= 1 && period <= PeriodCount &&
           cells_[DocumentChange::CellIndex(line, period)];
  }
  bool operator==(const ClashMarks&) const = default;

 private:
  std::bitset<MaxLines * PeriodCount> cells_;
};

}  // namespace kumo
