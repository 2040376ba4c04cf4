#include "calendar/SolarTerm.h"

#include <string_view>

#include "calendar/Almanac.h"
#include "calendar/CalendarRange.h"

namespace quillan::calendar {

namespace {

constexpr std::array<std::string_view, 24> kNames = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至",
};

}  // namespace

std::string solarTermName(int index) {
  return index < 0 || index > 23 ? std::string{} : std::string{kNames[static_cast<std::size_t>(index)]};
}

std::string SolarTerm::name() const { return solarTermName(index); }

std::optional<std::array<SolarTerm, 24>> solarTermsOf(int year) {
  if (year < kFirstDate.year || year > kLastDate.year) {
    return std::nullopt;
  }
  const auto& seconds = Almanac::shared().termSeconds(year);
  std::array<SolarTerm, 24> terms;
  for (std::size_t i = 0; i < terms.size(); ++i) {
    terms[i] = SolarTerm{static_cast<int>(i), dateTimeOfSecondNumber(seconds[i])};
  }
  return terms;
}

}  // namespace quillan::calendar
