#pragma once

#include <compare>
#include <cstdint>
#include <string>

#include "calendar/Date.h"

namespace quillan::calendar {

// A wall-clock moment in China Standard Time (UTC+8), to the second.
struct DateTime {
  Date date;
  int hour = 0;
  int minute = 0;
  int second = 0;

  auto operator<=>(const DateTime&) const = default;
};

// True for a valid date and a time of day from 00:00:00 to 23:59:59.
bool isValid(const DateTime& moment);

// Seconds since 1970-01-01 00:00:00 on the same clock; the moment must be valid.
std::int64_t secondNumber(const DateTime& moment);

// The moment of a second number.
DateTime dateTimeOfSecondNumber(std::int64_t seconds);

// "YYYY-MM-DD HH:MM:SS".
std::string formatDateTime(const DateTime& moment);

}  // namespace quillan::calendar
