#include "calendar/LunarDate.h"

#include <array>
#include <string_view>

#include "calendar/Almanac.h"
#include "calendar/CalendarRange.h"
#include "calendar/Sexagenary.h"

namespace quillan::calendar {

namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {"正", "二", "三", "四", "五", "六",
                                                          "七", "八", "九", "十", "冬", "腊"};
constexpr std::array<std::string_view, 10> kDigits = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};

// Index of a year in the cycle counted from 0 (甲子); 1984 is 甲子.
int cycleIndexOfYear(int year) { return ((year - 4) % 60 + 60) % 60; }

}  // namespace

std::string LunarDate::yearText() const { return sexagenaryName(cycleIndexOfYear(year) + 1); }

std::string LunarDate::monthText() const {
  if (month < 1 || month > 12) {
    return {};
  }
  std::string text = leap ? "闰" : "";
  text += kMonthNames[static_cast<std::size_t>(month - 1)];
  text += "月";
  return text;
}

std::string LunarDate::dayText() const {
  if (day < 1 || day > 30) {
    return {};
  }
  if (day <= 10) {
    return "初" + std::string{kDigits[static_cast<std::size_t>(day - 1)]};
  }
  if (day == 20) {
    return "二十";
  }
  if (day == 30) {
    return "三十";
  }
  const std::string tens = day < 20 ? "十" : "廿";
  return tens + std::string{kDigits[static_cast<std::size_t>(day % 10 - 1)]};
}

std::string LunarDate::zodiac() const { return zodiacOfBranch(cycleIndexOfYear(year) % 12); }

std::string LunarDate::text() const { return yearText() + "年 " + monthText() + " " + dayText(); }

std::optional<LunarDate> lunarDateOf(const Date& date) {
  if (!inCalendarRange(date)) {
    return std::nullopt;
  }
  const std::int64_t day = dayNumber(date);
  const LunarMonth& month = Almanac::shared().monthHolding(day);
  return LunarDate{month.lunarYear, month.number, month.leap, static_cast<int>(day - month.firstDay) + 1, month.days};
}

}  // namespace quillan::calendar
