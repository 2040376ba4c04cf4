#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "chartable/CharacterTable.h"

namespace quillan::dictionary::test {

// data/dictionary/characters.tsv as the program reads it; the test fails at its first use when
// the file is unreadable or malformed.
const chartable::CharacterTable& committedTable();

// One field of a character's row by its column name, as the file writes it; empty when the
// character is missing.
std::string field(std::string_view simplified, std::string_view column);

// The lines of a text file, line ends removed.
std::vector<std::string> readLines(const std::string& path);

}  // namespace quillan::dictionary::test
