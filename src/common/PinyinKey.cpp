#include "common/PinyinKey.h"

#include <array>

namespace quillan::common {
namespace {

struct MarkedVowel {
  std::string_view text;
  char letter;
  char tone;
};

// The tone-marked vowels of Hanyu Pinyin, and ü without a mark.
constexpr std::array<MarkedVowel, 30> kVowels{{
    {"ā", 'a', '1'}, {"á", 'a', '2'}, {"ǎ", 'a', '3'}, {"à", 'a', '4'}, {"ē", 'e', '1'}, {"é", 'e', '2'},
    {"ě", 'e', '3'}, {"è", 'e', '4'}, {"ī", 'i', '1'}, {"í", 'i', '2'}, {"ǐ", 'i', '3'}, {"ì", 'i', '4'},
    {"ō", 'o', '1'}, {"ó", 'o', '2'}, {"ǒ", 'o', '3'}, {"ò", 'o', '4'}, {"ū", 'u', '1'}, {"ú", 'u', '2'},
    {"ǔ", 'u', '3'}, {"ù", 'u', '4'}, {"ǖ", 'v', '1'}, {"ǘ", 'v', '2'}, {"ǚ", 'v', '3'}, {"ǜ", 'v', '4'},
    {"ü", 'v', '5'}, {"ń", 'n', '2'}, {"ň", 'n', '3'}, {"ǹ", 'n', '4'}, {"ḿ", 'm', '2'}, {"ê", 'e', '5'},
}};

void endSyllable(std::string& key, char& tone, bool& open) {
  if (open) {
    key += tone;
  }
  tone = '5';
  open = false;
}

}  // namespace

std::string pinyinKey(std::string_view pinyin) {
  std::string key;
  key.reserve(pinyin.size() + 4);
  char tone = '5';
  bool open = false;
  std::size_t i = 0;
  while (i < pinyin.size()) {
    const char c = pinyin[i];
    if (c == ' ') {
      endSyllable(key, tone, open);
      key += ' ';
      ++i;
      continue;
    }
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
      key += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
      open = true;
      ++i;
      continue;
    }
    if (c >= '1' && c <= '5') {  // readings already written with digits
      tone = c;
      ++i;
      continue;
    }
    bool matched = false;
    for (const MarkedVowel& vowel : kVowels) {
      if (pinyin.substr(i).starts_with(vowel.text)) {
        key += vowel.letter;
        if (vowel.tone != '5') {
          tone = vowel.tone;
        }
        open = true;
        i += vowel.text.size();
        matched = true;
        break;
      }
    }
    if (!matched) {
      key += c;  // anything else is kept, so that no two different readings meet
      ++i;
    }
  }
  endSyllable(key, tone, open);
  return key;
}

}  // namespace quillan::common
