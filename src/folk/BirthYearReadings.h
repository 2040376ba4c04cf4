#pragma once

#include <optional>
#include <string_view>

#include "calendar/Date.h"
#include "calendar/LunarDate.h"

namespace quillan::folk {

// 上辈为人: what the custom says of the family a child is born into, by the stem of the lunar birth
// year (the father's side) and the lunar birth month (the mother's side and the home); a leap
// month reads as the month it repeats.
struct ElderReading {
  calendar::LunarDate lunar;
  int yearStem = 0;  // 0 (甲) … 9 (癸)
  std::string_view byStem;
  std::string_view byMonth;
};

// 三世财运: the playful past, present and future of money, by the stem of the lunar birth year.
struct WealthReading {
  calendar::LunarDate lunar;
  int yearStem = 0;
  std::string_view past;
  std::string_view present;
  std::string_view future;
};

// Nullopt for a date that is invalid or outside 1901–2100.
std::optional<ElderReading> elderReadingOf(const calendar::Date& birth);
std::optional<WealthReading> wealthReadingOf(const calendar::Date& birth);

}  // namespace quillan::folk
