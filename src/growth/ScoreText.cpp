#include "growth/ScoreText.h"

#include <cmath>
#include <cstdio>

namespace quillan::growth {

namespace {

std::string fixed(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  double rounded = std::round(value * scale) / scale;
  if (rounded == 0) {
    rounded = 0;  // drops the sign of -0
  }
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, rounded);
  return buffer;
}

}  // namespace

std::string zScoreText(double z) { return fixed(z, 2); }

std::string percentileText(double percentile) {
  if (percentile < 0.05) {
    return "<0.1";
  }
  if (percentile >= 99.95) {
    return ">99.9";
  }
  return fixed(percentile, 1);
}

}  // namespace quillan::growth
