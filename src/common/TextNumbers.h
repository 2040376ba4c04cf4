#pragma once

#include <string_view>

namespace quillan::common {

// The leading decimal integer of a text, leading blanks skipped; a text without leading digits
// reads 0 ("", "生日"). Used for stroke counts, grid numbers and the date selectors.
int textToInt(std::string_view text);

// The leading decimal number of a text read the same way: " 0.8" reads 0.8, " 7" reads 7.
double textToNumber(std::string_view text);

}  // namespace quillan::common
