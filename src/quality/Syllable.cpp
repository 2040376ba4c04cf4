#include "quality/Syllable.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace quillan::quality {
namespace {

struct MarkedVowel {
  std::string_view marked;
  char vowel;  // 'v' for ü
  int tone;
};

constexpr std::array<MarkedVowel, 25> kMarkedVowels{{
    {"ā", 'a', 1}, {"á", 'a', 2}, {"ǎ", 'a', 3}, {"à", 'a', 4}, {"ē", 'e', 1}, {"é", 'e', 2}, {"ě", 'e', 3},
    {"è", 'e', 4}, {"ī", 'i', 1}, {"í", 'i', 2}, {"ǐ", 'i', 3}, {"ì", 'i', 4}, {"ō", 'o', 1}, {"ó", 'o', 2},
    {"ǒ", 'o', 3}, {"ò", 'o', 4}, {"ū", 'u', 1}, {"ú", 'u', 2}, {"ǔ", 'u', 3}, {"ù", 'u', 4}, {"ǖ", 'v', 1},
    {"ǘ", 'v', 2}, {"ǚ", 'v', 3}, {"ǜ", 'v', 4}, {"ü", 'v', 0},
}};

// Longest first, so that "zh" wins over "z".
constexpr std::array<std::string_view, 23> kInitials{"zh", "ch", "sh", "b", "p", "m", "f", "d", "t", "n", "l", "g",
                                                     "k",  "h",  "j",  "q", "x", "r", "z", "c", "s", "y", "w"};

// The finals as they stand after an initial, with y and w read as initials ("yan" → y + an, "wo" →
// w + o); "i" after y and "u" after w are their own finals ("yi", "wu").
constexpr std::array<std::string_view, 39> kFinals{"a",    "o",    "e",    "ai", "ei",  "ao", "ou",  "an", "en",  "ang",
                                                   "eng",  "ong",  "er",   "i",  "ia",  "ie", "iao", "iu", "ian", "in",
                                                   "iang", "ing",  "iong", "u",  "ua",  "uo", "uai", "ui", "uan", "un",
                                                   "uang", "ueng", "v",    "ve", "van", "vn", "m",   "n",  "ng"};

bool isKnownFinal(std::string_view final) {
  return final == "-i" || std::find(kFinals.begin(), kFinals.end(), final) != kFinals.end();
}

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool Syllable::nasal() const { return final.ends_with('n') || final.ends_with("ng"); }

bool Syllable::open() const { return !final.empty() && !nasal() && final != "m"; }

std::optional<Syllable> parseSyllable(std::string_view text) {
  Syllable syllable;
  std::string letters;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = lower(text[i]);
    if (c >= 'a' && c <= 'z') {
      letters += c;
      ++i;
      continue;
    }
    if (c >= '1' && c <= '5' && i + 1 == text.size()) {
      if (syllable.tone != 0) {
        return std::nullopt;  // a tone mark and a tone number
      }
      syllable.tone = c == '5' ? 0 : c - '0';
      ++i;
      continue;
    }
    if (c == ':' && !letters.empty() && letters.back() == 'u') {  // "lu:3"
      letters.back() = 'v';
      ++i;
      continue;
    }
    const auto marked = std::find_if(kMarkedVowels.begin(), kMarkedVowels.end(),
                                     [&](const MarkedVowel& m) { return text.substr(i).starts_with(m.marked); });
    if (marked == kMarkedVowels.end() || (marked->tone != 0 && syllable.tone != 0)) {
      return std::nullopt;
    }
    letters += marked->vowel;
    if (marked->tone != 0) {
      syllable.tone = marked->tone;
    }
    i += marked->marked.size();
  }
  if (letters.empty()) {
    return std::nullopt;
  }
  for (std::string_view initial : kInitials) {
    if (letters.starts_with(initial) && letters.size() > initial.size()) {
      syllable.initial = initial;
      break;
    }
  }
  std::string final = letters.substr(syllable.initial.size());
  const std::string& initial = syllable.initial;
  if ((initial == "j" || initial == "q" || initial == "x" || initial == "y") && final.starts_with('u')) {
    final[0] = 'v';
  }
  if (initial == "y" && final == "ou") {
    final = "iu";  // 有 you rhymes with 流 liu
  }
  if (final == "i" && (initial == "zh" || initial == "ch" || initial == "sh" || initial == "r" || initial == "z" ||
                       initial == "c" || initial == "s")) {
    final = "-i";
  }
  if (!isKnownFinal(final)) {
    return std::nullopt;
  }
  syllable.final = final;
  syllable.toneless = initial;
  for (char c : letters.substr(initial.size())) {
    syllable.toneless += c;
  }
  if (syllable.toneless.size() > initial.size() &&
      (initial == "j" || initial == "q" || initial == "x" || initial == "y") &&
      syllable.toneless[initial.size()] == 'u') {
    syllable.toneless[initial.size()] = 'v';
  }
  return syllable;
}

ToneClass toneClass(int tone) {
  if (tone == 1 || tone == 2) {
    return ToneClass::Level;
  }
  if (tone == 3 || tone == 4) {
    return ToneClass::Oblique;
  }
  return ToneClass::Toneless;
}

std::string_view toneClassName(ToneClass toneClass) {
  switch (toneClass) {
    case ToneClass::Level:
      return "平";
    case ToneClass::Oblique:
      return "仄";
    case ToneClass::Toneless:
      break;
  }
  return "轻";
}

}  // namespace quillan::quality
