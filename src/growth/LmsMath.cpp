#include "growth/LmsMath.h"

#include <cmath>

namespace quillan::growth {

namespace {

bool isLogCase(double l) { return std::abs(l) < 1e-12; }

}  // namespace

double lmsZScore(const LmsPoint& row, double value) {
  if (isLogCase(row.l)) {
    return std::log(value / row.m) / row.s;
  }
  return (std::pow(value / row.m, row.l) - 1.0) / (row.l * row.s);
}

double restrictedZScore(const LmsPoint& row, double value) {
  const double z = lmsZScore(row, value);
  if (z > 3) {
    const double sd3 = valueAtZ(row, 3);
    return 3 + (value - sd3) / (sd3 - valueAtZ(row, 2));
  }
  if (z < -3) {
    const double sdMinus3 = valueAtZ(row, -3);
    return -3 + (value - sdMinus3) / (valueAtZ(row, -2) - sdMinus3);
  }
  return z;
}

double valueAtZ(const LmsPoint& row, double z) {
  if (isLogCase(row.l)) {
    return row.m * std::exp(row.s * z);
  }
  return row.m * std::pow(1.0 + row.l * row.s * z, 1.0 / row.l);
}

double percentileOfZ(double z) { return 50.0 * std::erfc(-z / std::sqrt(2.0)); }

}  // namespace quillan::growth
