#pragma once

#include <map>
#include <optional>
#include <string>

namespace quillan::dictionary {

// The hand-checked corrections of data/dictionary/overrides.tsv, keyed by character, then by column.
// Columns that may be overridden: traditional, pinyin, kangxi_strokes, element.
using Overrides = std::map<std::string, std::map<std::string, std::string>>;

// Reads the file (UTF-8, tab-separated: character, column, value, reason; one header line).
// nullopt, with the line and its fault in `error`, on a malformed row, an unknown column, an empty
// reason, a value GBK cannot encode or a character overridden twice in one column.
std::optional<Overrides> loadOverrides(const std::string& path, std::string& error);

}  // namespace quillan::dictionary
