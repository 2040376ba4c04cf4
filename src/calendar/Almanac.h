#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace quillan::calendar {

// One month of the lunar calendar: it starts on the day (China Standard Time) of a new moon.
struct LunarMonth {
  int lunarYear = 0;          // the Gregorian year in which the lunar year's 正月 begins
  int number = 0;             // 1 (正月) … 12 (腊月)
  bool leap = false;          // 闰: takes the number of the month before it
  std::int64_t firstDay = 0;  // day number of 初一
  int days = 0;               // 29 or 30
};

// The astronomical facts behind the calendar, computed on first use one year at a time and kept:
// the moments of the 24 solar terms of each Gregorian year and the lunar months of each 岁 (the
// months from the one holding one 冬至 up to the one holding the next). Safe to share between
// threads; every answer stays valid for the life of the program.
class Almanac {
 public:
  // Term years 1900–2101 cover the calendar's days with a year to spare on each side.
  static constexpr int kFirstYear = 1900;
  static constexpr int kLastYear = 2101;

  static const Almanac& shared();

  // The 24 terms of a Gregorian year (小寒 first) as China Standard Time second numbers;
  // year within kFirstYear … kLastYear.
  const std::array<std::int64_t, 24>& termSeconds(int year) const;

  // The months of the 岁 that ends with the 冬月 holding the 冬至 of this Gregorian year, starting
  // with the 冬月 that holds the 冬至 of the year before; year within kFirstYear + 1 … kLastYear.
  const std::vector<LunarMonth>& monthsOfSui(int year) const;

  // The month holding a day of Gregorian year kFirstYear + 1 … kLastYear − 1.
  const LunarMonth& monthHolding(std::int64_t dayNumber) const;

 private:
  static constexpr int kYears = kLastYear - kFirstYear + 1;

  struct Slot {
    std::once_flag termsOnce;
    std::array<std::int64_t, 24> terms{};
    std::once_flag monthsOnce;
    std::vector<LunarMonth> months;
  };

  Almanac();

  std::unique_ptr<std::array<Slot, kYears>> slots_;
};

}  // namespace quillan::calendar
