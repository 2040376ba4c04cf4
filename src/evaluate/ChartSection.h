#pragma once

#include <string>
#include <vector>

#include "bazi/BirthChart.h"
#include "chars/CharRecord.h"

namespace quillan::evaluate {

// The HTML report's section "八字五行" when the birth date is known: the chart in one line, the
// element counts and what is missing, the strength with its numbers, 喜用神 and why, and which of
// the given name's characters bring them (by 字意五行).
std::string chartSectionHtml(const bazi::BirthChart& chart, const std::vector<chars::CharRecord>& given);

}  // namespace quillan::evaluate
