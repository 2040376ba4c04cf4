#include "NameListJoin.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <set>

#include "common/GbkCodec.h"
#include "common/TextSplit.h"

namespace quillan::listpack {
namespace {

// The entry's fields, in entry order, by their names in the dictionary header.
constexpr std::array<const char*, 5> kEntryColumns = {"simplified", "traditional", "pinyin", "kangxi_strokes",
                                                      "element"};

std::string withoutLineEnd(std::string line) {
  if (!line.empty() && line.back() == '\r') {
    line.pop_back();
  }
  return line;
}

}  // namespace

std::optional<DictionaryEntries> readDictionaryEntries(const std::string& path, std::string& error) {
  std::ifstream in(path);
  std::string line;
  if (!in || !std::getline(in, line)) {
    error = "cannot read the dictionary " + path;
    return std::nullopt;
  }
  const auto header = common::splitText(withoutLineEnd(line), "\t");
  std::array<std::size_t, kEntryColumns.size()> columns{};
  for (std::size_t i = 0; i < kEntryColumns.size(); ++i) {
    const auto it = std::find(header.begin(), header.end(), kEntryColumns[i]);
    if (it == header.end()) {
      error = path + ": no column " + kEntryColumns[i];
      return std::nullopt;
    }
    columns[i] = static_cast<std::size_t>(it - header.begin());
  }
  const std::size_t needed = *std::max_element(columns.begin(), columns.end()) + 1;
  DictionaryEntries entries;
  int lineNumber = 1;
  while (std::getline(in, line)) {
    ++lineNumber;
    const auto fields = common::splitText(withoutLineEnd(line), "\t");
    if (fields.size() < needed) {
      error = path + ':' + std::to_string(lineNumber) + ": a row needs " + std::to_string(needed) + " fields";
      return std::nullopt;
    }
    std::vector<std::string> entry;
    for (std::size_t column : columns) {
      entry.push_back(fields[column]);
    }
    entries[fields[columns[0]]] = common::joinText(entry, ",");
  }
  return entries;
}

std::optional<std::vector<std::string>> joinNameList(const std::string& path, const DictionaryEntries& dictionary,
                                                     std::string& error) {
  std::ifstream in(path);
  if (!in) {
    error = "cannot read " + path;
    return std::nullopt;
  }
  std::vector<std::string> entries;
  std::set<std::string> seen;
  std::string faults;
  std::string line;
  int lineNumber = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    line = withoutLineEnd(line);
    if (line.empty() || line[0] == '#') {
      continue;
    }
    const std::string where = path + ':' + std::to_string(lineNumber) + ": ";
    const auto codePoints = common::decodeUtf8(line);
    const auto found = dictionary.find(line);
    if (!codePoints || codePoints->size() != 1) {
      faults += where + "one character per line, not \"" + line + "\"\n";
    } else if (found == dictionary.end()) {
      faults += where + line + " is not in the dictionary\n";
    } else if (!seen.insert(line).second) {
      faults += where + line + " stands twice\n";
    } else {
      entries.push_back(found->second);
    }
  }
  if (!faults.empty()) {
    error = faults;
    return std::nullopt;
  }
  return entries;
}

}  // namespace quillan::listpack
