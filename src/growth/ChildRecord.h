#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calendar/Date.h"
#include "growth/Sex.h"

namespace quillan::growth {

// One visit to the scales: any of the three values may be missing.
struct Measurement {
  calendar::Date date;
  std::optional<double> weightKg;
  std::optional<double> lengthCm;  // lying before two years, standing after, as WHO measures
  std::optional<double> headCm;

  bool operator==(const Measurement&) const = default;
};

// A child whose growth is kept: measurements in date order, one per day.
struct ChildRecord {
  std::string name;
  Sex sex = Sex::Boy;
  calendar::Date birth;
  std::vector<Measurement> measurements;

  bool operator==(const ChildRecord&) const = default;
};

}  // namespace quillan::growth
