#include "content/PageAddress.h"

namespace quillan::content {

std::string pageAddress(std::string_view baseAddress, std::string_view section, std::string_view file) {
  std::string address;
  address.reserve(baseAddress.size() + 6 + section.size() + file.size());
  address.append(baseAddress).append("tovka/").append(section).append(file);
  return address;
}

}  // namespace quillan::content
