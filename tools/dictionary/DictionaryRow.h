#pragma once

#include <string>

namespace quillan::dictionary {

// One row of data/dictionary/characters.tsv, and how its values came about (for the review file).
struct DictionaryRow {
  int id = 0;  // the GBK code as a number (0xB0A1 -> 45217): stable and in GBK code order
  std::string simplified;
  std::string traditional;
  std::string pinyin;
  int kangxiStrokes = 0;
  int simplifiedStrokes = 0;
  int radical = 0;  // Kangxi radical number of the traditional form
  std::string element;
  std::string readings;      // every modern Mandarin reading, blank-separated, the pinyin first
  int tghLevel = 0;          // the level in the 通用规范汉字表 (1, 2, 3), 0 outside it
  std::string elementBasis;  // which rule gave the element: override, meaning, radical, sound

  std::string traditionalSource;  // same, opencc+unihan, opencc, kept (Kangxi entry), not-gbk, override
  std::string strokesSource;      // "85:4+7", "own", "radical", "numeral", "override"
  std::string elementSource;      // "radical 85", "override", "meaning", "sound j→gong"
};

// The header line of characters.tsv, without the line end.
inline constexpr const char* kDictionaryHeader =
    "id\tsimplified\ttraditional\tpinyin\tkangxi_strokes\tsimplified_strokes\tradical\telement\treadings\t"
    "tgh_level\telement_basis";

}  // namespace quillan::dictionary
