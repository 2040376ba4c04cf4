#include "evaluate/BirthDateTexts.h"

#include "calendar/DateTime.h"
#include "calendar/FourPillars.h"
#include "calendar/LunarDate.h"
#include "calendar/Sexagenary.h"

namespace quillan::evaluate {

BirthDateTexts birthDateTexts(const calendar::Date& date, int hour) {
  BirthDateTexts texts;
  texts.gregorian =
      std::to_string(date.year) + "年" + std::to_string(date.month) + "月" + std::to_string(date.day) + "日";
  std::string zodiac;
  if (const auto lunar = calendar::lunarDateOf(date)) {
    texts.lunar = lunar->text();
    zodiac = lunar->zodiac();
  }
  const auto pillars = calendar::fourPillarTexts(calendar::DateTime{date, hour, 0, 0});
  texts.pillars = pillars[0] + " " + pillars[1] + " " + pillars[2] + " " + pillars[3];
  texts.zodiacNayin = zodiac;
  texts.nayin = pillars[0];
  for (int i = 1; i <= 60; ++i) {
    if (calendar::sexagenaryName(i) == pillars[0]) {
      texts.nayin = calendar::nayinOf(pillars[0]);
      texts.zodiacNayin = "本命属" + zodiac + "   " + texts.nayin + "命";
      break;
    }
  }
  return texts;
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
