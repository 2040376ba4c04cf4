#pragma once

#include <string>
#include <string_view>

namespace quillan::content {

// A reading with tone marks as plain letters and a tone digit, for sorting: "zhāng" → "zhang1",
// "lǚ" → "lv3", "a" (neutral tone) → "a5". Letters without a plain form are kept as they are.
std::string pinyinSortKey(std::string_view reading);

// The first letter of a reading, upper case ("ā" → 'A'); 0 when it does not start with a letter.
char pinyinInitial(std::string_view reading);

}  // namespace quillan::content
