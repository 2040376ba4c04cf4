#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "UnihanData.h"

namespace quillan::dictionary {

// True when the reading carries a tone mark (ā á ǎ à …, ḿ, ǹ, or a combining tone mark).
bool hasToneMark(std::string_view reading);

// The readings of one Unihan reading field, in order: kMandarin is a blank-separated list; kXHC1983,
// kTGHZ2013 and kHanyuPinyin hold "location:reading,reading" items.
std::vector<std::string> fieldReadings(std::string_view value, bool withLocations);

// The reading without tone marks ("ér" -> "er", "ḿ" -> "m").
std::string tonelessPinyin(std::string_view reading);

// A reading as GBK can carry it: unchanged when GBK encodes it; else without its tone mark
// (ḿ -> m, ê̄ -> ê); else without any diacritic.
std::string gbkReading(std::string_view reading);

// The pinyin of a character: the first kMandarin reading; when it has no tone, the first toned
// reading of kXHC1983, then of kTGHZ2013, then of kHanyuPinyin; failing those the first reading
// found at all. Empty when Unihan has no Mandarin reading.
std::string mainPinyin(const UnihanEntry& entry);

// Every modern Mandarin reading, the main pinyin first: kMandarin, kXHC1983 and kTGHZ2013 in that
// order, each once; kHanyuPinyin only when those three are empty.
std::vector<std::string> allReadings(const UnihanEntry& entry);

}  // namespace quillan::dictionary
