#pragma once

#include <array>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The character dictionary, data/dictionary/characters.tsv: the one reader of its format, for the
// build's tools, the data service and the tests.
namespace quillan::chartable {

// One row of the dictionary (see data/dictionary/README.md).
struct CharacterRow {
  int id = 0;  // the character's GBK code (B0A1 is 45217)
  std::string simplified;
  std::string traditional;
  std::string pinyin;  // the usual reading, tone marks
  int kangxiStrokes = 0;
  int simplifiedStrokes = 0;
  int radical = 0;  // Kangxi radical number, 1-214
  std::string element;
  std::vector<std::string> readings;  // every reading, the usual one first
  int tghLevel = 0;                   // level 1, 2 or 3 of the 通用规范汉字表; 0 outside it
  std::string elementBasis;           // override, meaning, radical or sound

  bool operator==(const CharacterRow&) const = default;
};

// The header line's columns, in their fixed order.
inline constexpr std::array<std::string_view, 11> kColumns = {
    "id",      "simplified", "traditional", "pinyin",    "kangxi_strokes", "simplified_strokes",
    "radical", "element",    "readings",    "tgh_level", "element_basis"};

// The element bases, in the order the rules are tried.
inline constexpr std::array<std::string_view, 4> kElementBases = {"override", "meaning", "radical", "sound"};

// The rows by character. Where a character has several rows, the one with the highest id wins, as
// in the data service's lookup.
class CharacterTable {
 public:
  CharacterTable() = default;
  explicit CharacterTable(std::vector<CharacterRow> rows);

  // The table of a file's text: the fixed header, then one tab-separated row per line. nullopt, with
  // the line and the fault in `error`, for any other header, a short or long row or a bad number.
  static std::optional<CharacterTable> parse(std::string_view text, std::string& error);
  // The same for a file; an unreadable file is an error too.
  static std::optional<CharacterTable> read(const std::filesystem::path& path, std::string& error);

  const CharacterRow* find(std::string_view simplified) const;

  // In file order.
  const std::vector<CharacterRow>& rows() const { return rows_; }

 private:
  std::vector<CharacterRow> rows_;
  std::map<std::string, std::size_t, std::less<>> bySimplified_;
};

// Readings as the table keeps them: separated by blanks.
std::vector<std::string> splitReadings(std::string_view readings);

}  // namespace quillan::chartable
