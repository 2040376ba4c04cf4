#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillan::common {

enum class EmptyFields { Refused, Allowed };

// The data rows of a tab-separated table text (one header line, LF line ends, one field per tab,
// none empty unless allowed), each split into its fields. Throws std::invalid_argument naming `name` and the line
// when the header is not `header` or a row is not so: the tables are built in or shipped with the
// program, so a bad one is a fault of the build, never of the user.
std::vector<std::vector<std::string>> tsvRows(std::string_view text, std::string_view name, std::string_view header,
                                              EmptyFields empties = EmptyFields::Refused);

}  // namespace quillan::common
