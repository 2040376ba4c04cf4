#include "quality/UserAvoidance.h"

#include "common/TextSplit.h"
#include "quality/Syllable.h"

namespace quillan::quality {
namespace {

// The UTF-8 sequence starting at `text[i]`, and its code point.
std::pair<std::string_view, char32_t> codePointAt(std::string_view text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  if (i + length > text.size()) {
    return {text.substr(i), 0};
  }
  char32_t value = length == 1 ? lead : lead & (0x3F >> (length - 1));
  for (std::size_t k = 1; k < length; ++k) {
    value = (value << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
  }
  return {text.substr(i, length), value};
}

bool isHan(char32_t c) {
  return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x20000 && c <= 0x3134F);
}

bool isSeparator(std::string_view piece) {
  return piece == " " || piece == "," || piece == "，" || piece == "、" || piece == "\t" || piece == "\u3000" ||
         piece == ";" || piece == "；";
}

std::string joined(const std::set<std::string, std::less<>>& items, std::string_view separator) {
  return common::joinText(std::vector<std::string>(items.begin(), items.end()), separator);
}

}  // namespace

std::string UserAvoidance::charactersText() const { return joined(characters, ""); }

std::string UserAvoidance::soundsText() const { return joined(sounds, ","); }

std::variant<UserAvoidance, std::string> parseUserAvoidance(std::string_view characters, std::string_view sounds) {
  UserAvoidance avoidance;
  for (std::size_t i = 0; i < characters.size();) {
    const auto [piece, value] = codePointAt(characters, i);
    i += piece.size();
    if (isSeparator(piece)) {
      continue;
    }
    if (!isHan(value)) {
      return "要避开的字只能是汉字：「" + std::string(piece) + "」不是汉字";
    }
    avoidance.characters.emplace(piece);
  }
  std::string word;
  const auto flush = [&]() -> std::optional<std::string> {
    if (word.empty()) {
      return std::nullopt;
    }
    const auto syllable = parseSyllable(word);
    if (!syllable) {
      return "要避开的读音「" + word + "」不是一个拼音音节（例如 guo、hua）";
    }
    avoidance.sounds.insert(syllable->toneless);
    word.clear();
    return std::nullopt;
  };
  for (std::size_t i = 0; i < sounds.size();) {
    const auto [piece, value] = codePointAt(sounds, i);
    i += piece.size();
    if (isSeparator(piece)) {
      if (auto problem = flush()) {
        return *problem;
      }
      continue;
    }
    word += piece;
  }
  if (auto problem = flush()) {
    return *problem;
  }
  return avoidance;
}

}  // namespace quillan::quality
