#include "service/ReplyEncoder.h"

#include <cstdio>

#include "common/GbkCodec.h"
#include "common/RandomGenerator.h"
#include "dataservice/Cloak.h"
#include "dataservice/CloakStages.h"

namespace quillan::service {

std::string replyText(const StoreAnswer& answer) {
  if (answer.rows.empty()) {
    return std::string(kNoResult);
  }
  std::string out;
  auto appendRow = [&out](const std::vector<std::string>& cells) {
    for (std::size_t c = 0; c < cells.size(); ++c) {
      if (c > 0) {
        out.append("[xW|Col]");
      }
      out.append(cells[c]);
    }
  };
  appendRow(answer.columns);
  for (const auto& row : answer.rows) {
    out.append("[xW|Row]");
    appendRow(row);
  }
  return out;
}

std::string cloakReply(std::string_view text, std::optional<std::string_view> trailer,
                       common::RandomGenerator& random) {
  auto bytes = common::utf8ToGbk(text);
  if (!bytes) {
    bytes = std::string(kNoResult);
  }
  if (trailer) {
    bytes->append(*trailer);
  }
  const std::string hex = dataservice::hexStage(*bytes);
  // The client removes every copy of the permutation from the reply, so the mapped data must not
  // contain one by chance.
  while (true) {
    std::string out = dataservice::drawPermutation(random);
    const std::string mapped = dataservice::mapThroughPermutation(hex, out);
    if (mapped.find(out) == std::string::npos) {
      out.append(mapped);
      return out;
    }
  }
}

std::string clockTrailer(std::int64_t seconds) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%010lld", static_cast<long long>(seconds));
  std::string trailer(buffer);
  return trailer.substr(trailer.size() - dataservice::kClockTrailerLength);
}

}  // namespace quillan::service
