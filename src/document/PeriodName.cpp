#include "document/PeriodName.h"

#include "document/FullWidth.h"
#include "document/KumoHead.h"

namespace kumo {

std::string PeriodName(int period) {
  if (period < 1 || period > PeriodCount) return {};
  return std::string(DayName(DayOf(period))) + ToFullWidth(std::to_string(LessonOf(period)));
}

}  // namespace kumo
