#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calendar/Date.h"
#include "calendar/LunarDate.h"

namespace quillan::folk {

// 称骨: the customary bone weights of a birth, in 钱 (10 钱 = 1 两), from the four tables of
// data/fate/chenggu-weights.tsv: the lunar year by its sexagenary pair, the lunar month (a leap
// month weighs as the month it repeats), the lunar day and the 时辰.
struct BoneWeight {
  calendar::LunarDate lunar;
  int hourBranch = 0;  // 0 (子) … 11 (亥)
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  std::string_view text;  // our text for the total

  int total() const { return year + month + day + hour; }
};

// The weights of a Gregorian birth date and hour (0-23, China Standard Time). The date gives the
// lunar date as it stands; a birth from 23:00 weighs as the 子 hour of that same day. Nullopt for
// an invalid hour or a date outside 1901–2100.
std::optional<BoneWeight> boneWeightOf(const calendar::Date& date, int hour);

// A weight in 两 and 钱, as the custom writes it: 12 → "一两二钱", 9 → "九钱", 50 → "五两".
std::string qianText(int qian);

// Our text for a total of 21 … 72 钱; empty for any other.
std::string_view boneWeightText(int totalQian);

}  // namespace quillan::folk
