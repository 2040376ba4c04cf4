#pragma once

#include <optional>

#include "bazi/BirthChart.h"
#include "generate/GenerationRequest.h"

namespace quillan::generate {

// The birth chart of the generation page's selections: when the birthday is "生日" and year, month
// and day make a date (hour "未知" gives the six-character chart); nullopt otherwise.
std::optional<bazi::BirthChart> birthdayChart(const BirthdaySelection& birthday);

// How many of the given-name elements (字意五行, one character each: "木火") carry the chart's 用神 or 喜神.
int favourableCount(const bazi::BirthChart& chart, std::string_view givenElements);

}  // namespace quillan::generate
