#pragma once

#include <string>
#include <string_view>

namespace quillan::cli {

// A text as a JSON string literal: quotes, backslashes and control characters escaped.
std::string jsonString(std::string_view text);

}  // namespace quillan::cli
