#include "dataservice/HttpAddress.h"

#include <algorithm>
#include <cctype>

namespace quillan::dataservice {

std::optional<HttpAddress> parseHttpAddress(std::string_view address) {
  constexpr std::string_view kScheme = "http://";
  if (address.size() < kScheme.size() ||
      !std::equal(kScheme.begin(), kScheme.end(), address.begin(),
                  [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); })) {
    return std::nullopt;
  }
  address.remove_prefix(kScheme.size());
  HttpAddress out;
  const auto slash = address.find('/');
  std::string_view authority = address.substr(0, slash);
  if (slash != std::string_view::npos) {
    out.path = std::string(address.substr(slash));
  }
  const auto colon = authority.find(':');
  if (colon != std::string_view::npos) {
    const auto portText = authority.substr(colon + 1);
    if (portText.empty() || portText.size() > 5 ||
        !std::all_of(portText.begin(), portText.end(), [](char c) { return c >= '0' && c <= '9'; })) {
      return std::nullopt;
    }
    out.port = std::stoi(std::string(portText));
    if (out.port < 1 || out.port > 65535) {
      return std::nullopt;
    }
    authority = authority.substr(0, colon);
  }
  if (authority.empty()) {
    return std::nullopt;
  }
  out.host = std::string(authority);
  return out;
}

}  // namespace quillan::dataservice
