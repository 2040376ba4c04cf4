#include "RadicalStroke.h"

#include <array>

namespace quillan::dictionary {
namespace {

// The Kangxi radicals are numbered by stroke count: the first radical with 1, 2, … 17 strokes.
constexpr std::array<int, 17> kFirstRadicalWithStrokes = {1,   7,   30,  61,  95,  118, 147, 167, 176,
                                                          187, 195, 201, 205, 209, 211, 212, 214};

int leadingInt(std::string_view& text) {
  bool negative = false;
  if (!text.empty() && text.front() == '-') {
    negative = true;
    text.remove_prefix(1);
  }
  int value = 0;
  while (!text.empty() && text.front() >= '0' && text.front() <= '9') {
    value = value * 10 + (text.front() - '0');
    text.remove_prefix(1);
  }
  return negative ? -value : value;
}

}  // namespace

RadicalStroke parseRadicalStroke(std::string_view value) {
  value = value.substr(0, value.find(' '));
  RadicalStroke out;
  out.radical = leadingInt(value);
  while (!value.empty() && value.front() == '\'') {
    value.remove_prefix(1);
  }
  if (value.empty() || value.front() != '.' || out.radical < 1 || out.radical > 214) {
    return {};
  }
  value.remove_prefix(1);
  out.residual = leadingInt(value);
  return out;
}

int radicalFullStrokes(int radical) {
  if (radical < 1 || radical > 214) {
    return 0;
  }
  int strokes = 0;
  for (int first : kFirstRadicalWithStrokes) {
    if (radical >= first) {
      ++strokes;
    }
  }
  return strokes;
}

}  // namespace quillan::dictionary
