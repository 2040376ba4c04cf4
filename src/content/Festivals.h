#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/Date.h"

namespace quillan::content {

// How a festival finds its day in a year.
enum class FestivalRule {
  Gregorian,     // month/day of the Gregorian calendar
  Lunar,         // month/day of the lunar calendar (never in a leap month)
  LunarYearEve,  // the last day of 腊月, the eve of 正月初一
  SolarTerm,     // the day of solar term `day` (calendar index, 0 小寒 … 23 冬至)
  NthWeekday,    // the `day`-th `weekday` (0 Sunday … 6 Saturday) of the Gregorian month
};

enum class FestivalGroup { ChineseTraditional, Chinese, International };

struct Festival {
  std::string_view name;
  FestivalGroup group;
  FestivalRule rule;
  int month = 0;
  int day = 0;
  int weekday = 0;
  std::string_view note;  // one line in our words
};

// Every festival the pages show, traditional ones in the order of the year.
std::span<const Festival> festivals();

// One festival on one day.
struct FestivalDay {
  const Festival* festival = nullptr;
  calendar::Date date;
};

// The festivals falling in a Gregorian year of the calendar's range, by date (a lunar festival
// can fall twice or not at all within one Gregorian year); empty outside the range.
std::vector<FestivalDay> festivalDaysOf(int year);

// The rule of a festival as a reader says it: "正月初一", "5月第二个星期日", "清明当天".
std::string festivalRuleText(const Festival& festival);

// 0 Sunday … 6 Saturday.
int weekdayOf(const calendar::Date& date);

// "星期日" … "星期六".
std::string_view weekdayName(int weekday);

}  // namespace quillan::content
