#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillan::common {

// Splits at every occurrence of the separator, keeping empty pieces; an empty text gives one
// empty piece, the way the program's list and reply formats expect.
std::vector<std::string> splitText(std::string_view text, std::string_view separator);

// The characters of a UTF-8 text, each as its own UTF-8 text, in order; empty for invalid UTF-8.
std::vector<std::string> splitCharacters(std::string_view text);

// Joins pieces with the separator between them.
std::string joinText(const std::vector<std::string>& pieces, std::string_view separator);

}  // namespace quillan::common
