#include "calendar/Date.h"

#include <chrono>
#include <cstdio>

namespace quillan::calendar {

namespace {

std::chrono::year_month_day toChrono(const Date& date) {
  return std::chrono::year_month_day{std::chrono::year{date.year},
                                     std::chrono::month{static_cast<unsigned>(date.month)},
                                     std::chrono::day{static_cast<unsigned>(date.day)}};
}

}  // namespace

bool isValid(const Date& date) {
  if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31) {
    return false;
  }
  return toChrono(date).ok();
}

std::int64_t dayNumber(const Date& date) { return std::chrono::sys_days{toChrono(date)}.time_since_epoch().count(); }

Date dateOfDayNumber(std::int64_t days) {
  const std::chrono::year_month_day ymd{std::chrono::sys_days{std::chrono::days{days}}};
  return Date{static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
              static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

std::optional<Date> parseDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
    return std::nullopt;
  }
  int fields[3] = {0, 0, 0};
  const std::size_t starts[3] = {0, 5, 8};
  const std::size_t lengths[3] = {4, 2, 2};
  for (int f = 0; f < 3; ++f) {
    for (std::size_t i = starts[f]; i < starts[f] + lengths[f]; ++i) {
      if (text[i] < '0' || text[i] > '9') {
        return std::nullopt;
      }
      fields[f] = fields[f] * 10 + (text[i] - '0');
    }
  }
  const Date date{fields[0], fields[1], fields[2]};
  if (!isValid(date)) {
    return std::nullopt;
  }
  return date;
}

std::string formatDate(const Date& date) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", date.year, date.month, date.day);
  return buffer;
}

Date chinaToday() {
  using namespace std::chrono;
  const year_month_day date{floor<days>(system_clock::now() + hours(8))};
  return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
          static_cast<int>(static_cast<unsigned>(date.day()))};
}

}  // namespace quillan::calendar
