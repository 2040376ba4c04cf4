#pragma once

#include <string>
#include <string_view>

namespace quillan::content {

// Every content page lies under the data service's base address: base + "tovka/" + section + file.
std::string pageAddress(std::string_view baseAddress, std::string_view section, std::string_view file);

}  // namespace quillan::content
