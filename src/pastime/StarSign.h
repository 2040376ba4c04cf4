#pragma once

#include <filesystem>
#include <string>
#include <variant>
#include <vector>

namespace quillan::pastime {

// A sign of popular astrology with its fixed date range (data/signs/star-signs.tsv).
struct StarSign {
  std::string name;
  int startMonth = 0;
  int startDay = 0;
  int endMonth = 0;
  int endDay = 0;
  std::string element;
  std::string text;
};

// The twelve signs; refused unless they cover every day of a leap year exactly once.
std::variant<std::vector<StarSign>, std::string> readStarSigns(const std::filesystem::path& file);

// The sign of a month and day (1–12, 1–31); null for a day that no year has.
const StarSign* signOfDay(const std::vector<StarSign>& signs, int month, int day);

// "3月21日—4月19日".
std::string dateRangeText(const StarSign& sign);

}  // namespace quillan::pastime
