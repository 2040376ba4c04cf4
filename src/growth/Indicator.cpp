#include "growth/Indicator.h"

namespace quillan::growth {

std::string indicatorText(Indicator indicator) {
  switch (indicator) {
    case Indicator::WeightForAge:
      return "年龄别体重";
    case Indicator::LengthForAge:
      return "年龄别身长/身高";
    case Indicator::HeadForAge:
      return "年龄别头围";
    case Indicator::WeightForLength:
      return "身长/身高别体重";
  }
  return {};
}

std::string indicatorUnit(Indicator indicator) {
  return indicator == Indicator::LengthForAge || indicator == Indicator::HeadForAge ? "cm" : "kg";
}

std::string_view indicatorWord(Indicator indicator) {
  switch (indicator) {
    case Indicator::WeightForAge:
      return "wfa";
    case Indicator::LengthForAge:
      return "lhfa";
    case Indicator::HeadForAge:
      return "hcfa";
    case Indicator::WeightForLength:
      return "wfl";
  }
  return {};
}

std::optional<Indicator> indicatorOfWord(std::string_view word) {
  for (const Indicator indicator : kIndicators) {
    if (indicatorWord(indicator) == word) {
      return indicator;
    }
  }
  return std::nullopt;
}

bool isAgeBased(Indicator indicator) { return indicator != Indicator::WeightForLength; }

}  // namespace quillan::growth
