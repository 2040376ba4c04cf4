#pragma once

#include <string>
#include <string_view>

#include "chars/CharDetails.h"
#include "chars/CharRecord.h"
#include "quality/NameQuality.h"

namespace quillan::cli {

// A text as a JSON string literal: quotes, backslashes and control characters escaped.
std::string jsonString(std::string_view text);

// A character as JSON: its record's five fields and what the dictionary knows besides (the element's
// basis, the 通用规范汉字表 level, its readings, its reading as a surname, its meaning).
std::string characterJson(const chars::CharRecord& record, const chars::CharDetails& details);

// The gate ids of a bit set (1 << gate) as a JSON array: ["G3","G4"].
std::string gateIdsJson(unsigned gates);

// How a name reads: {"syllables":[{"character","pinyin","tone","toneClass"}…],"pattern":"仄平平",
// "euphony":{"score":74,"base":70,"reasons":[{"points":5,"text":"…"}…]},"passes":true,
// "warnings":[{"gate":"G4","blocking":false,"text":"…"}…]}.
std::string qualityJson(const quality::Assessment& assessment);

}  // namespace quillan::cli
