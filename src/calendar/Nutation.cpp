#include "calendar/Nutation.h"

#include <cmath>
#include <numbers>

namespace quillan::calendar {

namespace {

// Multiples of D, M, M', F, Ω and the sine coefficient (0.0001") with its rate per century.
struct NutationTerm {
  int d, m, mp, f, om;
  double coefficient;
  double rate;
};

constexpr NutationTerm kTerms[] = {
    {0, 0, 0, 0, 1, -171996, -174.2}, {-2, 0, 0, 2, 2, -13187, -1.6}, {0, 0, 0, 2, 2, -2274, -0.2},
    {0, 0, 0, 0, 2, 2062, 0.2},       {0, 1, 0, 0, 0, 1426, -3.4},    {0, 0, 1, 0, 0, 712, 0.1},
    {-2, 1, 0, 2, 2, -517, 1.2},      {0, 0, 0, 2, 1, -386, -0.4},    {0, 0, 1, 2, 2, -301, 0},
    {-2, -1, 0, 2, 2, 217, -0.5},     {-2, 0, 1, 0, 0, -158, 0},      {-2, 0, 0, 2, 1, 129, 0.1},
    {0, 0, -1, 2, 2, 123, 0},         {2, 0, 0, 0, 0, 63, 0},         {0, 0, 1, 0, 1, 63, 0.1},
    {2, 0, -1, 2, 2, -59, 0},         {0, 0, -1, 0, 1, -58, -0.1},    {0, 0, 1, 2, 1, -51, 0},
    {-2, 0, 2, 0, 0, 48, 0},          {0, 0, -2, 2, 1, 46, 0},        {2, 0, 0, 2, 2, -38, 0},
    {0, 0, 2, 2, 2, -31, 0},          {0, 0, 2, 0, 0, 29, 0},         {-2, 0, 1, 2, 2, 29, 0},
    {0, 0, 0, 2, 0, 26, 0},           {-2, 0, 0, 2, 0, -22, 0},       {0, 0, -1, 2, 1, 21, 0},
    {0, 2, 0, 0, 0, 17, -0.1},        {2, 0, -1, 0, 1, 16, 0},        {-2, 2, 0, 2, 2, -16, 0.1},
    {0, 1, 0, 0, 1, -15, 0},          {-2, 0, 1, 0, 1, -13, 0},       {0, -1, 0, 0, 1, -12, 0},
    {0, 0, 2, -2, 0, 11, 0},
};

double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

}  // namespace

double nutationInLongitude(double T) {
  const double T2 = T * T;
  const double T3 = T2 * T;
  // Mean elongation of the Moon, anomalies of the Sun and the Moon, the Moon's argument of latitude
  // and the longitude of its ascending node.
  const double d = radians(297.85036 + 445267.111480 * T - 0.0019142 * T2 + T3 / 189474.0);
  const double m = radians(357.52772 + 35999.050340 * T - 0.0001603 * T2 - T3 / 300000.0);
  const double mp = radians(134.96298 + 477198.867398 * T + 0.0086972 * T2 + T3 / 56250.0);
  const double f = radians(93.27191 + 483202.017538 * T - 0.0036825 * T2 + T3 / 327270.0);
  const double om = radians(125.04452 - 1934.136261 * T + 0.0020708 * T2 + T3 / 450000.0);
  double sum = 0.0;
  for (const NutationTerm& t : kTerms) {
    const double argument = t.d * d + t.m * m + t.mp * mp + t.f * f + t.om * om;
    sum += (t.coefficient + t.rate * T) * std::sin(argument);
  }
  return sum * 1e-4;
}

}  // namespace quillan::calendar
