#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillan::content {

// The charset a page declares: in the Content-Type of its raw response headers, else in a meta
// element near its start; lower case, empty when it declares none.
std::string declaredCharset(std::string_view body, std::string_view headers);

// The page as UTF-8 by its declared charset (GBK and its relatives, or UTF-8); a page that declares
// none is read as GBK, the program's encoding. nullopt when the bytes do not fit the charset or
// the charset is another one.
std::optional<std::string> decodePage(std::string_view body, std::string_view headers);

}  // namespace quillan::content
