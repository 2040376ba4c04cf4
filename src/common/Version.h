#pragma once

#include <string_view>

namespace quillan::common {

// The release every program reports (--version, the about box, the data service's health reply).
std::string_view programVersion();

}  // namespace quillan::common
