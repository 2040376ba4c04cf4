#pragma once

#include <string>
#include <vector>

#include "growth/ChildRecord.h"
#include "growth/GrowthStandards.h"
#include "growth/Indicator.h"

namespace quillan::growth {

struct ChartPoint {
  double x = 0;
  double y = 0;
};

struct CentileCurve {
  int percentile = 50;
  std::vector<ChartPoint> points;
};

// What a growth chart shows, in chart units (months or cm on x, kg or cm on y): the WHO curves
// P3, P15, P50, P85 and P97 over the range that fits the child's measurements, and the child's points.
struct GrowthChartContent {
  std::string title;
  std::string xLabel;
  std::string yLabel;
  double xMin = 0;
  double xMax = 0;
  double yMin = 0;
  double yMax = 0;
  std::vector<CentileCurve> curves;
  std::vector<ChartPoint> childPoints;
  std::vector<std::string> notes;  // not medical advice; WHO's acknowledgement
};

// The chart of one indicator for one child. Age charts run from birth to a little past the last
// measurement (at least 6 months, at most 60); weight-for-length covers the lengths measured.
GrowthChartContent growthChart(const GrowthStandards& standards, const ChildRecord& child, Indicator indicator);

// The sentence every chart and the window carry.
std::string notMedicalAdviceText();
std::string whoAcknowledgement();

}  // namespace quillan::growth
