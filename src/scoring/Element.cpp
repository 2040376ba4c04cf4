#include "scoring/Element.h"

#include <array>

namespace quillan::scoring {
namespace {

constexpr std::array<std::string_view, kElementCount> kWords = {"木", "火", "土", "金", "水"};

}  // namespace

std::string_view elementWord(Element element) { return kWords[static_cast<std::size_t>(element)]; }

std::optional<Element> parseElement(std::string_view word) {
  for (std::size_t i = 0; i < kWords.size(); ++i) {
    if (kWords[i] == word) {
      return static_cast<Element>(i);
    }
  }
  return std::nullopt;
}

Element elementOfNumber(int number) {
  int digit = number % 10;
  if (digit < 0) {
    digit = -digit;
  }
  if (digit == 0) {
    digit = 10;
  }
  return static_cast<Element>((digit - 1) / 2);
}

}  // namespace quillan::scoring
