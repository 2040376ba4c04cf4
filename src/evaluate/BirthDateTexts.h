#pragma once

#include <string>

#include "calendar/Date.h"
#include "common/RandomGenerator.h"

namespace quillan::evaluate {

// What a certificate says of the birth date and hour. Outside the calendar's range (years up to
// 1900, after 2100) the lunar date and pillars are empty, the pillars three blanks and the zodiac
// line the bare zodiac, as the certificate has always shown them.
struct BirthDateTexts {
  std::string gregorian;    // "2013年5月20日"
  std::string lunar;        // "癸巳年 四月 十一"
  std::string pillars;      // the four pillars joined by blanks: "癸巳 丁巳 丙戌 癸巳"
  std::string zodiacNayin;  // "本命属蛇   长流水命"
  std::string nayin;        // the Nayin of the year pillar: "长流水"

  bool operator==(const BirthDateTexts&) const = default;
};

// The hour must be 0-23 (callers refuse anything else before asking).
BirthDateTexts birthDateTexts(const calendar::Date& date, int hour);

// The certificate number: 18 random digits, each followed by a blank.
std::string certificateNumber(common::RandomGenerator& random);

}  // namespace quillan::evaluate
