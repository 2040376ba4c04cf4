#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillan::dataservice {

// The parts of a plain HTTP address: the host after "http://" up to the next "/" (without a
// ":port" suffix), the port after ":" (80 without one) and the path from that "/" on ("/").
struct HttpAddress {
  std::string host;
  int port = 80;
  std::string path = "/";
};

// nullopt for an empty address, another scheme, an empty host or a port outside 1-65535.
std::optional<HttpAddress> parseHttpAddress(std::string_view address);

}  // namespace quillan::dataservice
