#include "evaluate/BirthDateTexts.h"

#include "calendar/DateTime.h"
#include "calendar/FourPillars.h"
#include "calendar/LunarDate.h"
#include "calendar/Sexagenary.h"

namespace quillan::evaluate {

BirthDateTexts birthDateTexts(const calendar::Date& date, int hour) {
  BirthDateTexts slots;
  slots[0] = std::to_string(date.year) + "年" + std::to_string(date.month) + "月" + std::to_string(date.day) + "日";
  if (const auto lunar = calendar::lunarDateOf(date)) {
    slots[1] = lunar->text();
    slots[3] = lunar->zodiac();
  }
  const auto pillars = calendar::fourPillarTexts(calendar::DateTime{date, hour, 0, 0});
  slots[2] = pillars[0] + " " + pillars[1] + " " + pillars[2] + " " + pillars[3];
  slots[4] = pillars[0];
  for (int i = 1; i <= 60; ++i) {
    if (calendar::sexagenaryName(i) == slots[4]) {
      slots[4] = calendar::nayinOf(slots[4]);
      slots[3] = "本命属" + slots[3] + "   " + slots[4] + "命";
      break;
    }
  }
  return slots;
}

std::string certificateNumber(common::RandomGenerator& random) {
  std::string number;
  for (int i = 0; i < 18; ++i) {
    number += static_cast<char>('0' + random.between(0, 9));
    number += ' ';
  }
  return number;
}

}  // namespace quillan::evaluate
