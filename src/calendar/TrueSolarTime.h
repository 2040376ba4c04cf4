#pragma once

#include <optional>

#include "calendar/DateTime.h"

namespace quillan::calendar {

// The equation of time in minutes at a China Standard Time moment: apparent minus mean solar time
// (about +16 min in early November, −14 min in February), from the calendar's own solar position.
double equationOfTimeMinutes(const DateTime& moment);

// The true solar time at a longitude (degrees east) of a China Standard Time moment: local mean
// time, CST + (longitude − 120°) × 4 min, plus the equation of time; rounded to the second.
// nullopt for an invalid moment or a longitude outside −180 … 180.
std::optional<DateTime> trueSolarTime(const DateTime& moment, double longitude);

}  // namespace quillan::calendar
