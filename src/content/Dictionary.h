#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quillan::content {

// One row of the character dictionary, the columns the folk pages show.
struct DictionaryEntry {
  int id = 0;  // the character's GBK code (B0A1 is 45217)
  std::string simplified;
  std::string traditional;
  std::string pinyin;  // the usual reading
  int kangxiStrokes = 0;
  std::vector<std::string> readings;  // every reading, the usual one first
};

// The dictionary rows by character. Where a character has several rows, the one with the highest
// id wins, as in the data service's lookup.
class Dictionary {
 public:
  explicit Dictionary(std::vector<DictionaryEntry> entries);

  const DictionaryEntry* find(std::string_view simplified) const;

  // In the order given.
  std::span<const DictionaryEntry> entries() const { return entries_; }

 private:
  std::vector<DictionaryEntry> entries_;
  std::map<std::string, std::size_t, std::less<>> bySimplified_;
};

// The rows of data/dictionary/characters.tsv (a header line naming the columns id, simplified,
// traditional, pinyin, kangxi_strokes and readings, then tab-separated rows); nullopt when a
// column is missing or a row is malformed.
std::optional<std::vector<DictionaryEntry>> parseDictionaryTsv(std::string_view tsv);

// Readings as the dictionary keeps them: separated by blanks.
std::vector<std::string> splitReadings(std::string_view readings);

}  // namespace quillan::content
