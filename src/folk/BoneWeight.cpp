#include "folk/BoneWeight.h"

#include <algorithm>
#include <array>
#include <map>

#include "calendar/CalendarRange.h"
#include "calendar/Sexagenary.h"
#include "common/TextNumbers.h"
#include "folk/BuiltInTables.h"
#include "folk/Hours.h"

namespace quillan::folk {
namespace {

struct WeightTables {
  std::array<int, 60> year{};  // by pair 1 (甲子) … 60, at index pair − 1
  std::array<int, 12> month{};
  std::array<int, 30> day{};
  std::array<int, 12> hour{};  // by branch
  std::map<int, std::string> texts;
};

// Puts a weight in its slot, refusing a key out of range or given twice.
void place(int* slots, int size, int index, const std::string& qian, const std::string& key) {
  if (index < 0 || index >= size || slots[index] != 0) {
    badTable(Table::BoneWeights, "no such key, or given twice: " + key);
  }
  slots[index] = common::textToInt(qian);
  if (slots[index] <= 0) {
    badTable(Table::BoneWeights, "a weight must be a positive number of 钱: " + key);
  }
}

WeightTables readTables() {
  WeightTables tables;
  for (const auto& row : builtInRows(Table::BoneWeights)) {
    const std::string& kind = row[0];
    const std::string& key = row[1];
    if (kind == "year") {
      place(tables.year.data(), 60, calendar::sexagenaryNumber(key) - 1, row[2], key);
    } else if (kind == "month") {
      place(tables.month.data(), 12, common::textToInt(key) - 1, row[2], key);
    } else if (kind == "day") {
      place(tables.day.data(), 30, common::textToInt(key) - 1, row[2], key);
    } else if (kind == "hour") {
      place(tables.hour.data(), 12, branchOfWord(key), row[2], key);
    } else {
      badTable(Table::BoneWeights, "no such kind: " + kind);
    }
  }
  const auto complete = [](const auto& slots) { return std::find(slots.begin(), slots.end(), 0) == slots.end(); };
  if (!complete(tables.year) || !complete(tables.month) || !complete(tables.day) || !complete(tables.hour)) {
    badTable(Table::BoneWeights, "each of the 60 years, 12 months, 30 days and 12 hours needs a weight");
  }
  for (const auto& row : builtInRows(Table::BoneTexts)) {
    const int qian = common::textToInt(row[0]);
    if (qian < 21 || qian > 72 || !tables.texts.emplace(qian, row[1]).second) {
      badTable(Table::BoneTexts, "a total must be 21-72 and given once: " + row[0]);
    }
  }
  if (tables.texts.size() != 52) {
    badTable(Table::BoneTexts, "every total from 21 to 72 needs its text");
  }
  return tables;
}

const WeightTables& tables() {
  static const WeightTables built = readTables();
  return built;
}

constexpr std::array<const char*, 10> kDigits{"零", "一", "二", "三", "四", "五", "六", "七", "八", "九"};

}  // namespace

std::optional<BoneWeight> boneWeightOf(const calendar::Date& date, int hour) {
  if (hour < 0 || hour > 23 || !calendar::inCalendarRange(date)) {
    return std::nullopt;
  }
  const auto lunar = calendar::lunarDateOf(date);
  if (!lunar) {
    return std::nullopt;
  }
  const WeightTables& t = tables();
  BoneWeight weight;
  weight.lunar = *lunar;
  weight.hourBranch = branchOfHour(hour);
  weight.year = t.year[static_cast<std::size_t>(calendar::sexagenaryNumber(lunar->yearText()) - 1)];
  weight.month = t.month[static_cast<std::size_t>(lunar->month - 1)];
  weight.day = t.day[static_cast<std::size_t>(lunar->day - 1)];
  weight.hour = t.hour[static_cast<std::size_t>(weight.hourBranch)];
  weight.text = boneWeightText(weight.total());
  return weight;
}

std::string qianText(int qian) {
  if (qian <= 0) {
    return "零钱";
  }
  std::string text;
  const int liang = qian / 10;
  if (liang >= 10) {
    text += std::to_string(liang) + "两";
  } else if (liang > 0) {
    text += std::string(kDigits[static_cast<std::size_t>(liang)]) + "两";
  }
  if (qian % 10 != 0) {
    text += std::string(kDigits[static_cast<std::size_t>(qian % 10)]) + "钱";
  }
  return text;
}

std::string_view boneWeightText(int totalQian) {
  const auto& texts = tables().texts;
  const auto found = texts.find(totalQian);
  return found == texts.end() ? std::string_view{} : std::string_view(found->second);
}

}  // namespace quillan::folk
