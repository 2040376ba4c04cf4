#include "growth/GrowthStandards.h"

#include "growth/ChildAge.h"
#include "growth/LmsMath.h"

namespace quillan::growth {

namespace {

constexpr std::array<const char*, 5> kTableNames{"wfa", "lhfa", "hcfa", "wfl", "wfh"};

std::size_t tableIndex(Indicator indicator, std::int64_t ageDays) {
  switch (indicator) {
    case Indicator::WeightForAge:
      return 0;
    case Indicator::LengthForAge:
      return 1;
    case Indicator::HeadForAge:
      return 2;
    case Indicator::WeightForLength:
      return ageDays < kFirstStandingDay ? 3 : 4;
  }
  return 0;
}

}  // namespace

std::variant<GrowthStandards, std::string> GrowthStandards::load(const std::filesystem::path& folder) {
  GrowthStandards standards;
  for (std::size_t kind = 0; kind < kTableNames.size(); ++kind) {
    for (std::size_t sex = 0; sex < 2; ++sex) {
      const auto file = folder / (std::string(kTableNames[kind]) + (sex == 0 ? "-boys.tsv" : "-girls.tsv"));
      auto table = readLmsTable(file);
      if (auto* failure = std::get_if<std::string>(&table)) {
        return "the WHO growth tables cannot be read: " + *failure;
      }
      standards.tables_[kind][sex] = std::get<LmsTable>(std::move(table));
    }
  }
  return standards;
}

const LmsTable& GrowthStandards::table(Indicator indicator, Sex sex, std::int64_t ageDays) const {
  return tables_[tableIndex(indicator, ageDays)][sex == Sex::Boy ? 0 : 1];
}

std::optional<double> GrowthStandards::zScore(Indicator indicator, Sex sex, std::int64_t ageDays, double x,
                                              double value) const {
  const auto row = table(indicator, sex, ageDays).at(x);
  if (!row) {
    return std::nullopt;
  }
  // Length and head circumference have L = 1 throughout: a normal distribution, no restriction.
  const bool weight = indicator == Indicator::WeightForAge || indicator == Indicator::WeightForLength;
  return weight ? restrictedZScore(*row, value) : lmsZScore(*row, value);
}

}  // namespace quillan::growth
