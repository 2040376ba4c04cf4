#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "dataservice/SubstitutionKey.h"

namespace quillan::service {

struct DecodedRequest {
  std::string statement;  // UTF-8
  bool carriedClock = false;
};

// Reverses the client's layers on the "post" value of a request: the permutation (its first 16
// characters, which must be a permutation of "ABCDEF0123456789"), the optional clock part (bytes
// that are ASCII digits; the key stage yields only key letters), the hex stage, the key stage with
// the configured key, the code stage, the percent stage and GBK. nullopt when any layer does not
// reverse cleanly.
std::optional<DecodedRequest> decodeRequest(std::string_view post, const dataservice::SubstitutionKey& key);

}  // namespace quillan::service
