#pragma once

#include <cstdint>

namespace quillan::calendar {

// Julian days: UT for the clock, TT (JDE) for the ephemerides. China Standard Time is UT + 8 h.
inline constexpr double kJulianDayOfUnixEpoch = 2440587.5;
inline constexpr double kJ2000 = 2451545.0;

// JDE of a UT Julian day (adds ΔT).
double jdeOfJulianDay(double julianDayUt);

// China Standard Time as seconds since 1970-01-01 00:00:00 on that clock, rounded to the second.
std::int64_t cstSecondsOfJde(double jde);

// The JDE of 00:00 China Standard Time on a day number (days since 1970-01-01).
double jdeOfCstDay(std::int64_t dayNumber);

}  // namespace quillan::calendar
