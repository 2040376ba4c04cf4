#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quillan::growth {

// The four WHO indicators the chart offers. Weight-for-length switches to WHO's weight-for-height
// table from 731 days on, as WHO does.
enum class Indicator { WeightForAge, LengthForAge, HeadForAge, WeightForLength };

inline constexpr std::array kIndicators{Indicator::WeightForAge, Indicator::LengthForAge, Indicator::HeadForAge,
                                        Indicator::WeightForLength};

// "年龄别体重" and the like, as the window and the chart title show it.
std::string indicatorText(Indicator indicator);
// "kg" or "cm": the unit of the measured value.
std::string indicatorUnit(Indicator indicator);
// "wfa", "lhfa", "hcfa", "wfl": the word of the command line and its JSON.
std::string_view indicatorWord(Indicator indicator);
std::optional<Indicator> indicatorOfWord(std::string_view word);
// True when the x axis is the child's age, false for weight-for-length (x is the length).
bool isAgeBased(Indicator indicator);

}  // namespace quillan::growth
