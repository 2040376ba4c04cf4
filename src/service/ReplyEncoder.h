#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "service/DataStore.h"

namespace quillan::common {
class RandomGenerator;
}

namespace quillan::service {

// The protocol's marker for no result or an error.
inline constexpr std::string_view kNoResult = "-1";

// The plain reply: the header row of column names, then the data rows, cells joined by
// "[xW|Col]" and rows by "[xW|Row]"; "-1" when there are no rows.
std::string replyText(const StoreAnswer& answer);

// The reply under its hex-and-shuffle layer: GBK bytes (plus the trailer, when given), two hex
// digits each, mapped through a fresh permutation that leads the result. A text GBK cannot carry
// is answered as "-1", never with substituted characters.
std::string cloakReply(std::string_view text, std::optional<std::string_view> trailer, common::RandomGenerator& random);

// The 10-character trailer for clock requests: the service's clock in seconds, zero-padded.
std::string clockTrailer(std::int64_t seconds);

}  // namespace quillan::service
