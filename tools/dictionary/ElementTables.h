#pragma once

#include <map>
#include <optional>
#include <string>

namespace quillan::dictionary {

// The two reviewed tables the element rule reads besides the overrides:
//   radical-elements.tsv   radical number -> element, or none where custom gives none
//   meaning-elements.tsv   character -> element, for characters whose meaning names a thing of it
struct ElementTables {
  std::map<int, std::string> byRadical;
  std::map<std::string, std::string> byMeaning;
};

// Reads both (UTF-8, tab-separated, one header line, a reason on every row). nullopt, with the file,
// line and fault in `error`, for a malformed row, an element that is not one of the five (or none
// for a radical), a missing reason, a row twice, or a radical table without all 214 radicals.
std::optional<ElementTables> loadElementTables(const std::string& radicalPath, const std::string& meaningPath,
                                               std::string& error);

}  // namespace quillan::dictionary
