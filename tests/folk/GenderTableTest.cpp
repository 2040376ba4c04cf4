#include "folk/GenderTable.h"

#include <gtest/gtest.h>

namespace quillan::folk {
namespace {

// The mother of these cases was born 1990-06-15, in the lunar year 庚午 (1990).
constexpr calendar::Date kMother{1990, 6, 15};

struct GenderCase {
  calendar::Date conception;
  int age;
  int month;
  const char* answer;  // data/fate/qinggong.tsv at that age and month
};

TEST(GenderTable, ReadsTheLunarAgeAndMonthOfConception) {
  const GenderCase cases[] = {
      {{2007, 2, 18}, 18, 1, "女"},  // 正月初一 of 2007: 虚岁 18 begins
      {{2007, 4, 20}, 18, 3, "女"},
      {{2034, 6, 1}, 45, 4, "女"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.age);
    const auto read = genderByTable(kMother, c.conception);
    ASSERT_TRUE(std::holds_alternative<GenderReading>(read)) << std::get<std::string>(read);
    const auto& reading = std::get<GenderReading>(read);
    EXPECT_EQ(reading.age, c.age);
    EXPECT_EQ(reading.conception.month, c.month);
    EXPECT_EQ(reading.answer(), c.answer);
  }
}

TEST(GenderTable, RefusesAgesOutsideTheTableAndImpossibleDates) {
  const calendar::Date refused[] = {
      {2007, 2, 17},  // the day before 正月初一: still 虚岁 17
      {2035, 6, 1},   // 虚岁 46
      {1989, 1, 1},   // before the mother's birth
      {2101, 1, 1},   // outside the calendar
  };
  for (const auto& conception : refused) {
    SCOPED_TRACE(conception.year);
    const auto read = genderByTable(kMother, conception);
    ASSERT_TRUE(std::holds_alternative<std::string>(read));
    EXPECT_FALSE(std::get<std::string>(read).empty());
  }
  EXPECT_NE(std::get<std::string>(genderByTable(kMother, {2007, 2, 17})).find("虚岁17岁"), std::string::npos);
}

}  // namespace
}  // namespace quillan::folk
