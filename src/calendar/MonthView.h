#pragma once

#include <optional>
#include <vector>

#include "calendar/Date.h"
#include "calendar/LunarDate.h"
#include "calendar/SolarTerm.h"

namespace quillan::calendar {

// One day of a Gregorian month as a lunar date picker shows it.
struct MonthViewDay {
  Date date;
  LunarDate lunar;
  std::optional<SolarTerm> term;  // the solar term whose moment falls on this day, if any
};

// Every day of a Gregorian month of 1901–2100; nullopt for another month.
std::optional<std::vector<MonthViewDay>> monthView(int year, int month);

}  // namespace quillan::calendar
