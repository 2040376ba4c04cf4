#pragma once

#include <optional>
#include <string>

#include "growth/ChildRecord.h"

namespace quillan::growth {

// Everything the records file holds.
struct GrowthRecords {
  std::vector<ChildRecord> children;

  const ChildRecord* find(const std::string& name) const;
  ChildRecord* find(const std::string& name);

  bool operator==(const GrowthRecords&) const = default;
};

// Adds a child after checkChild; refused also when the name is taken. The sentence of the refusal,
// nullopt when added.
std::optional<std::string> addChild(GrowthRecords& records, const std::string& name, Sex sex,
                                    const calendar::Date& birth, const calendar::Date& today);
bool removeChild(GrowthRecords& records, const std::string& name);

// Keeps the measurements in date order, one per day: a second one on the same day replaces the
// first (true when it did). Check it with checkMeasurement first.
bool putMeasurement(ChildRecord& child, const Measurement& measurement);
bool removeMeasurement(ChildRecord& child, const calendar::Date& day);

}  // namespace quillan::growth
