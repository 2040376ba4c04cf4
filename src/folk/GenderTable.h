#pragma once

#include <string>
#include <variant>

#include "calendar/Date.h"
#include "calendar/LunarDate.h"

namespace quillan::folk {

// 生男生女 by the customary 清宫表 (data/fate/qinggong.tsv): the mother's lunar age (虚岁) at
// conception, 18-45, against the lunar month of conception, 1-12 (a leap month reads as the month
// it repeats). The table has no scientific basis; the program says so wherever it shows it.
struct GenderReading {
  calendar::LunarDate motherBirth;
  calendar::LunarDate conception;
  int age = 0;  // 虚岁: the lunar years counted from the one of birth, that one counting 1
  bool boy = false;

  std::string answer() const { return boy ? "男" : "女"; }
};

inline constexpr int kGenderTableFirstAge = 18;
inline constexpr int kGenderTableLastAge = 45;

// The table's answer, or the message for the user: a date outside 1901–2100, a conception before
// the mother's birth, or an age the table does not list.
std::variant<GenderReading, std::string> genderByTable(const calendar::Date& motherBirth,
                                                       const calendar::Date& conception);

}  // namespace quillan::folk
