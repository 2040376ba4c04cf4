#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillan::calendar {

// A day of the proleptic Gregorian calendar.
struct Date {
  int year = 0;
  int month = 0;
  int day = 0;

  auto operator<=>(const Date&) const = default;
};

// True for a day that exists (2013-02-29 does not).
bool isValid(const Date& date);

// Days since 1970-01-01 (negative before it); the date must be valid.
std::int64_t dayNumber(const Date& date);

// The date of a day number.
Date dateOfDayNumber(std::int64_t days);

// "YYYY-MM-DD" with exactly these digits and a day that exists; nullopt otherwise.
std::optional<Date> parseDate(std::string_view text);

// "YYYY-MM-DD".
std::string formatDate(const Date& date);

// Today in China Standard Time (UTC+8) by the system clock.
Date chinaToday();

}  // namespace quillan::calendar
