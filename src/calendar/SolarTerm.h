#pragma once

#include <array>
#include <optional>
#include <string>

#include "calendar/DateTime.h"

namespace quillan::calendar {

// One of the 24 solar terms: the moment the Sun's apparent longitude reaches a multiple of 15°.
struct SolarTerm {
  int index = 0;    // 0 (小寒, 285°) … 23 (冬至, 270°), in the order they fall in a Gregorian year
  DateTime moment;  // China Standard Time, to the second

  // "小寒", "大寒", "立春" … "冬至".
  std::string name() const;
  // The twelve 节 (小寒, 立春, 惊蛰 …, even indices) start the months of the pillars; the others are
  // the 中气 that number the lunar months.
  bool isJie() const { return index % 2 == 0; }
};

// The name of term index 0–23; empty outside.
std::string solarTermName(int index);

// The 24 terms of a Gregorian year 1901–2100, 小寒 first; nullopt outside.
std::optional<std::array<SolarTerm, 24>> solarTermsOf(int year);

}  // namespace quillan::calendar
