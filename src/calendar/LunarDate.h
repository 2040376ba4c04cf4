#pragma once

#include <optional>
#include <string>

#include "calendar/Date.h"

namespace quillan::calendar {

// A day of the Chinese lunar calendar.
struct LunarDate {
  int year = 0;       // the Gregorian year in which this lunar year's 正月初一 falls
  int month = 0;      // 1 (正月) … 12 (腊月)
  bool leap = false;  // a leap month (闰), numbered like the month before it
  int day = 0;        // 1 (初一) … 30 (三十)
  int monthDays = 0;  // length of this month, 29 or 30

  auto operator<=>(const LunarDate&) const = default;

  // The year's sexagenary name: "癸巳".
  std::string yearText() const;
  // "正月", "二月" … "十月", "冬月", "腊月"; "闰四月" for a leap month.
  std::string monthText() const;
  // "初一" … "初十", "十一" … "二十", "廿一" … "廿九", "三十".
  std::string dayText() const;
  // The zodiac animal of the lunar year: "蛇".
  std::string zodiac() const;
  // yearText + "年 " + monthText + " " + dayText: "癸巳年 四月 十一".
  std::string text() const;
};

// The lunar date of a Gregorian day; nullopt for an invalid date or one outside 1901-01-01 …
// 2100-12-31.
std::optional<LunarDate> lunarDateOf(const Date& date);

}  // namespace quillan::calendar
