#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "dataservice/SubstitutionKey.h"

namespace quillan::common {
class RandomGenerator;
}

// The layers of the wire encoding, shared by the client (which builds requests and reads replies)
// and the service (which reverses requests and builds replies).
namespace quillan::dataservice {

// The digits a permutation is drawn from; a digit's position here is its index into the permutation.
inline constexpr std::string_view kShuffleAlphabet = "ABCDEF0123456789";

// "%" and the byte's value in upper-case hex without leading zero, for every byte (0x0A -> "%A").
std::string percentStage(std::string_view bytes);

// The decimal character code of every character followed by ":" ("%" -> "37:").
std::string codeStage(std::string_view text);

// Replaces, in order and each time all occurrences, "1".."9", "0" and finally ":" by the key's
// entries 1..11. A key without exactly 11 entries gives the empty text.
std::string keyStage(std::string_view text, const SubstitutionKey& key);

// Two upper-case hex digits per byte.
std::string hexStage(std::string_view bytes);

// Pairs of hex digits (either case) back to bytes; nullopt on an odd count or a non-hex digit.
std::optional<std::string> bytesFromHex(std::string_view hex);

// A fresh permutation of kShuffleAlphabet: positions drawn one at a time among the characters left.
std::string drawPermutation(common::RandomGenerator& random);

// True when the text is a permutation of kShuffleAlphabet.
bool isPermutation(std::string_view text);

// Maps every hex digit d to permutation[position of d in kShuffleAlphabet].
std::string mapThroughPermutation(std::string_view hex, std::string_view permutation);

// The reverse mapping; nullopt when a character is not in the permutation.
std::optional<std::string> unmapThroughPermutation(std::string_view mapped, std::string_view permutation);

}  // namespace quillan::dataservice
