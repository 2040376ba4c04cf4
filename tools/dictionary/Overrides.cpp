#include "Overrides.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <string_view>

#include "common/GbkCodec.h"
#include "common/TextSplit.h"

namespace quillan::dictionary {
namespace {

constexpr std::array<std::string_view, 4> kColumns = {"traditional", "pinyin", "kangxi_strokes", "element"};
constexpr std::array<std::string_view, 5> kElements = {"木", "火", "土", "金", "水"};

bool oneCharacter(const std::string& text) {
  const auto codePoints = common::decodeUtf8(text);
  return codePoints && codePoints->size() == 1;
}

// Empty when the value suits the column, else what is wrong with it.
std::string valueFault(std::string_view column, const std::string& value) {
  if (!common::utf8ToGbk(value)) {
    return "GBK cannot encode the value";
  }
  if (column == "traditional" && !oneCharacter(value)) {
    return "a traditional form is one character";
  }
  if (column == "kangxi_strokes" && (value.empty() || value.size() > 2 ||
                                     value.find_first_not_of("0123456789") != std::string::npos || value[0] == '0')) {
    return "a stroke count is a number from 1 to 99";
  }
  if (column == "element" && std::find(kElements.begin(), kElements.end(), value) == kElements.end()) {
    return "an element is one of 木 火 土 金 水";
  }
  if (column == "pinyin" && value.empty()) {
    return "empty pinyin";
  }
  return {};
}

}  // namespace

std::optional<Overrides> loadOverrides(const std::string& path, std::string& error) {
  std::ifstream in(path);
  if (!in) {
    error = "cannot read " + path;
    return std::nullopt;
  }
  Overrides overrides;
  std::string line;
  int lineNumber = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    if (lineNumber == 1 || line.empty() || line[0] == '#') {
      continue;
    }
    const auto fields = common::splitText(line, "\t");
    std::string fault;
    if (fields.size() != 4) {
      fault = "a row has four tab-separated fields";
    } else if (!oneCharacter(fields[0])) {
      fault = "the first field is one character";
    } else if (std::find(kColumns.begin(), kColumns.end(), fields[1]) == kColumns.end()) {
      fault = "unknown column " + fields[1];
    } else if (fields[3].empty()) {
      fault = "every override states its reason";
    } else if (overrides[fields[0]].contains(fields[1])) {
      fault = "overridden twice";
    } else {
      fault = valueFault(fields[1], fields[2]);
    }
    if (!fault.empty()) {
      error = path + ':' + std::to_string(lineNumber) + ": " + fault;
      return std::nullopt;
    }
    overrides[fields[0]][fields[1]] = fields[2];
  }
  return overrides;
}

}  // namespace quillan::dictionary
