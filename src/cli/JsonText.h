#pragma once

#include <string>
#include <string_view>

#include "chars/CharDetails.h"
#include "chars/CharRecord.h"

namespace quillan::cli {

// A text as a JSON string literal: quotes, backslashes and control characters escaped.
std::string jsonString(std::string_view text);

// A character as JSON: its record's five fields and what the dictionary knows besides (the element's
// basis, the 通用规范汉字表 level, its readings, its reading as a surname, its meaning).
std::string characterJson(const chars::CharRecord& record, const chars::CharDetails& details);

}  // namespace quillan::cli
