#include "TsvFixture.h"

#include <fstream>
#include <stdexcept>

#include "common/TextSplit.h"

namespace quillan::calendar::test {

std::vector<TsvRow> readCalendarFixture(const std::string& name) {
  const std::string path = std::string{QUILLAN_SOURCE_DIR} + "/tests/data/calendar/" + name;
  std::ifstream in{path};
  if (!in) {
    throw std::runtime_error("cannot read " + path);
  }
  std::vector<std::string> columns;
  std::vector<TsvRow> rows;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') {
      continue;
    }
    const auto fields = common::splitText(line, "\t");
    if (columns.empty()) {
      columns = fields;
      continue;
    }
    TsvRow row;
    for (std::size_t i = 0; i < columns.size(); ++i) {
      row[columns[i]] = i < fields.size() ? fields[i] : std::string{};
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace quillan::calendar::test
