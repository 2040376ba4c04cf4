#include "calendar/NewMoon.h"

#include <cmath>
#include <numbers>

namespace quillan::calendar {

namespace {

constexpr double kMeanNewMoon2000 = 2451550.09766;
constexpr double kSynodicMonth = 29.530588861;

double sinDegrees(double degrees) { return std::sin(degrees * std::numbers::pi / 180.0); }

}  // namespace

double newMoonJde(int lunation) {
  const double k = lunation;
  const double T = k / 1236.85;
  const double T2 = T * T;
  const double T3 = T2 * T;
  const double T4 = T3 * T;
  double jde = kMeanNewMoon2000 + kSynodicMonth * k + 0.00015437 * T2 - 0.000000150 * T3 + 0.00000000073 * T4;

  // Eccentricity factor of the Earth's orbit, anomalies of the Sun and the Moon, the Moon's
  // argument of latitude and the longitude of its ascending node, all in degrees.
  const double e = 1.0 - 0.002516 * T - 0.0000074 * T2;
  const double m = 2.5534 + 29.10535670 * k - 0.0000014 * T2 - 0.00000011 * T3;
  const double mp = 201.5643 + 385.81693528 * k + 0.0107582 * T2 + 0.00001238 * T3 - 0.000000058 * T4;
  const double f = 160.7108 + 390.67050284 * k - 0.0016118 * T2 - 0.00000227 * T3 + 0.000000011 * T4;
  const double om = 124.7746 - 1.56375588 * k + 0.0020672 * T2 + 0.00000215 * T3;

  jde += -0.40720 * sinDegrees(mp) + 0.17241 * e * sinDegrees(m) + 0.01608 * sinDegrees(2 * mp) +
         0.01039 * sinDegrees(2 * f) + 0.00739 * e * sinDegrees(mp - m) - 0.00514 * e * sinDegrees(mp + m) +
         0.00208 * e * e * sinDegrees(2 * m) - 0.00111 * sinDegrees(mp - 2 * f) - 0.00057 * sinDegrees(mp + 2 * f) +
         0.00056 * e * sinDegrees(2 * mp + m) - 0.00042 * sinDegrees(3 * mp) + 0.00042 * e * sinDegrees(m + 2 * f) +
         0.00038 * e * sinDegrees(m - 2 * f) - 0.00024 * e * sinDegrees(2 * mp - m) - 0.00017 * sinDegrees(om) -
         0.00007 * sinDegrees(mp + 2 * m) + 0.00004 * sinDegrees(2 * mp - 2 * f) + 0.00004 * sinDegrees(3 * m) +
         0.00003 * sinDegrees(mp + m - 2 * f) + 0.00003 * sinDegrees(2 * mp + 2 * f) -
         0.00003 * sinDegrees(mp + m + 2 * f) + 0.00003 * sinDegrees(mp - m + 2 * f) -
         0.00002 * sinDegrees(mp - m - 2 * f) - 0.00002 * sinDegrees(3 * mp + m) + 0.00002 * sinDegrees(4 * mp);

  // Planetary arguments.
  struct Planetary {
    double amplitude, base, rate;
  };
  constexpr Planetary kPlanetary[] = {
      {0.000165, 251.88, 0.016321}, {0.000164, 251.83, 26.651886}, {0.000126, 349.42, 36.412478},
      {0.000110, 84.66, 18.206239}, {0.000062, 141.74, 53.303771}, {0.000060, 207.14, 2.453732},
      {0.000056, 154.84, 7.306860}, {0.000047, 34.52, 27.261239},  {0.000042, 207.19, 0.121824},
      {0.000040, 291.34, 1.844379}, {0.000037, 161.72, 24.198154}, {0.000035, 239.56, 25.513099},
      {0.000023, 331.55, 3.592518},
  };
  jde += 0.000325 * sinDegrees(299.77 + 0.107408 * k - 0.009173 * T2);
  for (const Planetary& p : kPlanetary) {
    jde += p.amplitude * sinDegrees(p.base + p.rate * k);
  }
  return jde;
}

int lunationNear(double jde) { return static_cast<int>(std::lround((jde - kMeanNewMoon2000) / kSynodicMonth)); }

}  // namespace quillan::calendar
