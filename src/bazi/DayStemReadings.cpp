#include "bazi/DayStemReadings.h"

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "bazi/Elements.h"
#include "common/TsvTable.h"

namespace quillan::bazi {
namespace embedded {
std::string_view dayStemsText();
}  // namespace embedded

namespace {

std::array<std::string, 10> parseReadings(std::string_view text) {
  constexpr std::string_view kFile = "data/fate/day-stems.tsv";
  std::array<std::string, 10> readings;
  std::vector<std::vector<std::string>> rows;
  try {
    rows = common::tsvRows(text, kFile, "stem\telement\ttext");
  } catch (const std::invalid_argument& fault) {
    throw std::logic_error(fault.what());
  }
  for (const auto& row : rows) {
    int index = -1;
    for (int k = 0; k < 10; ++k) {
      if (stemName(k) == row[0]) {
        index = k;
      }
    }
    if (index < 0 || elementName(stemElement(index)) != row[1]) {
      throw std::logic_error(std::string(kFile) + ": not a stem with its element: " + row[0] + " " + row[1]);
    }
    readings[static_cast<std::size_t>(index)] = row[2];
  }
  for (const auto& reading : readings) {
    if (reading.empty()) {
      throw std::logic_error(std::string(kFile) + ": every stem needs its text");
    }
  }
  return readings;
}

}  // namespace

std::string_view dayStemReading(int stem) {
  static const auto readings = parseReadings(embedded::dayStemsText());
  if (stem < 0 || stem > 9) {
    return {};
  }
  return readings[static_cast<std::size_t>(stem)];
}

}  // namespace quillan::bazi
