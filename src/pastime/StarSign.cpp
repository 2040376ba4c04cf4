#include "pastime/StarSign.h"

#include <array>

#include "common/TextNumbers.h"
#include "pastime/TsvRows.h"

namespace quillan::pastime {

namespace {

constexpr std::array<int, 12> kLeapYearDays{31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool dayExists(int month, int day) { return month >= 1 && month <= 12 && day >= 1 && day <= kLeapYearDays[month - 1]; }

// "MM-DD" into month and day.
bool readMonthDay(const std::string& text, int& month, int& day) {
  if (text.size() != 5 || text[2] != '-') {
    return false;
  }
  month = common::textToInt(text.substr(0, 2));
  day = common::textToInt(text.substr(3, 2));
  return dayExists(month, day);
}

int ordinal(int month, int day) {
  int days = 0;
  for (int m = 1; m < month; ++m) {
    days += kLeapYearDays[m - 1];
  }
  return days + day;
}

bool contains(const StarSign& sign, int month, int day) {
  const int at = ordinal(month, day);
  const int start = ordinal(sign.startMonth, sign.startDay);
  const int end = ordinal(sign.endMonth, sign.endDay);
  return start <= end ? at >= start && at <= end : at >= start || at <= end;  // over the new year
}

}  // namespace

std::variant<std::vector<StarSign>, std::string> readStarSigns(const std::filesystem::path& file) {
  auto rows = readTsvRows(file, {"sign", "start", "end", "element", "text"});
  if (auto* failure = std::get_if<std::string>(&rows)) {
    return *failure;
  }
  std::vector<StarSign> signs;
  for (auto& row : std::get<0>(rows)) {
    StarSign sign{row[0], 0, 0, 0, 0, row[3], row[4]};
    if (!readMonthDay(row[1], sign.startMonth, sign.startDay) || !readMonthDay(row[2], sign.endMonth, sign.endDay)) {
      return file.string() + ": " + row[0] + " has no MM-DD range";
    }
    signs.push_back(std::move(sign));
  }
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= kLeapYearDays[month - 1]; ++day) {
      int holders = 0;
      for (const StarSign& sign : signs) {
        holders += contains(sign, month, day) ? 1 : 0;
      }
      if (holders != 1) {
        return file.string() + ": " + std::to_string(month) + "-" + std::to_string(day) + " is not in exactly one sign";
      }
    }
  }
  return signs;
}

const StarSign* signOfDay(const std::vector<StarSign>& signs, int month, int day) {
  if (!dayExists(month, day)) {
    return nullptr;
  }
  for (const StarSign& sign : signs) {
    if (contains(sign, month, day)) {
      return &sign;
    }
  }
  return nullptr;
}

std::string dateRangeText(const StarSign& sign) {
  return std::to_string(sign.startMonth) + "月" + std::to_string(sign.startDay) + "日—" +
         std::to_string(sign.endMonth) + "月" + std::to_string(sign.endDay) + "日";
}

}  // namespace quillan::pastime
