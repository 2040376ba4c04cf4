#include "dataservice/Cloak.h"

#include "common/GbkCodec.h"
#include "dataservice/CloakStages.h"

namespace quillan::dataservice {

std::string cloakText(std::string_view text, const SubstitutionKey& key, std::optional<std::int64_t> clock,
                      common::RandomGenerator& random) {
  const auto bytes = common::utf8ToGbk(text);
  if (!bytes) {
    return {};
  }
  const std::string keyed = keyStage(codeStage(percentStage(*bytes)), key);
  if (keyed.empty()) {
    return {};
  }
  const std::string hex = hexStage(keyed);
  std::string out = drawPermutation(random);
  if (clock) {
    out.append(mapThroughPermutation(hexStage(std::to_string(*clock)), out));
  }
  out.append(mapThroughPermutation(hex, std::string_view(out).substr(0, kShuffleAlphabet.size())));
  return out;
}

std::string uncloakText(std::string_view answer, bool clockSynced) {
  if (answer.size() < kShuffleAlphabet.size()) {
    return {};
  }
  const std::string permutation(answer.substr(0, kShuffleAlphabet.size()));
  std::string rest;
  rest.reserve(answer.size());
  std::size_t from = 0;
  for (std::size_t at = answer.find(permutation); at != std::string_view::npos; at = answer.find(permutation, from)) {
    rest.append(answer.substr(from, at - from));
    from = at + permutation.size();
  }
  rest.append(answer.substr(from));

  const auto hex = unmapThroughPermutation(rest, permutation);
  if (!hex) {
    return {};
  }
  const auto bytes = bytesFromHex(*hex);
  if (!bytes) {
    return {};
  }
  auto text = common::gbkToUtf8(*bytes);
  if (!text) {
    return {};
  }
  if (clockSynced) {
    auto codePoints = common::decodeUtf8(*text);
    if (!codePoints || codePoints->size() <= kClockTrailerLength) {
      return {};
    }
    codePoints->resize(codePoints->size() - kClockTrailerLength);
    std::string cut;
    for (char32_t c : *codePoints) {
      common::appendUtf8(cut, c);
    }
    return cut;
  }
  return *text;
}

}  // namespace quillan::dataservice
