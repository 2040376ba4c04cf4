#pragma once

#include <optional>
#include <string_view>

namespace quillan::scoring {

enum class Element : unsigned char { Wood, Fire, Earth, Metal, Water };

inline constexpr int kElementCount = 5;

// "木", "火", "土", "金", "水".
std::string_view elementWord(Element element);

// The element of a one-character word; nullopt for anything else.
std::optional<Element> parseElement(std::string_view word);

// By the last decimal digit: 1 2 木, 3 4 火, 5 6 土, 7 8 金, 9 0 水.
Element elementOfNumber(int number);

}  // namespace quillan::scoring
