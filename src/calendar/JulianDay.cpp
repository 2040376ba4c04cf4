#include "calendar/JulianDay.h"

#include <cmath>

#include "calendar/DeltaT.h"

namespace quillan::calendar {

namespace {

constexpr double kCstOffsetDays = 8.0 / 24.0;

double decimalYearOf(double julianDay) { return 2000.0 + (julianDay - kJ2000) / 365.25; }

}  // namespace

double jdeOfJulianDay(double julianDayUt) { return julianDayUt + deltaTSeconds(decimalYearOf(julianDayUt)) / 86400.0; }

std::int64_t cstSecondsOfJde(double jde) {
  // ΔT changes by well under a second per day, so taking it at the JDE itself is exact enough.
  const double julianDayUt = jde - deltaTSeconds(decimalYearOf(jde)) / 86400.0;
  return std::llround((julianDayUt - kJulianDayOfUnixEpoch + kCstOffsetDays) * 86400.0);
}

double jdeOfCstDay(std::int64_t dayNumber) {
  return jdeOfJulianDay(static_cast<double>(dayNumber) + kJulianDayOfUnixEpoch - kCstOffsetDays);
}

}  // namespace quillan::calendar
