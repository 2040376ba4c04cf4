#pragma once

#include <map>
#include <string>
#include <vector>

namespace quillan::dictionary::test {

// data/dictionary/characters.tsv as the tests read it: the header, and each row's fields by column name.
struct CharacterTable {
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;
  std::map<std::string, std::size_t> rowOf;  // simplified -> index into rows

  // One field of a character's row; empty when the character or the column is missing.
  std::string field(const std::string& simplified, const std::string& column) const;
  std::size_t column(const std::string& name) const;
};

// Reads the committed table; an unreadable file gives an empty table.
const CharacterTable& committedTable();

// The lines of a text file, line ends removed.
std::vector<std::string> readLines(const std::string& path);

}  // namespace quillan::dictionary::test
