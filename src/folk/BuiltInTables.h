#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/TsvTable.h"

namespace quillan::folk {

// The built-in tables, by the file they were made from.
enum class Table {
  BoneWeights,      // fate/chenggu-weights.tsv
  BoneTexts,        // fate/chenggu-texts.tsv
  Elders,           // fate/elders.tsv
  Wealth,           // fate/wealth.tsv
  GenderTable,      // fate/qinggong.tsv
  EarRinging,       // omens/ear-ringing.tsv
  EyeTwitch,        // omens/eye-twitch.tsv
  FaceHeat,         // omens/face-heat.tsv
  HeartStart,       // omens/heart-start.tsv
  Fingerprints,     // omens/fingerprints.tsv
  SurnameOrigins,   // folk/surname-origins.tsv
  SurnameReadings,  // folk/surnames.tsv
  NumberTexts,      // numerology/z81.tsv
};

// The rows of a built-in table under its fixed header. A malformed table is a fault of the build:
// std::logic_error naming the file and line.
std::vector<std::vector<std::string>> builtInRows(Table table);

// For the readers' own checks of a row: throws std::logic_error naming the table.
[[noreturn]] void badTable(Table table, const std::string& why);

// Throws unless every slot was filled (each is a text, or texts whose first is filled).
template <typename Slots>
void requireAll(Table table, const Slots& slots, const std::string& what) {
  for (const auto& slot : slots) {
    if (slot.empty()) {
      badTable(table, what + " needs its text");
    }
  }
}

}  // namespace quillan::folk
