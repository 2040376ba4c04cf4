#include "growth/GrowthChartContent.h"

#include <algorithm>
#include <cmath>

#include "growth/ChildAge.h"
#include "growth/LmsMath.h"
#include "growth/MeasurementReading.h"

namespace quillan::growth {

namespace {

constexpr double kDaysPerMonth = 30.4375;
constexpr int kCurveSamples = 240;

std::string yLabelOf(Indicator indicator) {
  switch (indicator) {
    case Indicator::WeightForAge:
    case Indicator::WeightForLength:
      return "体重（kg）";
    case Indicator::LengthForAge:
      return "身长/身高（cm）";
    case Indicator::HeadForAge:
      return "头围（cm）";
  }
  return {};
}

}  // namespace

std::string notMedicalAdviceText() {
  return "本曲线按 WHO "
         "儿童生长标准计算，只帮助家长记录和了解孩子的生长，不是医学建议；孩子长得好不好，请由儿科医生判断。";
}

std::string whoAcknowledgement() {
  return "WHO Child Growth Standards. World Health Organization, Geneva, 2006 (WHO Multicentre Growth Reference Study "
         "Group).";
}

GrowthChartContent growthChart(const GrowthStandards& standards, const ChildRecord& child, Indicator indicator) {
  GrowthChartContent chart;
  chart.title = child.name + " · " + sexText(child.sex) + " · " + indicatorText(indicator);
  chart.yLabel = yLabelOf(indicator);
  chart.notes = {notMedicalAdviceText(), whoAcknowledgement()};

  std::vector<MeasurementReading> readings;
  for (const Measurement& m : child.measurements) {
    readings.push_back(readMeasurement(standards, child.sex, child.birth, m));
  }
  const std::int64_t lastDay = readings.empty() ? 0 : readings.back().age.days;
  const LmsTable& table = standards.table(indicator, child.sex, lastDay);

  // x in table units (days or cm); shown in months for the age charts.
  double from = table.first();
  double to = table.last();
  double scale = 1;
  if (isAgeBased(indicator)) {
    chart.xLabel = "月龄（月）";
    scale = 1 / kDaysPerMonth;
    const double lastMonth = static_cast<double>(lastDay) / kDaysPerMonth;
    const double months = std::clamp(std::ceil((lastMonth + 1) / 6) * 6, 6.0, 60.0);
    to = std::min(table.last(), months * kDaysPerMonth);
  } else {
    chart.xLabel = lastDay < kFirstStandingDay ? "身长（cm）" : "身高（cm）";
    double shortest = 1e9;
    double longest = 0;
    for (const MeasurementReading& r : readings) {
      if (r.score(Indicator::WeightForLength) != nullptr) {
        shortest = std::min(shortest, *r.measurement.lengthCm);
        longest = std::max(longest, *r.measurement.lengthCm);
      }
    }
    if (longest > 0) {
      from = std::max(table.first(), std::floor((shortest - 10) / 5) * 5);
      to = std::min(table.last(), std::ceil((longest + 10) / 5) * 5);
    }
  }
  chart.xMin = from * scale;
  chart.xMax = to * scale;

  double low = 1e9;
  double high = 0;
  for (const CentileLine& line : kCentileLines) {
    CentileCurve curve{line.percentile, {}};
    for (int i = 0; i <= kCurveSamples; ++i) {
      const double x = from + (to - from) * i / kCurveSamples;
      if (const auto row = table.at(x)) {
        const double y = valueAtZ(*row, line.z);
        curve.points.push_back({x * scale, y});
        low = std::min(low, y);
        high = std::max(high, y);
      }
    }
    chart.curves.push_back(std::move(curve));
  }
  for (const MeasurementReading& r : readings) {
    if (const IndicatorScore* score = r.score(indicator)) {
      const double x = isAgeBased(indicator) ? static_cast<double>(r.age.days) * scale : *r.measurement.lengthCm;
      if (x >= chart.xMin - 1e-9 && x <= chart.xMax + 1e-9) {
        chart.childPoints.push_back({x, score->value});
        low = std::min(low, score->value);
        high = std::max(high, score->value);
      }
    }
  }
  const double margin = (high - low) * 0.05;
  chart.yMin = std::max(0.0, std::floor(low - margin));
  chart.yMax = std::ceil(high + margin);
  return chart;
}

}  // namespace quillan::growth
