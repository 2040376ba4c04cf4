#include "common/TextNumbers.h"

#include <charconv>
#include <limits>

namespace quillan::common {
namespace {

std::string_view skipBlanks(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
    ++i;
  }
  return text.substr(i);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

int textToInt(std::string_view text) {
  text = skipBlanks(text);
  long long value = 0;
  for (char c : text) {
    if (!isDigit(c)) {
      break;
    }
    value = value * 10 + (c - '0');
    if (value > std::numeric_limits<int>::max()) {
      return std::numeric_limits<int>::max();
    }
  }
  return static_cast<int>(value);
}

double textToNumber(std::string_view text) {
  text = skipBlanks(text);
  std::size_t end = 0;
  while (end < text.size() && isDigit(text[end])) {
    ++end;
  }
  if (end < text.size() && text[end] == '.') {
    ++end;
    while (end < text.size() && isDigit(text[end])) {
      ++end;
    }
  }
  double value = 0.0;
  if (end == 0 || (end == 1 && text[0] == '.')) {
    return 0.0;
  }
  std::from_chars(text.data(), text.data() + end, value);
  return value;
}

}  // namespace quillan::common
