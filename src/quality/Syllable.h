#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillan::quality {

// 平 (tones 1 and 2), 仄 (tones 3 and 4), or no tone to judge (neutral or missing).
enum class ToneClass { Level, Oblique, Toneless };

// One pinyin syllable taken apart. "ü" is written "v" in the toneless forms, and the "u" after j, q,
// x and y is the "ü" it stands for, so that 居 ju and 女 nv share their final.
struct Syllable {
  std::string toneless;  // "lv", "zhuang"
  std::string initial;   // "zh"; y and w count as initials as written; empty for 爱 ai
  std::string final;     // "uang"; "-i" for the vowel after zh ch sh r z c s
  int tone = 0;          // 1-4; 0 for a neutral or missing tone

  bool operator==(const Syllable&) const = default;

  bool nasal() const;  // the final ends in n or ng
  bool open() const;   // the final ends in a vowel
};

// A syllable written with tone marks ("lǚ"), tone numbers ("lv3", "lu:3") or neither ("lv"); case is
// ignored. nullopt when the text is no pinyin syllable (an unknown final, a stray character).
std::optional<Syllable> parseSyllable(std::string_view text);

ToneClass toneClass(int tone);

// "平", "仄" or "轻".
std::string_view toneClassName(ToneClass toneClass);

}  // namespace quillan::quality
