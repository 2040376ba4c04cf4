#include "growth/MeasurementReading.h"

#include "growth/LmsMath.h"

namespace quillan::growth {

const IndicatorScore* MeasurementReading::score(Indicator indicator) const {
  for (const IndicatorScore& entry : scores) {
    if (entry.indicator == indicator) {
      return &entry;
    }
  }
  return nullptr;
}

MeasurementReading readMeasurement(const GrowthStandards& standards, Sex sex, const calendar::Date& birth,
                                   const Measurement& measurement) {
  MeasurementReading reading{measurement, ageOn(birth, measurement.date), {}};
  const auto days = reading.age.days;
  const auto add = [&](Indicator indicator, double x, double value) {
    if (const auto z = standards.zScore(indicator, sex, days, x, value)) {
      reading.scores.push_back({indicator, value, *z, percentileOfZ(*z)});
    }
  };
  const auto ageX = static_cast<double>(days);
  if (measurement.weightKg) {
    add(Indicator::WeightForAge, ageX, *measurement.weightKg);
  }
  if (measurement.lengthCm) {
    add(Indicator::LengthForAge, ageX, *measurement.lengthCm);
  }
  if (measurement.headCm) {
    add(Indicator::HeadForAge, ageX, *measurement.headCm);
  }
  if (measurement.weightKg && measurement.lengthCm) {
    add(Indicator::WeightForLength, *measurement.lengthCm, *measurement.weightKg);
  }
  return reading;
}

}  // namespace quillan::growth
