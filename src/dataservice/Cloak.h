#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "dataservice/SubstitutionKey.h"

namespace quillan::common {
class RandomGenerator;
}

namespace quillan::dataservice {

// The characters of the reply trailer the service adds when a request carried the clock.
inline constexpr std::size_t kClockTrailerLength = 10;

// Encodes a query text (UTF-8) for the request body: GBK bytes through the percent, code, key and
// hex stages, then every hex digit mapped through a fresh permutation P drawn from `random`.
// Result: P, the clock part (the clock's decimal text, hex, mapped) when `clock` is given, then the
// mapped data. Empty when the key has not 11 entries or the text has a character GBK lacks.
std::string cloakText(std::string_view text, const SubstitutionKey& key, std::optional<std::int64_t> clock,
                      common::RandomGenerator& random);

// Decodes a reply: P is its first 16 characters and every occurrence of P is removed; the rest is
// mapped back, read as hex bytes and taken as GBK text. With `clockSynced` the last 10 characters
// (the service's trailer) are cut. Empty when the reply is empty or cannot be decoded.
std::string uncloakText(std::string_view answer, bool clockSynced);

}  // namespace quillan::dataservice
