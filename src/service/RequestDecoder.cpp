#include "service/RequestDecoder.h"

#include <array>

#include "common/GbkCodec.h"
#include "dataservice/CloakStages.h"

namespace quillan::service {
namespace {

using dataservice::kShuffleAlphabet;

// A statement of the protocol is a few hundred bytes; anything far longer is not one of ours.
constexpr std::size_t kMaxStatementBytes = 4096;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c) {
  if (isDigit(c)) {
    return c - '0';
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  return -1;
}

// Key letters back to "1".."9", "0", ":"; nullopt for a byte that is not a key letter.
std::optional<std::string> reverseKeyStage(std::string_view letters, const dataservice::SubstitutionKey& key) {
  std::array<char, 256> symbolOf{};
  constexpr std::string_view kSymbols = "1234567890:";
  for (std::size_t i = 0; i < kSymbols.size(); ++i) {
    symbolOf[static_cast<unsigned char>(key[i][0])] = kSymbols[i];
  }
  std::string out;
  out.reserve(letters.size());
  for (char c : letters) {
    const char symbol = symbolOf[static_cast<unsigned char>(c)];
    if (symbol == 0) {
      return std::nullopt;
    }
    out.push_back(symbol);
  }
  return out;
}

// "37:65:" back to "%A": every piece 1-3 decimal digits ending in ":", each an ASCII code.
std::optional<std::string> reverseCodeStage(std::string_view codes) {
  std::string out;
  out.reserve(codes.size() / 3);
  std::size_t i = 0;
  while (i < codes.size()) {
    int value = 0;
    std::size_t digits = 0;
    while (i < codes.size() && isDigit(codes[i]) && digits < 4) {
      value = value * 10 + (codes[i] - '0');
      ++i;
      ++digits;
    }
    if (digits == 0 || digits > 3 || i >= codes.size() || codes[i] != ':' || value > 127) {
      return std::nullopt;
    }
    ++i;
    out.push_back(static_cast<char>(value));
  }
  return out;
}

// "%41%A" back to bytes: every byte is "%" and one or two upper-case hex digits.
std::optional<std::string> reversePercentStage(std::string_view text) {
  std::string out;
  out.reserve(text.size() / 2);
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] != '%') {
      return std::nullopt;
    }
    ++i;
    int value = 0;
    std::size_t digits = 0;
    while (i < text.size() && text[i] != '%') {
      const int digit = hexValue(text[i]);
      if (digit < 0 || digits == 2) {
        return std::nullopt;
      }
      value = value * 16 + digit;
      ++digits;
      ++i;
    }
    if (digits == 0) {
      return std::nullopt;
    }
    out.push_back(static_cast<char>(value));
  }
  return out;
}

}  // namespace

std::optional<DecodedRequest> decodeRequest(std::string_view post, const dataservice::SubstitutionKey& key) {
  if (!dataservice::isValidKey(key) || post.size() <= kShuffleAlphabet.size()) {
    return std::nullopt;
  }
  const auto permutation = post.substr(0, kShuffleAlphabet.size());
  if (!dataservice::isPermutation(permutation)) {
    return std::nullopt;
  }
  const auto hex = dataservice::unmapThroughPermutation(post.substr(kShuffleAlphabet.size()), permutation);
  if (!hex) {
    return std::nullopt;
  }
  const auto bytes = dataservice::bytesFromHex(*hex);
  if (!bytes) {
    return std::nullopt;
  }
  std::size_t clockDigits = 0;
  while (clockDigits < bytes->size() && isDigit((*bytes)[clockDigits])) {
    ++clockDigits;
  }
  const auto codes = reverseKeyStage(std::string_view(*bytes).substr(clockDigits), key);
  if (!codes || codes->empty()) {
    return std::nullopt;
  }
  const auto percent = reverseCodeStage(*codes);
  if (!percent) {
    return std::nullopt;
  }
  const auto gbk = reversePercentStage(*percent);
  if (!gbk || gbk->size() > kMaxStatementBytes) {
    return std::nullopt;
  }
  auto statement = common::gbkToUtf8(*gbk);
  if (!statement) {
    return std::nullopt;
  }
  return DecodedRequest{std::move(*statement), clockDigits > 0};
}

}  // namespace quillan::service
