#include "calendar/FourPillars.h"

#include "calendar/Almanac.h"
#include "calendar/CalendarRange.h"
#include "calendar/Sexagenary.h"

namespace quillan::calendar {

namespace {

constexpr int kLiChun = 2;
constexpr int kDaXue = 22;

// 1-based cycle number of a 0-based count that may be negative.
int cycleNumber(long long count) { return static_cast<int>((count % 60 + 60) % 60) + 1; }

}  // namespace

std::array<std::string, 4> FourPillars::texts() const {
  return {sexagenaryName(year), sexagenaryName(month), sexagenaryName(day), sexagenaryName(hour)};
}

std::optional<FourPillars> fourPillarsOf(const DateTime& moment) {
  if (!isValid(moment) || !inCalendarRange(moment.date)) {
    return std::nullopt;
  }
  const Almanac& almanac = Almanac::shared();
  const std::int64_t at = secondNumber(moment);
  const int year = moment.date.year;
  const auto& terms = almanac.termSeconds(year);

  const int pillarYear = at >= terms[kLiChun] ? year : year - 1;
  // Months counted from the 寅 month that 立春 opens: the last 节 reached, or last year's 大雪.
  int monthsFromYin = 10;
  for (int index = 0; index < 24; index += 2) {
    if (at >= terms[static_cast<std::size_t>(index)]) {
      monthsFromYin = (index / 2 + 11) % 12;
    }
  }

  FourPillars pillars;
  pillars.year = cycleNumber(pillarYear - 4LL);
  // The 寅 month of a 甲 or 己 year is 丙寅 (number 3); each year moves it on by twelve.
  pillars.month = cycleNumber(12LL * pillarYear + 14 + monthsFromYin);
  // 1970-01-01 was a 辛巳 day (number 18).
  const std::int64_t day = dayNumber(moment.date);
  pillars.day = cycleNumber(day + 17);
  const std::int64_t hourDay = moment.hour == 23 ? day + 1 : day;
  pillars.hour = cycleNumber((hourDay + 17) * 12 + (moment.hour + 1) / 2 % 12);
  return pillars;
}

std::array<std::string, 4> fourPillarTexts(const DateTime& moment) {
  const auto pillars = fourPillarsOf(moment);
  return pillars ? pillars->texts() : std::array<std::string, 4>{};
}

}  // namespace quillan::calendar
