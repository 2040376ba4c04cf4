#include "ElementRule.h"

#include <map>

#include "PinyinRules.h"

namespace quillan::dictionary {

std::string radicalElement(int radical) {
  static const std::map<int, std::string> kTable = {
      {85, "水"},  {15, "水"},  {47, "水"},  {173, "水"}, {195, "水"},  //
      {75, "木"},  {140, "木"}, {118, "木"}, {115, "木"}, {119, "木"},
      {97, "木"},  {199, "木"}, {200, "木"}, {202, "木"},               //
      {86, "火"},  {72, "火"},  {155, "火"},                            //
      {32, "土"},  {46, "土"},  {102, "土"}, {112, "土"}, {170, "土"},  //
      {167, "金"}, {96, "金"},  {18, "金"},  {62, "金"},  {69, "金"},
  };
  const auto it = kTable.find(radical);
  return it == kTable.end() ? std::string{} : it->second;
}

std::string phoneticElement(std::string_view tonedPinyin) {
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
    case 'z':
    case 'c':
    case 's':
    case 'j':
    case 'q':
    case 'x':
    case 'r':
      return "金";
    default:
      return "土";  // h, and syllables without an initial (a o e y w, and tone-marked vowels)
  }
}

}  // namespace quillan::dictionary
