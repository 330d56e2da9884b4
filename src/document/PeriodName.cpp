#include "document/PeriodName.h"

#include "document/FullWidth.h"
#include "document/KumoHead.h"

namespace kumo {

std::string PeriodName(int period) {
  if (period < 1 || period > PeriodCount) return {};
  return std::string(DayName(DayOf(period))) + ToFullWidth(std::to_string(LessonOf(period)));
}

std::string ColumnName(int period) {
  const std::string name = PeriodName(period);
  return name.empty() ? name : name + "\x8c\xc0";  // 限
}

std::string LongPeriodName(int period) {
  if (period < 1 || period > PeriodCount) return {};
  return std::string(DayName(DayOf(period))) + "\x97\x6a" +           // 曜
         ToFullWidth(std::to_string(LessonOf(period))) + "\x8c\xc0";  // 限
}

}  // namespace kumo
