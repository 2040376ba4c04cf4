#pragma once

#include <cstdint>
#include <string>

#include "calendar/Date.h"

namespace quillan::growth {

// A child's age on a day: whole days (WHO's tables go by them) and completed calendar months with
// the days since the last month-day, as parents count it.
struct ChildAge {
  std::int64_t days = 0;
  int months = 0;
  int extraDays = 0;
};

// The age on `day` of a child born on `birth`; `day` must not be before `birth`. A month-day that
// does not exist (the 31st in a short month) counts as the last day of that month.
ChildAge ageOn(const calendar::Date& birth, const calendar::Date& day);

// "6个月12天".
std::string ageText(const ChildAge& age);

// WHO's tables end at day 1826 (60 months).
inline constexpr std::int64_t kLastTableDay = 1826;
// From this day on length is measured standing (height), and weight-for-height applies.
inline constexpr std::int64_t kFirstStandingDay = 731;

}  // namespace quillan::growth
