#include "folk/BoneWeight.h"

#include <gtest/gtest.h>

namespace quillan::folk {
namespace {

// Each worked by hand from data/fate/chenggu-weights.tsv on the lunar date the calendar gives.
struct BoneCase {
  calendar::Date date;
  int hour;
  const char* lunar;
  int year, month, day, hourWeight;
  const char* total;
};

TEST(BoneWeight, AddsTheFourTablesOnTheLunarDate) {
  const BoneCase cases[] = {
      {{2013, 5, 20}, 10, "癸巳年 四月 十一", 7, 9, 9, 16, "四两一钱"},
      // 正月初一 starts the lunar year: 2000-02-04 still weighs as 己卯.
      {{2000, 2, 5}, 0, "庚辰年 正月 初一", 12, 6, 5, 16, "三两九钱"},
      {{2000, 2, 4}, 12, "己卯年 腊月 廿九", 19, 5, 16, 10, "五两"},
      // A leap month weighs as the month it repeats.
      {{2020, 6, 1}, 12, "庚子年 闰四月 初十", 7, 9, 16, 10, "四两二钱"},
      // From 23:00 the 子 hour, on the same day.
      {{2013, 5, 20}, 23, "癸巳年 四月 十一", 7, 9, 9, 16, "四两一钱"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lunar);
    const auto weight = boneWeightOf(c.date, c.hour);
    ASSERT_TRUE(weight);
    EXPECT_EQ(weight->lunar.text(), c.lunar);
    EXPECT_EQ(weight->year, c.year);
    EXPECT_EQ(weight->month, c.month);
    EXPECT_EQ(weight->day, c.day);
    EXPECT_EQ(weight->hour, c.hourWeight);
    EXPECT_EQ(qianText(weight->total()), c.total);
    EXPECT_EQ(weight->text, boneWeightText(weight->total()));
    EXPECT_FALSE(weight->text.empty());
  }
}

TEST(BoneWeight, RefusesWhatTheCalendarCannotDate) {
  EXPECT_FALSE(boneWeightOf({1900, 12, 31}, 10));
  EXPECT_FALSE(boneWeightOf({2013, 2, 30}, 10));
  EXPECT_FALSE(boneWeightOf({2013, 5, 20}, 24));
  EXPECT_FALSE(boneWeightOf({2013, 5, 20}, -1));
}

TEST(BoneWeight, WritesWeightsAsTheCustomDoes) {
  EXPECT_EQ(qianText(9), "九钱");
  EXPECT_EQ(qianText(12), "一两二钱");
  EXPECT_EQ(qianText(50), "五两");
  EXPECT_EQ(qianText(71), "七两一钱");
}

TEST(BoneWeight, HasATextForEveryTotalOfTheCustom) {
  for (int qian = 21; qian <= 72; ++qian) {
    EXPECT_FALSE(boneWeightText(qian).empty()) << qian;
  }
  EXPECT_TRUE(boneWeightText(20).empty());
  EXPECT_TRUE(boneWeightText(73).empty());
}

}  // namespace
}  // namespace quillan::folk
