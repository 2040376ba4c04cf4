#include "ElementTables.h"

#include <charconv>
#include <fstream>
#include <functional>
#include <set>
#include <vector>

#include "common/TextSplit.h"

namespace quillan::dictionary {
namespace {

const std::set<std::string> kElements = {"木", "火", "土", "金", "水"};

// Calls `row` with the fields of every data line; false, with the place in `error`, when it says a
// line is wrong (its fault in the text it returns).
bool forEachRow(const std::string& path, std::size_t fields,
                const std::function<std::string(const std::vector<std::string>&)>& row, std::string& error) {
  std::ifstream in(path);
  if (!in) {
    error = "cannot read " + path;
    return false;
  }
  std::string line;
  int lineNumber = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    if (lineNumber == 1) {
      continue;
    }
    const auto parts = common::splitText(line, "\t");
    std::string fault = parts.size() != fields ? "a row has " + std::to_string(fields) + " tab-separated fields"
                        : parts.back().empty() ? "every row states its reason"
                                               : row(parts);
    if (!fault.empty()) {
      error = path + ':' + std::to_string(lineNumber) + ": " + fault;
      return false;
    }
  }
  return true;
}

}  // namespace

std::optional<ElementTables> loadElementTables(const std::string& radicalPath, const std::string& meaningPath,
                                               std::string& error) {
  ElementTables tables;
  const bool radicals = forEachRow(
      radicalPath, 4,
      [&tables](const std::vector<std::string>& row) -> std::string {
        int number = 0;
        const auto [end, failed] = std::from_chars(row[0].data(), row[0].data() + row[0].size(), number);
        if (failed != std::errc{} || end != row[0].data() + row[0].size() || number < 1 || number > 214) {
          return "a radical number is 1 to 214";
        }
        if (row[2] != "none" && !kElements.contains(row[2])) {
          return "an element is one of 木 火 土 金 水, or none";
        }
        if (!tables.byRadical.emplace(number, row[2] == "none" ? std::string{} : row[2]).second) {
          return "radical " + row[0] + " stands twice";
        }
        return {};
      },
      error);
  if (!radicals) {
    return std::nullopt;
  }
  if (tables.byRadical.size() != 214) {
    error = radicalPath + ": all 214 radicals are listed, " + std::to_string(tables.byRadical.size()) + " are";
    return std::nullopt;
  }
  const bool meanings = forEachRow(
      meaningPath, 3,
      [&tables](const std::vector<std::string>& row) -> std::string {
        if (!kElements.contains(row[1])) {
          return "an element is one of 木 火 土 金 水";
        }
        if (!tables.byMeaning.emplace(row[0], row[1]).second) {
          return row[0] + " stands twice";
        }
        return {};
      },
      error);
  if (!meanings) {
    return std::nullopt;
  }
  return tables;
}

}  // namespace quillan::dictionary
