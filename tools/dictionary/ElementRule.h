#pragma once

#include <string>
#include <string_view>

namespace quillan::dictionary {

// Why a character has its element, in the order the rules are tried (the column element_basis).
inline constexpr std::string_view kBasisOverride = "override";  // a reasoned override
inline constexpr std::string_view kBasisMeaning = "meaning";    // the character names a thing of the element
inline constexpr std::string_view kBasisRadical = "radical";    // its meaning part, the radical
inline constexpr std::string_view kBasisSound = "sound";        // the class of its initial (五音)

// The element by the sound: the old five classes of initials (五音) — lips b p m f 水, tongue
// d t n l 火, molars g k 木, throat h 土, teeth z c s zh ch sh r 金, and the syllable er (日母) 金.
// Modern j q x and the zero initial merge old classes, so they are taken from the character's
// Cantonese reading, which keeps them apart: Cantonese g k gw kw (and ng, the old 疑母) 木,
// h 土, z c s 金, m 水, any other 土 (the throat). Without a Cantonese reading the modern class
// stands: j q x 金, the zero initial 土.
std::string soundElement(std::string_view tonedPinyin, std::string_view cantonese);

}  // namespace quillan::dictionary
