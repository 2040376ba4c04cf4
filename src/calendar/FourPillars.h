#pragma once

#include <array>
#include <optional>
#include <string>

#include "calendar/DateTime.h"

namespace quillan::calendar {

// The four pillars (八字) of a moment, each a pair of the sexagenary cycle numbered 1 (甲子) … 60.
struct FourPillars {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;

  auto operator<=>(const FourPillars&) const = default;

  // The four pair names, year first: {"癸巳", "丁巳", "丙戌", "癸巳"}.
  std::array<std::string, 4> texts() const;
};

// The pillars of a China Standard Time moment from 1901-01-01 00:00:00 to 2100-12-31 23:59:59;
// nullopt for an invalid moment or one outside that range.
//   year:  changes at the exact moment of 立春;
//   month: changes at the exact moment of each 节; its stem follows the year pillar's stem;
//   day:   changes at midnight;
//   hour:  the two-hour branches (子 23:00–01:00, 丑 01:00–03:00 …), the stem following the day's;
//          23:00–24:00 takes the 子 hour of the next day's stem.
std::optional<FourPillars> fourPillarsOf(const DateTime& moment);

// The four pillar texts, or four empty texts where fourPillarsOf has none (years up to 1900 among
// them), as the certificate shows them.
std::array<std::string, 4> fourPillarTexts(const DateTime& moment);

}  // namespace quillan::calendar
