#pragma once

#include <optional>
#include <vector>

#include "growth/ChildAge.h"
#include "growth/ChildRecord.h"
#include "growth/GrowthStandards.h"
#include "growth/Indicator.h"

namespace quillan::growth {

// Where one value stands among WHO's children of the same sex and age (or length).
struct IndicatorScore {
  Indicator indicator = Indicator::WeightForAge;
  double value = 0;
  double z = 0;
  double percentile = 0;
};

// A measurement as the chart and the list show it: the child's age that day and a score for every
// indicator its values allow.
struct MeasurementReading {
  Measurement measurement;
  ChildAge age;
  std::vector<IndicatorScore> scores;

  const IndicatorScore* score(Indicator indicator) const;
};

// The child's age on the measurement's day must not be negative.
MeasurementReading readMeasurement(const GrowthStandards& standards, Sex sex, const calendar::Date& birth,
                                   const Measurement& measurement);

}  // namespace quillan::growth
