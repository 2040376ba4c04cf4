#include "pastime/TsvRows.h"

#include <fstream>

namespace quillan::pastime {

namespace {

std::vector<std::string> splitTabs(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
    if (tab == std::string::npos) {
      return fields;
    }
    start = tab + 1;
  }
}

}  // namespace

std::variant<std::vector<std::vector<std::string>>, std::string> readTsvRows(const std::filesystem::path& file,
                                                                             const std::vector<std::string>& header) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    return "cannot open " + file.string();
  }
  std::string line;
  if (!std::getline(in, line) || splitTabs(line) != header) {
    return file.string() + ": the first line is not the expected header";
  }
  std::vector<std::vector<std::string>> rows;
  int lineNumber = 1;
  while (std::getline(in, line)) {
    ++lineNumber;
    auto fields = splitTabs(line);
    bool empty = false;
    for (const std::string& field : fields) {
      empty = empty || field.empty();
    }
    if (fields.size() != header.size() || empty) {
      return file.string() + ":" + std::to_string(lineNumber) + ": wants " + std::to_string(header.size()) +
             " fields, none empty";
    }
    rows.push_back(std::move(fields));
  }
  return rows;
}

}  // namespace quillan::pastime
