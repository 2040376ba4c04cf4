#include "calendar/SolarTermSolver.h"

#include <cmath>

#include "calendar/Date.h"
#include "calendar/JulianDay.h"
#include "calendar/SolarLongitude.h"

namespace quillan::calendar {

namespace {

constexpr double kTropicalYearDays = 365.2422;

}  // namespace

double solarTermJde(int year, int index) {
  const double target = std::fmod(285.0 + 15.0 * index, 360.0);
  // 小寒 falls about 5.5 days into January; the Sun then gains about a degree a day.
  double jde =
      static_cast<double>(dayNumber(Date{year, 1, 1})) + kJulianDayOfUnixEpoch + 5.5 + kTropicalYearDays / 24.0 * index;
  for (int step = 0; step < 20; ++step) {
    double gap = target - apparentSolarLongitude(jde);
    gap -= 360.0 * std::floor((gap + 180.0) / 360.0);
    const double correction = gap * kTropicalYearDays / 360.0;
    jde += correction;
    if (std::abs(correction) < 1e-7) {
      break;
    }
  }
  return jde;
}

}  // namespace quillan::calendar
