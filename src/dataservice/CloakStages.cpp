#include "dataservice/CloakStages.h"

#include <array>

#include "common/RandomGenerator.h"

namespace quillan::dataservice {
namespace {

constexpr std::string_view kUpperHex = "0123456789ABCDEF";

int hexValue(char c) {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  if (c >= 'a' && c <= 'f') {
    return c - 'a' + 10;
  }
  return -1;
}

void replaceAll(std::string& text, char from, std::string_view to) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == from) {
      out.append(to);
    } else {
      out.push_back(c);
    }
  }
  text.swap(out);
}

// Position of every byte value in a 16-character text, -1 when absent.
std::array<int, 256> positionsIn(std::string_view text) {
  std::array<int, 256> positions{};
  positions.fill(-1);
  for (std::size_t i = text.size(); i-- > 0;) {
    positions[static_cast<unsigned char>(text[i])] = static_cast<int>(i);
  }
  return positions;
}

}  // namespace

std::string percentStage(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 3);
  for (char c : bytes) {
    const auto value = static_cast<unsigned char>(c);
    out.push_back('%');
    if (value >= 16) {
      out.push_back(kUpperHex[value >> 4]);
    }
    out.push_back(kUpperHex[value & 15U]);
  }
  return out;
}

std::string codeStage(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 4);
  for (char c : text) {
    out.append(std::to_string(static_cast<unsigned char>(c)));
    out.push_back(':');
  }
  return out;
}

std::string keyStage(std::string_view text, const SubstitutionKey& key) {
  if (key.size() != kKeyEntryCount) {
    return {};
  }
  // Replaced one symbol after the other, exactly as the protocol states, so that a key whose
  // entries are not plain letters still encodes the way a peer expects.
  std::string out(text);
  constexpr std::string_view kSymbols = "1234567890:";
  for (std::size_t i = 0; i < kSymbols.size(); ++i) {
    replaceAll(out, kSymbols[i], key[i]);
  }
  return out;
}

std::string hexStage(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char c : bytes) {
    const auto value = static_cast<unsigned char>(c);
    out.push_back(kUpperHex[value >> 4]);
    out.push_back(kUpperHex[value & 15U]);
  }
  return out;
}

std::optional<std::string> bytesFromHex(std::string_view hex) {
  if (hex.size() % 2 != 0) {
    return std::nullopt;
  }
  std::string out;
  out.reserve(hex.size() / 2);
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    const int high = hexValue(hex[i]);
    const int low = hexValue(hex[i + 1]);
    if (high < 0 || low < 0) {
      return std::nullopt;
    }
    out.push_back(static_cast<char>((high << 4) | low));
  }
  return out;
}

std::string drawPermutation(common::RandomGenerator& random) {
  std::string left(kShuffleAlphabet);
  std::string permutation;
  permutation.reserve(left.size());
  while (!left.empty()) {
    const auto at = static_cast<std::size_t>(random.position(static_cast<int>(left.size())) - 1);
    permutation.push_back(left[at]);
    left.erase(at, 1);
  }
  return permutation;
}

bool isPermutation(std::string_view text) {
  if (text.size() != kShuffleAlphabet.size()) {
    return false;
  }
  std::array<bool, 256> seen{};
  for (char c : text) {
    auto& slot = seen[static_cast<unsigned char>(c)];
    if (slot || kShuffleAlphabet.find(c) == std::string_view::npos) {
      return false;
    }
    slot = true;
  }
  return true;
}

std::string mapThroughPermutation(std::string_view hex, std::string_view permutation) {
  static const auto alphabetPositions = positionsIn(kShuffleAlphabet);
  std::string out;
  out.reserve(hex.size());
  for (char c : hex) {
    const int i = alphabetPositions[static_cast<unsigned char>(c)];
    out.push_back(i >= 0 && static_cast<std::size_t>(i) < permutation.size() ? permutation[static_cast<std::size_t>(i)]
                                                                             : c);
  }
  return out;
}

std::optional<std::string> unmapThroughPermutation(std::string_view mapped, std::string_view permutation) {
  const auto positions = positionsIn(permutation.substr(0, kShuffleAlphabet.size()));
  std::string out;
  out.reserve(mapped.size());
  for (char c : mapped) {
    const int i = positions[static_cast<unsigned char>(c)];
    if (i < 0) {
      return std::nullopt;
    }
    out.push_back(kShuffleAlphabet[static_cast<std::size_t>(i)]);
  }
  return out;
}

}  // namespace quillan::dataservice
