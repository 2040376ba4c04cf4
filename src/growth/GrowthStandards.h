#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>

#include "growth/Indicator.h"
#include "growth/LmsTable.h"
#include "growth/Sex.h"

namespace quillan::growth {

// The WHO Child Growth Standards as read from data/growth: ten LMS tables.
class GrowthStandards {
 public:
  // Reads every table of the folder; the reason when one is missing or broken.
  static std::variant<GrowthStandards, std::string> load(const std::filesystem::path& folder);

  // The table an indicator uses at an age: weight-for-length before 731 days, weight-for-height after.
  const LmsTable& table(Indicator indicator, Sex sex, std::int64_t ageDays) const;

  // The z-score of a value (WHO's restriction beyond ±3 for the weight indicators). For the age
  // indicators x is the age in days; for weight-for-length it is the length in cm. nullopt when x is
  // outside the table.
  std::optional<double> zScore(Indicator indicator, Sex sex, std::int64_t ageDays, double x, double value) const;

 private:
  GrowthStandards() = default;
  // wfa, lhfa, hcfa, wfl, wfh; [0] boys, [1] girls.
  std::array<std::array<LmsTable, 2>, 5> tables_;
};

}  // namespace quillan::growth
