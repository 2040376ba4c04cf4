#include "folk/SurnameOrigins.h"

#include <map>

#include "common/PinyinKey.h"
#include "folk/BuiltInTables.h"

namespace quillan::folk {
namespace {

// A reading as plain letters for searching: "sī mǎ" → "sima", "lǚ" → "lv".
std::string plainLetters(std::string_view pinyin) {
  std::string letters;
  for (char c : common::pinyinKey(pinyin)) {
    if (c >= 'a' && c <= 'z') {
      letters += c;
    }
  }
  return letters;
}

struct Origins {
  std::vector<SurnameOrigin> list;
  std::vector<std::string> letters;  // plainLetters of each reading, in the same order
};

const Origins& origins() {
  static const Origins built = [] {
    std::map<std::string, std::string, std::less<>> readings;
    for (const auto& row : builtInRows(Table::SurnameReadings)) {
      readings.emplace(row[1], row[2]);
    }
    Origins read;
    for (const auto& row : builtInRows(Table::SurnameOrigins)) {
      for (const auto& known : read.list) {
        if (known.surname == row[0]) {
          badTable(Table::SurnameOrigins, "a surname given twice: " + row[0]);
        }
      }
      const auto reading = readings.find(row[0]);
      read.list.push_back({row[0], reading == readings.end() ? std::string() : reading->second, row[1]});
      read.letters.push_back(plainLetters(read.list.back().reading));
    }
    return read;
  }();
  return built;
}

}  // namespace

const std::vector<SurnameOrigin>& surnameOrigins() { return origins().list; }

const SurnameOrigin* originOf(std::string_view surname) {
  for (const auto& origin : surnameOrigins()) {
    if (origin.surname == surname) {
      return &origin;
    }
  }
  return nullptr;
}

std::vector<const SurnameOrigin*> searchSurnames(std::string_view query) {
  const Origins& all = origins();
  const std::string letters = plainLetters(query);
  std::vector<const SurnameOrigin*> found;
  for (std::size_t i = 0; i < all.list.size(); ++i) {
    const bool byText = all.list[i].surname.find(query) != std::string::npos;
    const bool byReading = !letters.empty() && all.letters[i].find(letters) != std::string::npos;
    if (query.empty() || byText || byReading) {
      found.push_back(&all.list[i]);
    }
  }
  return found;
}

}  // namespace quillan::folk
