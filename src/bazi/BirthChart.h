#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "bazi/Elements.h"
#include "calendar/Date.h"
#include "calendar/DateTime.h"

namespace quillan::bazi {

// When and where a child was born. Without an hour the chart has six characters; without a
// longitude the China Standard Time stands as it is.
struct BirthMoment {
  calendar::Date date;
  std::optional<int> hour;  // 0-23
  int minute = 0;
  std::optional<double> longitude;  // degrees east, for true solar time
};

enum class PillarPosition { Year, Month, Day, Hour };

struct HiddenStem {
  int stem = 0;
  TenGod god = TenGod::Companion;
};

// One pillar: its stem and branch with their elements and polarities, the branch's hidden stems
// (main qi first) and the ten gods seen from the day stem (the day stem itself has none: 日主).
struct ChartPillar {
  PillarPosition position = PillarPosition::Year;
  int pair = 0;  // 1 (甲子) … 60
  int stem = 0;
  int branch = 0;
  std::optional<TenGod> stemGod;
  std::vector<HiddenStem> hidden;
  std::string nayin;

  std::string name() const;  // "癸巳"
};

// The chart and every number of the method that reads it (ChartMethod.h).
struct BirthChart {
  BirthMoment birth;
  calendar::DateTime used;  // the moment the pillars were taken at (true solar time with a longitude)
  bool hourKnown = false;
  std::vector<ChartPillar> pillars;  // year, month, day, then hour when known

  std::array<int, 5> counts{};   // 五行个数 of the stems and branches, by Element
  std::vector<Element> missing;  // 五行缺
  int support = 0;               // weights of the positions of 比劫 and 印
  int total = 0;                 // 8, or 6 without the hour
  bool strong = false;           // 身强 when support ≥ half of total
  Element yongshen = Element::Wood;
  Element xishen = Element::Wood;

  const ChartPillar& day() const { return pillars[2]; }
  Element dayElement() const { return stemElement(day().stem); }
};

// The chart of a birth moment from 1901 to 2100; nullopt for an invalid date, hour, minute or
// longitude, or one outside the calendar's range.
std::optional<BirthChart> birthChart(const BirthMoment& birth);

}  // namespace quillan::bazi
