#include "calendar/Almanac.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "calendar/Date.h"
#include "calendar/JulianDay.h"
#include "calendar/NewMoon.h"
#include "calendar/SolarTermSolver.h"

namespace quillan::calendar {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

std::int64_t dayOfSeconds(std::int64_t seconds) {
  return seconds >= 0 ? seconds / kSecondsPerDay : -((-seconds + kSecondsPerDay - 1) / kSecondsPerDay);
}

// The almanacs of 1912–1928 dated new moons and 中气 by Beijing mean time (116°25′E, UTC+7:45:40);
// from 1929 on, by UTC+8. Three months of those years start a day earlier than UTC+8 gives.
constexpr std::int64_t kBeijingMeanTimeFrom = -21185 * kSecondsPerDay;   // 1912-01-01
constexpr std::int64_t kBeijingMeanTimeUntil = -14975 * kSecondsPerDay;  // 1929-01-01
constexpr std::int64_t kBeijingMeanTimeOffset = -(14 * 60 + 20);

// The day on which the almanac dates an event given in China Standard Time seconds.
std::int64_t almanacDayOf(std::int64_t cstSeconds) {
  const bool beijingMeanTime = cstSeconds >= kBeijingMeanTimeFrom && cstSeconds < kBeijingMeanTimeUntil;
  return dayOfSeconds(cstSeconds + (beijingMeanTime ? kBeijingMeanTimeOffset : 0));
}

std::int64_t newMoonDay(int lunation) { return almanacDayOf(cstSecondsOfJde(newMoonJde(lunation))); }

// The lunation whose new moon falls on the given day or is the last one before it.
int lunationStartingOnOrBefore(std::int64_t day) {
  int k = lunationNear(jdeOfCstDay(day));
  while (newMoonDay(k) > day) {
    --k;
  }
  while (newMoonDay(k + 1) <= day) {
    ++k;
  }
  return k;
}

void checkYear(int year, int first, int last) {
  if (year < first || year > last) {
    throw std::out_of_range("calendar: year " + std::to_string(year) + " outside the computed years");
  }
}

}  // namespace

Almanac::Almanac() : slots_(std::make_unique<std::array<Slot, kYears>>()) {}

const Almanac& Almanac::shared() {
  static const Almanac almanac;
  return almanac;
}

const std::array<std::int64_t, 24>& Almanac::termSeconds(int year) const {
  checkYear(year, kFirstYear, kLastYear);
  Slot& slot = (*slots_)[static_cast<std::size_t>(year - kFirstYear)];
  std::call_once(slot.termsOnce, [&] {
    for (int index = 0; index < 24; ++index) {
      slot.terms[static_cast<std::size_t>(index)] = cstSecondsOfJde(solarTermJde(year, index));
    }
  });
  return slot.terms;
}

const std::vector<LunarMonth>& Almanac::monthsOfSui(int year) const {
  checkYear(year, kFirstYear + 1, kLastYear);
  Slot& slot = (*slots_)[static_cast<std::size_t>(year - kFirstYear)];
  std::call_once(slot.monthsOnce, [&] {
    const auto& before = termSeconds(year - 1);
    const auto& current = termSeconds(year);
    const int first = lunationStartingOnOrBefore(almanacDayOf(before[23]));
    const int last = lunationStartingOnOrBefore(almanacDayOf(current[23]));

    std::vector<std::int64_t> starts;
    for (int k = first; k <= last; ++k) {
      starts.push_back(newMoonDay(k));
    }
    // The 中气 of the 岁: the earlier 冬至 and the odd-numbered terms of this year.
    std::vector<std::int64_t> principalDays{almanacDayOf(before[23])};
    for (std::size_t index = 1; index < 24; index += 2) {
      principalDays.push_back(almanacDayOf(current[index]));
    }
    const int count = last - first;
    // A 岁 of 13 months repeats the number of its first month without a 中气.
    int leapIndex = -1;
    if (count == 13) {
      for (int i = 0; i < count && leapIndex < 0; ++i) {
        const auto from = starts[static_cast<std::size_t>(i)];
        const auto to = starts[static_cast<std::size_t>(i) + 1];
        if (std::none_of(principalDays.begin(), principalDays.end(),
                         [&](std::int64_t day) { return day >= from && day < to; })) {
          leapIndex = i;
        }
      }
    }
    int number = 11;
    int lunarYear = year - 1;
    for (int i = 0; i < count; ++i) {
      const bool leap = i == leapIndex;
      if (i > 0 && !leap) {
        number = number % 12 + 1;
        if (number == 1) {
          lunarYear = year;
        }
      }
      const auto from = starts[static_cast<std::size_t>(i)];
      slot.months.push_back(
          LunarMonth{lunarYear, number, leap, from, static_cast<int>(starts[static_cast<std::size_t>(i) + 1] - from)});
    }
  });
  return slot.months;
}

const LunarMonth& Almanac::monthHolding(std::int64_t dayNumber) const {
  const int year = dateOfDayNumber(dayNumber).year;
  const auto& next = monthsOfSui(year + 1);
  const auto& months = dayNumber >= next.front().firstDay ? next : monthsOfSui(year);
  const auto after = std::upper_bound(months.begin(), months.end(), dayNumber,
                                      [](std::int64_t day, const LunarMonth& m) { return day < m.firstDay; });
  return *(after - 1);
}

}  // namespace quillan::calendar
