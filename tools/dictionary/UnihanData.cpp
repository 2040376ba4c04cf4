#include "UnihanData.h"

#include <fstream>
#include <string_view>

#include "BzipLines.h"
#include "common/TextSplit.h"

namespace quillan::dictionary {
namespace {

// "U+5B50" -> 0x5B50; 0 when the text is not a code point.
char32_t parseCodePoint(std::string_view text) {
  if (text.size() < 3 || text.substr(0, 2) != "U+") {
    return 0;
  }
  char32_t value = 0;
  for (char c : text.substr(2)) {
    int digit = -1;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    }
    if (digit < 0) {
      return 0;
    }
    value = value * 16 + static_cast<char32_t>(digit);
  }
  return value;
}

// "U+9F8D U+9F92<kMatthews" -> the code points, sources dropped.
std::vector<char32_t> parseCodePoints(std::string_view value) {
  std::vector<char32_t> out;
  for (const auto& item : common::splitText(value, " ")) {
    const auto source = item.find('<');
    if (const char32_t c = parseCodePoint(std::string_view(item).substr(0, source)); c != 0) {
      out.push_back(c);
    }
  }
  return out;
}

void store(UnihanEntry& entry, std::string_view field, std::string_view value) {
  if (field == "kMandarin") {
    entry.mandarin = value;
  } else if (field == "kXHC1983") {
    entry.xhc1983 = value;
  } else if (field == "kTGHZ2013") {
    entry.tghz2013 = value;
  } else if (field == "kHanyuPinyin") {
    entry.hanyuPinyin = value;
  } else if (field == "kRSKangXi") {
    entry.rsKangXi = value;
  } else if (field == "kRSUnicode") {
    entry.rsUnicode = value;
  } else if (field == "kTotalStrokes") {
    entry.totalStrokes = value;
  } else if (field == "kTraditionalVariant") {
    entry.traditionalVariants = parseCodePoints(value);
  } else if (field == "kKangXi") {
    entry.inKangXi = true;
  } else if (field == "kCantonese") {
    entry.cantonese = value;
  } else if (field == "kTGH") {
    // "2013:1234": the year of the table, then the character's index in it.
    const auto colon = value.find(':');
    entry.tghIndex = colon == std::string_view::npos ? 0 : std::stoi(std::string(value.substr(colon + 1)));
  }
}

bool loadFile(const std::string& path, UnihanData& data, std::string& error) {
  constexpr std::string_view kVersionLine = "# Unicode version: ";
  return forEachBzipLine(
      path,
      [&data, kVersionLine](std::string_view line) {
        if (line.starts_with(kVersionLine)) {
          data.version = line.substr(kVersionLine.size());
          return;
        }
        if (line.empty() || line[0] == '#') {
          return;
        }
        const auto tab1 = line.find('\t');
        const auto tab2 = line.find('\t', tab1 + 1);
        if (tab1 == std::string_view::npos || tab2 == std::string_view::npos) {
          return;
        }
        const char32_t c = parseCodePoint(line.substr(0, tab1));
        if (c != 0) {
          store(data.entries[c], line.substr(tab1 + 1, tab2 - tab1 - 1), line.substr(tab2 + 1));
        }
      },
      error);
}

// CJKRadicals.txt: "85; 2F54; 6C34" -- radical number (primed for simplified forms), radical, ideograph.
bool loadRadicals(const std::string& path, UnihanData& data, std::string& error) {
  std::ifstream in(path);
  if (!in) {
    error = "cannot open " + path;
    return false;
  }
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') {
      continue;
    }
    const auto fields = common::splitText(line, ";");
    if (fields.size() != 3 || fields[0].find('\'') != std::string::npos) {
      continue;
    }
    const int number = std::stoi(fields[0]);
    const char32_t ideograph = parseCodePoint("U+" + fields[2].substr(fields[2].find_first_not_of(' ')));
    if (ideograph != 0) {
      data.radicalIdeographs[number] = ideograph;
    }
  }
  if (data.radicalIdeographs.size() != 214) {
    error = "expected the 214 Kangxi radicals in " + path;
    return false;
  }
  return true;
}

}  // namespace

const UnihanEntry* UnihanData::find(char32_t codePoint) const {
  const auto it = entries.find(codePoint);
  return it == entries.end() ? nullptr : &it->second;
}

std::optional<UnihanData> loadUnihan(const std::string& directory, std::string& error) {
  UnihanData data;
  for (const char* part :
       {"Readings", "RadicalStrokeCounts", "IRGSources", "Variants", "DictionaryIndices", "OtherMappings"}) {
    if (!loadFile(directory + "/Unihan_" + part + ".txt.bz2", data, error)) {
      return std::nullopt;
    }
  }
  if (!loadRadicals(directory + "/CJKRadicals.txt", data, error)) {
    return std::nullopt;
  }
  return data;
}

}  // namespace quillan::dictionary
