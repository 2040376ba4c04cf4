#include "common/TextSplit.h"

#include "common/GbkCodec.h"

namespace quillan::common {

std::vector<std::string> splitText(std::string_view text, std::string_view separator) {
  std::vector<std::string> pieces;
  if (separator.empty()) {
    pieces.emplace_back(text);
    return pieces;
  }
  std::size_t start = 0;
  while (true) {
    const std::size_t at = text.find(separator, start);
    if (at == std::string_view::npos) {
      pieces.emplace_back(text.substr(start));
      return pieces;
    }
    pieces.emplace_back(text.substr(start, at - start));
    start = at + separator.size();
  }
}

std::vector<std::string> splitCharacters(std::string_view text) {
  std::vector<std::string> characters;
  const auto codePoints = decodeUtf8(text);
  if (!codePoints) {
    return characters;
  }
  for (char32_t codePoint : *codePoints) {
    appendUtf8(characters.emplace_back(), codePoint);
  }
  return characters;
}

std::string joinText(const std::vector<std::string>& pieces, std::string_view separator) {
  std::string out;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (i > 0) {
      out.append(separator);
    }
    out.append(pieces[i]);
  }
  return out;
}

}  // namespace quillan::common
