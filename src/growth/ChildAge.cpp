#include "growth/ChildAge.h"

#include <algorithm>

namespace quillan::growth {

namespace {

int daysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

// The birth's month-day `months` months later.
calendar::Date monthsAfter(const calendar::Date& birth, int months) {
  const int index = birth.year * 12 + (birth.month - 1) + months;
  const int year = index / 12;
  const int month = index % 12 + 1;
  return {year, month, std::min(birth.day, daysInMonth(year, month))};
}

}  // namespace

ChildAge ageOn(const calendar::Date& birth, const calendar::Date& day) {
  ChildAge age;
  age.days = calendar::dayNumber(day) - calendar::dayNumber(birth);
  int months = (day.year - birth.year) * 12 + (day.month - birth.month);
  if (months > 0 && monthsAfter(birth, months) > day) {
    --months;
  }
  age.months = std::max(months, 0);
  age.extraDays = static_cast<int>(calendar::dayNumber(day) - calendar::dayNumber(monthsAfter(birth, age.months)));
  return age;
}

std::string ageText(const ChildAge& age) {
  return std::to_string(age.months) + "个月" + std::to_string(age.extraDays) + "天";
}

}  // namespace quillan::growth
