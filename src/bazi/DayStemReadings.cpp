#include "bazi/DayStemReadings.h"

#include <array>
#include <stdexcept>
#include <string>

#include "bazi/Elements.h"

namespace quillan::bazi {
namespace embedded {
std::string_view dayStemsText();
}  // namespace embedded

namespace {

std::array<std::string, 10> parseReadings(std::string_view text) {
  std::array<std::string, 10> readings;
  std::size_t start = text.find('\n') + 1;  // after the header
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) {
      end = text.size();
    }
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (line.empty()) {
      continue;
    }
    const std::size_t first = line.find('\t');
    const std::size_t second = line.find('\t', first + 1);
    if (first == std::string_view::npos || second == std::string_view::npos) {
      throw std::logic_error("data/fate/day-stems.tsv: a row needs stem, element and text: " + std::string(line));
    }
    const std::string_view stem = line.substr(0, first);
    int index = -1;
    for (int k = 0; k < 10; ++k) {
      if (stemName(k) == stem) {
        index = k;
      }
    }
    if (index < 0 || std::string_view(elementName(stemElement(index))) != line.substr(first + 1, second - first - 1)) {
      throw std::logic_error("data/fate/day-stems.tsv: not a stem with its element: " + std::string(line));
    }
    readings[static_cast<std::size_t>(index)] = line.substr(second + 1);
  }
  for (const auto& reading : readings) {
    if (reading.empty()) {
      throw std::logic_error("data/fate/day-stems.tsv: every stem needs its text");
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
