#include "content/PinyinKey.h"

#include <array>

#include "common/GbkCodec.h"

namespace quillan::content {
namespace {

struct ToneLetter {
  char32_t letter;
  const char* plain;
  int tone;
};

constexpr std::array<ToneLetter, 30> kToneLetters = {{
    {U'ā', "a", 1}, {U'á', "a", 2}, {U'ǎ', "a", 3}, {U'à', "a", 4}, {U'ē', "e", 1}, {U'é', "e", 2},
    {U'ě', "e", 3}, {U'è', "e", 4}, {U'ī', "i", 1}, {U'í', "i", 2}, {U'ǐ', "i", 3}, {U'ì', "i", 4},
    {U'ō', "o", 1}, {U'ó', "o", 2}, {U'ǒ', "o", 3}, {U'ò', "o", 4}, {U'ū', "u", 1}, {U'ú', "u", 2},
    {U'ǔ', "u", 3}, {U'ù', "u", 4}, {U'ǖ', "v", 1}, {U'ǘ', "v", 2}, {U'ǚ', "v", 3}, {U'ǜ', "v", 4},
    {U'ü', "v", 5}, {U'ń', "n", 2}, {U'ň', "n", 3}, {U'ǹ', "n", 4}, {U'ḿ', "m", 2}, {U'ê', "e", 5},
}};

}  // namespace

std::string pinyinSortKey(std::string_view reading) {
  const auto codePoints = common::decodeUtf8(reading);
  if (!codePoints) {
    return std::string(reading);
  }
  std::string key;
  int tone = 5;
  for (const char32_t c : *codePoints) {
    bool mapped = false;
    for (const auto& toneLetter : kToneLetters) {
      if (toneLetter.letter == c) {
        key += toneLetter.plain;
        tone = toneLetter.tone == 5 ? tone : toneLetter.tone;
        mapped = true;
        break;
      }
    }
    if (!mapped) {
      common::appendUtf8(key, c);
    }
  }
  return key + std::to_string(tone);
}

char pinyinInitial(std::string_view reading) {
  const auto key = pinyinSortKey(reading);
  const char c = key.empty() ? '\0' : key.front();
  if (c >= 'a' && c <= 'z') {
    return static_cast<char>(c - 'a' + 'A');
  }
  return c >= 'A' && c <= 'Z' ? c : '\0';
}

}  // namespace quillan::content
