#include "CharacterTable.h"

#include <algorithm>
#include <fstream>

#include "common/TextSplit.h"

namespace quillan::dictionary::test {

std::size_t CharacterTable::column(const std::string& name) const {
  return static_cast<std::size_t>(std::find(header.begin(), header.end(), name) - header.begin());
}

std::string CharacterTable::field(const std::string& simplified, const std::string& name) const {
  const auto row = rowOf.find(simplified);
  const std::size_t at = column(name);
  if (row == rowOf.end() || at >= rows[row->second].size()) {
    return {};
  }
  return rows[row->second][at];
}

std::vector<std::string> readLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    lines.push_back(line);
  }
  return lines;
}

const CharacterTable& committedTable() {
  static const CharacterTable table = [] {
    CharacterTable t;
    const auto lines = readLines(QUILLAN_SOURCE_DIR "/data/dictionary/characters.tsv");
    for (std::size_t i = 0; i < lines.size(); ++i) {
      auto fields = common::splitText(lines[i], "\t");
      if (i == 0) {
        t.header = std::move(fields);
        continue;
      }
      if (fields.size() > 1) {
        t.rowOf.emplace(fields[1], t.rows.size());
      }
      t.rows.push_back(std::move(fields));
    }
    return t;
  }();
  return table;
}

}  // namespace quillan::dictionary::test
