#include "NameListJoin.h"

#include <fstream>
#include <set>

#include "common/GbkCodec.h"
#include "common/TextSplit.h"

namespace quillan::listpack {
namespace {

std::string withoutLineEnd(std::string line) {
  if (!line.empty() && line.back() == '\r') {
    line.pop_back();
  }
  return line;
}

}  // namespace

std::string entryOf(const chartable::CharacterRow& row) {
  return row.simplified + ',' + row.traditional + ',' + row.pinyin + ',' + std::to_string(row.kangxiStrokes) + ',' +
         row.element;
}

std::optional<std::vector<std::string>> joinNameList(const std::string& path,
                                                     const chartable::CharacterTable& dictionary, std::string& error) {
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
    const auto* found = dictionary.find(line);
    if (!codePoints || codePoints->size() != 1) {
      faults += where + "one character per line, not \"" + line + "\"\n";
    } else if (found == nullptr) {
      faults += where + line + " is not in the dictionary\n";
    } else if (!seen.insert(line).second) {
      faults += where + line + " stands twice\n";
    } else {
      entries.push_back(entryOf(*found));
    }
  }
  if (!faults.empty()) {
    error = faults;
    return std::nullopt;
  }
  return entries;
}

}  // namespace quillan::listpack
