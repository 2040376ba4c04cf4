#include "calendar/DeltaT.h"

#include <array>
#include <cstddef>

namespace quillan::calendar {

namespace {

// Observed ΔT on 1 January of 2005, 2006, … 2024.
constexpr int kFirstObservedYear = 2005;
constexpr std::array<double, 20> kObserved = {64.69, 64.85, 65.15, 65.46, 65.78, 66.07, 66.32, 66.60, 66.91, 67.28,
                                              67.64, 68.10, 68.59, 68.97, 69.22, 69.36, 69.36, 69.29, 69.20, 69.18};
constexpr double kLastObservedYear = kFirstObservedYear + static_cast<double>(kObserved.size()) - 1.0;

double longTermParabola(double y) {
  const double u = (y - 1820.0) / 100.0;
  return -20.0 + 32.0 * u * u;
}

}  // namespace

double deltaTSeconds(double y) {
  if (y < 1900.0) {
    // Only reached by the first guesses of the term solver for 1900.
    const double t = y - 1860.0;
    return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * t * t * t - 0.0004473624 * t * t * t * t +
           t * t * t * t * t / 233174.0;
  }
  if (y < 1920.0) {
    const double t = y - 1900.0;
    return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t - 0.000197 * t * t * t * t;
  }
  if (y < 1941.0) {
    const double t = y - 1920.0;
    return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
  }
  if (y < 1961.0) {
    const double t = y - 1950.0;
    return 29.07 + 0.407 * t - t * t / 233.0 + t * t * t / 2547.0;
  }
  if (y < 1986.0) {
    const double t = y - 1975.0;
    return 45.45 + 1.067 * t - t * t / 260.0 - t * t * t / 718.0;
  }
  if (y < kFirstObservedYear) {
    const double t = y - 2000.0;
    return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t + 0.000651814 * t * t * t * t +
           0.00002373599 * t * t * t * t * t;
  }
  if (y < kLastObservedYear) {
    const double offset = y - kFirstObservedYear;
    const auto i = static_cast<std::size_t>(offset);
    const double fraction = offset - static_cast<double>(i);
    return kObserved[i] + (kObserved[i + 1] - kObserved[i]) * fraction;
  }
  constexpr double kJoinedIn = 2150.0;
  const double progress = (y - kLastObservedYear) / (kJoinedIn - kLastObservedYear);
  return kObserved.back() + (longTermParabola(kJoinedIn) - kObserved.back()) * progress * progress;
}

}  // namespace quillan::calendar
