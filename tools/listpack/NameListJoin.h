#pragma once

#include <optional>
#include <string>
#include <vector>

#include "chartable/CharacterTable.h"

namespace quillan::listpack {

// The list entry of a dictionary row: "simplified,traditional,pinyin,kangxi_strokes,element".
std::string entryOf(const chartable::CharacterRow& row);

// Reads a name list (one character per line; blank lines and lines starting with '#' skipped) and
// returns its entries in list order. nullopt, with every fault in `error`, when a line holds more
// than one character, a character is not in the dictionary or stands twice.
std::optional<std::vector<std::string>> joinNameList(const std::string& path,
                                                     const chartable::CharacterTable& dictionary, std::string& error);

}  // namespace quillan::listpack
