#pragma once

#include <string>
#include <variant>

#include "scoring/LuckTable.h"

namespace quillan::folk {

// 号码吉凶: the custom reads any number (a phone, a plate, a house, an account) by its last four
// digits n, taken as n mod 80 with 0 counting as 80, on the 81-number table.
struct NumberReading {
  std::string digits;    // as typed, blanks around it dropped
  std::string lastFour;  // the last four digits (all of a shorter number)
  int value = 0;         // lastFour as a number
  int number = 0;        // 1 … 80
  scoring::Luck luck = scoring::Luck::Bad;
  std::string title;  // the number's texts from the 81-number table
  std::string hint;
  std::string detail;  // paragraphs separated by "\n"

  // "13812345678 → 5678 → 5678 mod 80 = 78 → 凶"
  std::string steps() const;
};

// The longest number read.
inline constexpr std::size_t kMaxNumberDigits = 32;

// The reading, or the message for the user when the text is empty, too long or holds anything but
// the digits 0-9.
std::variant<NumberReading, std::string> readNumber(std::string_view typed);

}  // namespace quillan::folk
