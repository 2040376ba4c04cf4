#pragma once

#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace quillan::dictionary {

// The Unihan fields the importer reads for one code point, as Unihan writes them.
struct UnihanEntry {
  std::string mandarin;                       // kMandarin: "zi", "fàn"
  std::string xhc1983;                        // kXHC1983: "1531.040:zǐ"
  std::string tghz2013;                       // kTGHZ2013: "491.190:zǐ"
  std::string hanyuPinyin;                    // kHanyuPinyin: "21006.060:zǐ,zi"
  std::string rsKangXi;                       // kRSKangXi: "39.0"
  std::string rsUnicode;                      // kRSUnicode: "39.0", "120'.3"
  std::string totalStrokes;                   // kTotalStrokes: "8 9" (mainland count first, then Taiwan's)
  std::vector<char32_t> traditionalVariants;  // kTraditionalVariant
  bool inKangXi = false;                      // has a kKangXi index
  std::string cantonese;                      // kCantonese: "gong1", "hoeng1 hoeng2"
  int tghIndex = 0;                           // kTGH: the index in the 通用规范汉字表 (2013:1234), 0 outside it
};

// The part of Unihan the importer needs, plus the radical table of CJKRadicals.txt.
struct UnihanData {
  std::unordered_map<char32_t, UnihanEntry> entries;
  std::map<int, char32_t> radicalIdeographs;  // Kangxi radical number -> its own ideograph (水 for 85)
  std::string version;                        // "15.0.0", from the file headers

  const UnihanEntry* find(char32_t codePoint) const;
};

// Reads Unihan_{Readings,RadicalStrokeCounts,IRGSources,Variants,DictionaryIndices,OtherMappings}.txt.bz2 and
// CJKRadicals.txt from `directory`. nullopt, with a message in `error`, when a file is missing or damaged.
std::optional<UnihanData> loadUnihan(const std::string& directory, std::string& error);

}  // namespace quillan::dictionary
