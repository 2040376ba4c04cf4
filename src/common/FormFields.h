#pragma once

#include <optional>
#include <string_view>

namespace quillan::common {

// The value of one field of a "name=value&name=value" text (an address query or a form body),
// taken as it stands (the program's own texts need no decoding): the empty text for a field
// without "=", nullopt when the field is absent.
std::optional<std::string_view> formField(std::string_view text, std::string_view name);

}  // namespace quillan::common
