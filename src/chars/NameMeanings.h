#pragma once

#include <string_view>

namespace quillan::chars {

// What a character of the built-in lists brings to a name (data/names/meanings.tsv, built into the
// program so that a list of thousands of names can show it without asking the data service); empty
// for any other character.
std::string_view meaningOf(std::string_view character);

}  // namespace quillan::chars
