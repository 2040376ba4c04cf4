#include "folk/GenderTable.h"

#include <array>

#include "common/TextNumbers.h"
#include "folk/BuiltInTables.h"

namespace quillan::folk {
namespace {

constexpr int kAges = kGenderTableLastAge - kGenderTableFirstAge + 1;

// By age from 18, then month 1-12: true for 男.
const std::array<std::array<bool, 12>, kAges>& genderTable() {
  static const auto table = [] {
    std::array<std::array<bool, 12>, kAges> read{};
    std::array<bool, kAges> seen{};
    for (const auto& row : builtInRows(Table::GenderTable)) {
      const int age = common::textToInt(row[0]);
      if (age < kGenderTableFirstAge || age > kGenderTableLastAge || seen[static_cast<std::size_t>(age - 18)]) {
        badTable(Table::GenderTable, "an age must be 18-45 and given once: " + row[0]);
      }
      seen[static_cast<std::size_t>(age - kGenderTableFirstAge)] = true;
      for (std::size_t month = 0; month < 12; ++month) {
        const std::string& cell = row[month + 1];
        if (cell != "男" && cell != "女") {
          badTable(Table::GenderTable, "a cell must be 男 or 女: age " + row[0]);
        }
        read[static_cast<std::size_t>(age - kGenderTableFirstAge)][month] = cell == "男";
      }
    }
    for (bool given : seen) {
      if (!given) {
        badTable(Table::GenderTable, "every age 18-45 needs its row");
      }
    }
    return read;
  }();
  return table;
}

}  // namespace

std::variant<GenderReading, std::string> genderByTable(const calendar::Date& motherBirth,
                                                       const calendar::Date& conception) {
  const auto birthLunar = calendar::lunarDateOf(motherBirth);
  const auto conceptionLunar = calendar::lunarDateOf(conception);
  if (!birthLunar || !conceptionLunar) {
    return std::string("日期只能在1901年至2100年之间");
  }
  if (conception < motherBirth) {
    return std::string("受孕日期不能早于母亲的出生日期");
  }
  GenderReading reading{*birthLunar, *conceptionLunar, conceptionLunar->year - birthLunar->year + 1, false};
  if (reading.age < kGenderTableFirstAge || reading.age > kGenderTableLastAge) {
    return "受孕时母亲虚岁" + std::to_string(reading.age) + "岁：清宫表只列出虚岁" +
           std::to_string(kGenderTableFirstAge) + "至" + std::to_string(kGenderTableLastAge) + "岁，查不到这个年龄";
  }
  reading.boy = genderTable()[static_cast<std::size_t>(reading.age - kGenderTableFirstAge)]
                             [static_cast<std::size_t>(conceptionLunar->month - 1)];
  return reading;
}

}  // namespace quillan::folk
