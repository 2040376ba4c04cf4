#include "folk/Omens.h"

#include <array>
#include <string>

#include "common/TextNumbers.h"
#include "folk/BuiltInTables.h"
#include "folk/Hours.h"

namespace quillan::folk {
namespace {

// 12 branches × 2 sides; a sign without sides fills only the left column.
using HourTexts = std::array<std::array<std::string, 2>, 12>;

HourTexts readHourTexts(Table table, bool sides) {
  HourTexts texts;
  for (const auto& row : builtInRows(table)) {
    const int branch = branchOfWord(row[0]);
    int side = 0;
    if (sides) {
      side = row[1] == "left" ? 0 : row[1] == "right" ? 1 : -1;
    }
    if (branch < 0 || side < 0) {
      badTable(table, "no such hour or side: " + row[0]);
    }
    std::string& slot = texts[static_cast<std::size_t>(branch)][static_cast<std::size_t>(side)];
    if (!slot.empty()) {
      badTable(table, "a row given twice: " + row[0]);
    }
    slot = row.back();
  }
  for (const auto& pair : texts) {
    if (pair[0].empty() || (sides && pair[1].empty())) {
      badTable(table, "every hour needs its text");
    }
  }
  return texts;
}

const HourTexts& hourTexts(Omen omen) {
  // In the order of Omen.
  static const std::array<HourTexts, 4> all{
      readHourTexts(Table::EarRinging, true), readHourTexts(Table::FaceHeat, false),
      readHourTexts(Table::HeartStart, false), readHourTexts(Table::EyeTwitch, true)};
  return all[static_cast<std::size_t>(omen)];
}

}  // namespace

bool omenHasSides(Omen omen) { return omen == Omen::EarRinging || omen == Omen::EyeTwitch; }

std::string_view omenText(Omen omen, int branch, Side side) {
  if (branch < 0 || branch > 11) {
    return {};
  }
  const std::size_t column = omenHasSides(omen) && side == Side::Right ? 1 : 0;
  return hourTexts(omen)[static_cast<std::size_t>(branch)][column];
}

std::string_view fingerprintText(int whorls) {
  static const std::array<std::string, 11> texts = [] {
    std::array<std::string, 11> read;
    for (const auto& row : builtInRows(Table::Fingerprints)) {
      const int count = common::textToInt(row[0]);
      if (count < 0 || count > 10 || row[0] != std::to_string(count) ||
          !read[static_cast<std::size_t>(count)].empty()) {
        badTable(Table::Fingerprints, "whorls must be 0-10, each once: " + row[0]);
      }
      read[static_cast<std::size_t>(count)] = row[1];
    }
    requireAll(Table::Fingerprints, read, "every count 0-10");
    return read;
  }();
  return whorls < 0 || whorls > 10 ? std::string_view{} : std::string_view(texts[static_cast<std::size_t>(whorls)]);
}

}  // namespace quillan::folk
