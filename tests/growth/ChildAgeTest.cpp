#include <gtest/gtest.h>

#include "growth/ChildAge.h"

using namespace quillan::growth;
using quillan::calendar::Date;

TEST(ChildAge, CompletedMonthsAndDays) {
  struct Case {
    Date birth;
    Date day;
    std::int64_t days;
    int months;
    int extraDays;
  };
  const Case cases[] = {
      {{2026, 1, 5}, {2026, 1, 5}, 0, 0, 0},
      {{2026, 1, 5}, {2026, 7, 5}, 181, 6, 0},
      {{2026, 1, 5}, {2026, 7, 4}, 180, 5, 29},
      {{2025, 12, 20}, {2026, 1, 10}, 21, 0, 21},
      // The 31st in a short month counts as its last day.
      {{2026, 1, 31}, {2026, 2, 28}, 28, 1, 0},
      {{2026, 1, 31}, {2026, 3, 1}, 29, 1, 1},
      {{2024, 2, 29}, {2025, 2, 28}, 365, 12, 0},
      {{2021, 3, 1}, {2026, 3, 1}, 1826, 60, 0},
  };
  for (const Case& c : cases) {
    const ChildAge age = ageOn(c.birth, c.day);
    EXPECT_EQ(age.days, c.days) << quillan::calendar::formatDate(c.day);
    EXPECT_EQ(age.months, c.months) << quillan::calendar::formatDate(c.day);
    EXPECT_EQ(age.extraDays, c.extraDays) << quillan::calendar::formatDate(c.day);
  }
  EXPECT_EQ(ageText(ageOn({2026, 1, 5}, {2026, 7, 17})), "6个月12天");
}
