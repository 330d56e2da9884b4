// How the lists name a period.
#pragma once

#include <string>

namespace kumo {

// The day name and the lesson number in full width, 月１ for period 1 (CP932); nothing for a
// period off the week, such as the unknown origin 0 of a held piece.
std::string PeriodName(int period);
// The column exchange's name of a period, 月１限 for period 1 (CP932); nothing off the week.
std::string ColumnName(int period);
// The day and lesson spelled out, 月曜１限 for period 1 (CP932).
std::string LongPeriodName(int period);

}  // namespace kumo
