#include "calendar/DateTime.h"

#include <cstdio>

namespace quillan::calendar {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

std::int64_t floorDivide(std::int64_t a, std::int64_t b) {
  const std::int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace

bool isValid(const DateTime& moment) {
  return isValid(moment.date) && moment.hour >= 0 && moment.hour <= 23 && moment.minute >= 0 && moment.minute <= 59 &&
         moment.second >= 0 && moment.second <= 59;
}

std::int64_t secondNumber(const DateTime& moment) {
  return dayNumber(moment.date) * kSecondsPerDay + moment.hour * 3600 + moment.minute * 60 + moment.second;
}

DateTime dateTimeOfSecondNumber(std::int64_t seconds) {
  const std::int64_t days = floorDivide(seconds, kSecondsPerDay);
  const auto inDay = static_cast<int>(seconds - days * kSecondsPerDay);
  return DateTime{dateOfDayNumber(days), inDay / 3600, inDay / 60 % 60, inDay % 60};
}

std::string formatDateTime(const DateTime& moment) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%s %02d:%02d:%02d", formatDate(moment.date).c_str(), moment.hour, moment.minute,
                moment.second);
  return buffer;
}

}  // namespace quillan::calendar
