#pragma once

#include <array>

#include "growth/LmsTable.h"

namespace quillan::growth {

// WHO's LMS method. z = ((x / M)^L - 1) / (L * S), and ln(x / M) / S when L is 0.
double lmsZScore(const LmsPoint& row, double value);

// The same, with WHO's restriction for the weight indicators: beyond ±3 the z-score grows linearly
// in steps of the distance between the 2 and 3 SD lines on that side (data/growth/README.md).
double restrictedZScore(const LmsPoint& row, double value);

// The value at a z-score: M * (1 + L * S * z)^(1/L), M * exp(S * z) when L is 0.
double valueAtZ(const LmsPoint& row, double z);

// The percentile (0–100) of a z-score under the normal distribution.
double percentileOfZ(double z);

// The chart's curves P3, P15, P50, P85, P97 and their z-scores.
struct CentileLine {
  int percentile;
  double z;
};
inline constexpr std::array<CentileLine, 5> kCentileLines{
    {{3, -1.880793608}, {15, -1.036433389}, {50, 0.0}, {85, 1.036433389}, {97, 1.880793608}}};

}  // namespace quillan::growth
