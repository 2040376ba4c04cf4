#pragma once

#include <optional>
#include <string>

#include "calendar/Date.h"
#include "growth/ChildRecord.h"
#include "growth/GrowthStandards.h"

namespace quillan::growth {

// Implausible entries are refused before anything changes. Each check returns the sentence the
// user is shown (caption "温馨提示"), nullopt when the entry may be kept.

// A new child: a name that fits the records file, a birth date not after today.
std::optional<std::string> checkChild(const std::string& name, const calendar::Date& birth,
                                      const calendar::Date& today);

// A measurement of a child: at least one value, every value positive, the day between birth and
// today and within WHO's 0–60 months, and no value more than 6 SD from WHO's median (WHO treats
// such values as errors of measurement or entry).
std::optional<std::string> checkMeasurement(const GrowthStandards& standards, const ChildRecord& child,
                                            const Measurement& measurement, const calendar::Date& today);

// How far from the median a value may lie before it is taken for a typing error.
inline constexpr double kPlausibleZ = 6.0;

}  // namespace quillan::growth
