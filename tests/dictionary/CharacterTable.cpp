#include "CharacterTable.h"

#include <gtest/gtest.h>

#include <fstream>

#include "common/TextSplit.h"

namespace quillan::dictionary::test {

std::vector<std::string> readLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    lines.push_back(line);
  }
  return lines;
}

const chartable::CharacterTable& committedTable() {
  static const chartable::CharacterTable table = [] {
    std::string error;
    auto read = chartable::CharacterTable::read(QUILLAN_SOURCE_DIR "/data/dictionary/characters.tsv", error);
    EXPECT_TRUE(read) << error;
    return read.value_or(chartable::CharacterTable{});
  }();
  return table;
}

std::string field(std::string_view simplified, std::string_view column) {
  const auto* row = committedTable().find(simplified);
  if (row == nullptr) {
    return {};
  }
  const std::pair<std::string_view, std::string> fields[] = {
      {"id", std::to_string(row->id)},
      {"simplified", row->simplified},
      {"traditional", row->traditional},
      {"pinyin", row->pinyin},
      {"kangxi_strokes", std::to_string(row->kangxiStrokes)},
      {"simplified_strokes", std::to_string(row->simplifiedStrokes)},
      {"radical", std::to_string(row->radical)},
      {"element", row->element},
      {"readings", common::joinText(row->readings, " ")},
      {"tgh_level", row->tghLevel > 0 ? std::to_string(row->tghLevel) : std::string()},
      {"element_basis", row->elementBasis},
  };
  for (const auto& [name, value] : fields) {
    if (name == column) {
      return value;
    }
  }
  ADD_FAILURE() << "no column " << column;
  return {};
}

}  // namespace quillan::dictionary::test
