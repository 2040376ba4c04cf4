#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quillan::listpack {

// The dictionary's five list fields of each character, keyed by its simplified form.
using DictionaryEntries = std::map<std::string, std::string>;

// Reads characters.tsv (UTF-8, tab-separated, one header line) and makes for every row the entry
// "simplified,traditional,pinyin,kangxi_strokes,element", the columns found by their header names.
// nullopt, with the fault in `error`, when the file is unreadable, a column is missing or a row is short.
std::optional<DictionaryEntries> readDictionaryEntries(const std::string& path, std::string& error);

// Reads a name list (one character per line; blank lines and lines starting with '#' skipped) and
// returns its entries in list order. nullopt, with every fault in `error`, when a line holds more
// than one character, a character is not in the dictionary or stands twice.
std::optional<std::vector<std::string>> joinNameList(const std::string& path, const DictionaryEntries& dictionary,
                                                     std::string& error);

}  // namespace quillan::listpack
