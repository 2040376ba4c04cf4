#include "ElementRule.h"

#include "PinyinRules.h"

namespace quillan::dictionary {
namespace {

// The first Cantonese reading's initial class, for a modern initial that merges old classes.
std::string cantoneseClass(std::string_view cantonese, std::string_view fallback) {
  const auto end = cantonese.find(' ');
  const std::string_view first = cantonese.substr(0, end);
  if (first.empty()) {
    return std::string(fallback);
  }
  if (first.starts_with("ng") || first[0] == 'g' || first[0] == 'k') {
    return "木";
  }
  if (first[0] == 'z' || first[0] == 'c' || first[0] == 's') {
    return "金";
  }
  if (first[0] == 'm') {
    return "水";
  }
  return "土";  // h, j, w and a vowel: the throat
}

}  // namespace

std::string soundElement(std::string_view tonedPinyin, std::string_view cantonese) {
  const std::string pinyin = tonelessPinyin(tonedPinyin);
  if (pinyin == "er") {
    return "金";
  }
  if (pinyin.starts_with("zh") || pinyin.starts_with("ch") || pinyin.starts_with("sh")) {
    return "金";
  }
  const char initial = pinyin.empty() ? '\0' : pinyin.front();
  switch (initial) {
    case 'b':
    case 'p':
    case 'm':
    case 'f':
      return "水";
    case 'd':
    case 't':
    case 'n':
    case 'l':
      return "火";
    case 'g':
    case 'k':
      return "木";
    case 'h':
      return "土";
    case 'z':
    case 'c':
    case 's':
    case 'r':
      return "金";
    case 'j':
    case 'q':
    case 'x':
      return cantoneseClass(cantonese, "金");
    default:
      return cantoneseClass(cantonese, "土");  // no initial: a o e y w, and tone-marked vowels
  }
}

}  // namespace quillan::dictionary
