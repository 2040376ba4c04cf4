// libFuzzer target: the service's request decoding and its whitelist of statements.
// First byte: bit 0 = treat the rest as a statement, cloak it as a client would (with a clock when
// bit 1 is set) and check that it decodes back unchanged; otherwise the rest is a "post" value.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/RandomGenerator.h"
#include "dataservice/Cloak.h"
#include "service/QueryWhitelist.h"
#include "service/RequestDecoder.h"

namespace {

void checkAllowed(const std::string& statement) {
  using quillan::service::QueryKind;
  const auto query = quillan::service::recognizeQuery(statement);
  if (!query) {
    return;
  }
  // Whatever passed holds exactly one checked value and none of SQL's quoting characters.
  if (query->value.empty() || query->value.find_first_of("'\";%_-\\") != std::string::npos) {
    std::abort();
  }
  if (query->kind == QueryKind::NumberTexts) {
    const int number = std::stoi(query->value);
    if (number < 1 || number > 81 || std::to_string(number) != query->value) {
      std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const auto key = quillan::dataservice::splitKeyText("q,w,e,r,t,y,u,i,o,p,a");
  if (size == 0) {
    return 0;
  }
  const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
  if ((data[0] & 1U) != 0) {
    quillan::common::RandomGenerator random(size);
    const auto clock = (data[0] & 2U) != 0 ? std::optional<std::int64_t>(1733800000) : std::nullopt;
    const auto post = quillan::dataservice::cloakText(input, key, clock, random);
    if (post.empty()) {
      return 0;  // not encodable (or empty): the client sends nothing
    }
    const auto decoded = quillan::service::decodeRequest(post, key);
    if (!decoded || decoded->statement != input || decoded->carriedClock != clock.has_value()) {
      std::abort();
    }
    checkAllowed(decoded->statement);
    return 0;
  }
  if (const auto decoded = quillan::service::decodeRequest(input, key)) {
    checkAllowed(decoded->statement);
  }
  return 0;
}
