#pragma once

#include "calendar/Date.h"

namespace quillan::calendar {

// The days the calendar answers for; outside them every operation says "out of range" (nullopt or
// empty texts) rather than extrapolate.
inline constexpr Date kFirstDate{1901, 1, 1};
inline constexpr Date kLastDate{2100, 12, 31};

// True for a valid date from kFirstDate to kLastDate.
inline bool inCalendarRange(const Date& date) { return isValid(date) && date >= kFirstDate && date <= kLastDate; }

}  // namespace quillan::calendar
