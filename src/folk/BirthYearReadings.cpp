#include "folk/BirthYearReadings.h"

#include <array>
#include <string>
#include <vector>

#include "bazi/Elements.h"
#include "calendar/Sexagenary.h"
#include "common/TextNumbers.h"
#include "folk/BuiltInTables.h"

namespace quillan::folk {
namespace {

int stemOfName(std::string_view name) {
  for (int stem = 0; stem < 10; ++stem) {
    if (bazi::stemName(stem) == name) {
      return stem;
    }
  }
  return -1;
}

struct ElderTexts {
  std::array<std::string, 10> byStem;
  std::array<std::string, 12> byMonth;
};

const ElderTexts& elderTexts() {
  static const ElderTexts texts = [] {
    ElderTexts read;
    for (const auto& row : builtInRows(Table::Elders)) {
      std::string* slot = nullptr;
      if (const int stem = stemOfName(row[1]); row[0] == "stem" && stem >= 0) {
        slot = &read.byStem[static_cast<std::size_t>(stem)];
      } else if (const int month = common::textToInt(row[1]); row[0] == "month" && month >= 1 && month <= 12) {
        slot = &read.byMonth[static_cast<std::size_t>(month - 1)];
      }
      if (slot == nullptr || !slot->empty()) {
        badTable(Table::Elders, "no such key, or given twice: " + row[0] + " " + row[1]);
      }
      *slot = row[2];
    }
    requireAll(Table::Elders, read.byStem, "every stem");
    requireAll(Table::Elders, read.byMonth, "every month");
    return read;
  }();
  return texts;
}

const std::array<std::vector<std::string>, 10>& wealthTexts() {
  static const auto texts = [] {
    std::array<std::vector<std::string>, 10> read;
    for (const auto& row : builtInRows(Table::Wealth)) {
      const int stem = stemOfName(row[0]);
      if (stem < 0 || !read[static_cast<std::size_t>(stem)].empty()) {
        badTable(Table::Wealth, "no such stem, or given twice: " + row[0]);
      }
      read[static_cast<std::size_t>(stem)] = {row[1], row[2], row[3]};
    }
    requireAll(Table::Wealth, read, "every stem");
    return read;
  }();
  return texts;
}

// The lunar date and the stem of its year.
std::optional<std::pair<calendar::LunarDate, int>> lunarYearStem(const calendar::Date& birth) {
  const auto lunar = calendar::lunarDateOf(birth);
  if (!lunar) {
    return std::nullopt;
  }
  return std::pair{*lunar, (calendar::sexagenaryNumber(lunar->yearText()) - 1) % 10};
}

}  // namespace

std::optional<ElderReading> elderReadingOf(const calendar::Date& birth) {
  const auto found = lunarYearStem(birth);
  if (!found) {
    return std::nullopt;
  }
  const auto& [lunar, stem] = *found;
  const ElderTexts& texts = elderTexts();
  return ElderReading{lunar, stem, texts.byStem[static_cast<std::size_t>(stem)],
                      texts.byMonth[static_cast<std::size_t>(lunar.month - 1)]};
}

std::optional<WealthReading> wealthReadingOf(const calendar::Date& birth) {
  const auto found = lunarYearStem(birth);
  if (!found) {
    return std::nullopt;
  }
  const auto& [lunar, stem] = *found;
  const auto& texts = wealthTexts()[static_cast<std::size_t>(stem)];
  return WealthReading{lunar, stem, texts[0], texts[1], texts[2]};
}

}  // namespace quillan::folk
