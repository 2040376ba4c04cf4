#pragma once

#include <string_view>

namespace quillan::common {

// One line on standard error for a failure that a caller cannot see otherwise (a page that could
// not be made, a store that cannot be read): "quillan: <where>: <reason>". Lines from several
// threads never mix. Said once, where the failure happens, not again by every caller.
void logFailure(std::string_view where, std::string_view reason);

}  // namespace quillan::common
