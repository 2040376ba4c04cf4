#include "calendar/TrueSolarTime.h"

#include <cmath>
#include <numbers>

#include "calendar/JulianDay.h"
#include "calendar/Nutation.h"
#include "calendar/SolarLongitude.h"

namespace quillan::calendar {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

double normalized(double degrees) {
  const double reduced = std::fmod(degrees, 360.0);
  return reduced < 0 ? reduced + 360.0 : reduced;
}

}  // namespace

double equationOfTimeMinutes(const DateTime& moment) {
  // UT Julian day of the moment (CST is UT + 8 h), then TT.
  const double jd = kJulianDayOfUnixEpoch + (static_cast<double>(secondNumber(moment)) - 8 * 3600.0) / 86400.0;
  const double jde = jdeOfJulianDay(jd);
  const double T = (jde - kJ2000) / 36525.0;
  const double tau = T / 10.0;
  // The Sun's mean longitude (Meeus, Astronomical Algorithms, 28.2).
  const double meanLongitude =
      normalized(280.4664567 + 360007.6982779 * tau + 0.03032028 * tau * tau + tau * tau * tau / 49931.0 -
                 std::pow(tau, 4) / 15300.0 - std::pow(tau, 5) / 2000000.0);
  const double obliquity = 23.4392911 - 0.0130042 * T - 1.64e-7 * T * T + 5.04e-7 * T * T * T;
  const double lambda = apparentSolarLongitude(jde) * kDegree;
  const double rightAscension =
      normalized(std::atan2(std::cos(obliquity * kDegree) * std::sin(lambda), std::cos(lambda)) / kDegree);
  const double nutation = nutationInLongitude(T) / 3600.0;
  double difference = meanLongitude - 0.0057183 - rightAscension + nutation * std::cos(obliquity * kDegree);
  difference = std::remainder(difference, 360.0);  // into −180 … 180
  return difference * 4.0;
}

std::optional<DateTime> trueSolarTime(const DateTime& moment, double longitude) {
  if (!isValid(moment) || !(longitude >= -180.0 && longitude <= 180.0)) {
    return std::nullopt;
  }
  const double minutes = (longitude - 120.0) * 4.0 + equationOfTimeMinutes(moment);
  return dateTimeOfSecondNumber(secondNumber(moment) + std::llround(minutes * 60.0));
}

}  // namespace quillan::calendar
