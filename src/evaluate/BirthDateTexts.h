#pragma once

#include <array>
#include <string>

#include "calendar/Date.h"
#include "common/RandomGenerator.h"

namespace quillan::evaluate {

// Slots 1-5 of an evaluation, from the birth date and hour:
// 1 "2013年5月20日", 2 "癸巳年 四月 十一", 3 the four pillars joined by blanks,
// 4 "本命属蛇   长流水命", 5 the Nayin of the year pillar ("长流水").
// Outside the calendar's range (years up to 1900, after 2100) the lunar date and pillars are empty,
// slot 3 is three blanks and slot 4 the bare zodiac, as the certificate has always shown them.
using BirthDateTexts = std::array<std::string, 5>;

// The hour must be 0-23 (callers refuse anything else before asking).
BirthDateTexts birthDateTexts(const calendar::Date& date, int hour);

// The certificate number: 18 random digits, each followed by a blank.
std::string certificateNumber(common::RandomGenerator& random);

}  // namespace quillan::evaluate
