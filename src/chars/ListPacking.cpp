#include "chars/ListPacking.h"

namespace quillan::chars {
namespace {

constexpr std::string_view kHexDigits = "0123456789ABCDEF";

int digitValue(char c) {
  if (c >= 'a' && c <= 'z') {
    c = static_cast<char>(c - 'a' + 'A');
  }
  const auto at = kHexDigits.find(c);
  return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

}  // namespace

std::string unpackList(std::string_view packed, std::uint8_t key) {
  std::string plain;
  plain.reserve(packed.size() / 2);
  for (std::size_t i = 0; i < packed.size(); i += 2) {
    int value = digitValue(packed[i]);
    if (i + 1 < packed.size()) {
      value = value * 16 + digitValue(packed[i + 1]);
    }
    const auto byte = static_cast<std::uint8_t>((static_cast<unsigned>(value) & 0xFFU) ^ key);
    if (byte == 0) {
      break;
    }
    plain.push_back(static_cast<char>(byte));
  }
  return plain;
}

std::string packList(std::string_view plain, std::uint8_t key) {
  std::string packed;
  packed.reserve(plain.size() * 2);
  for (char c : plain) {
    const auto byte = static_cast<std::uint8_t>(static_cast<std::uint8_t>(c) ^ key);
    packed.push_back(kHexDigits[byte >> 4]);
    packed.push_back(kHexDigits[byte & 0x0F]);
  }
  return packed;
}

}  // namespace quillan::chars
