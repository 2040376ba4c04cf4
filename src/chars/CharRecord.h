#pragma once

#include <string>
#include <string_view>

namespace quillan::chars {

// What the program knows of one character, in the fixed order of a list entry
// ("儿,兒,er,8,金") and of the dictionary lookup (sources/LookupColumns.h).
struct CharRecord {
  std::string simplified;
  std::string traditional;
  std::string pinyin;
  std::string strokes;  // Kangxi stroke count, decimal text
  std::string element;  // 木 火 土 金 水, by meaning

  bool operator==(const CharRecord&) const = default;

  int strokeCount() const;  // an empty or non-numeric text counts 0
};

// The five comma-separated fields of an entry, as they stand; missing fields stay empty.
CharRecord parseEntry(std::string_view entry);

// The entry text of a record: its five fields joined by ",".
std::string entryText(const CharRecord& record);

// One record for a two-character surname: texts joined without separator, strokes of the second.
CharRecord mergeSurname(const CharRecord& first, const CharRecord& second);

}  // namespace quillan::chars
