#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillan::common {

// Splits at every occurrence of the separator, keeping empty pieces; an empty text gives one
// empty piece, the way the program's list and reply formats expect.
std::vector<std::string> splitText(std::string_view text, std::string_view separator);

// Joins pieces with the separator between them.
std::string joinText(const std::vector<std::string>& pieces, std::string_view separator);

}  // namespace quillan::common
