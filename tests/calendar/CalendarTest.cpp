#include <gtest/gtest.h>

#include <set>

#include "calendar/Calendar.h"

namespace quillan::calendar {
namespace {

TEST(SexagenaryCycle, StartsWithJiaZiAndIsEmptyOutsideOneToSixty) {
  EXPECT_EQ(sexagenaryName(1), "甲子");
  EXPECT_EQ(sexagenaryName(2), "乙丑");
  EXPECT_EQ(sexagenaryName(11), "甲戌");
  EXPECT_EQ(sexagenaryName(60), "癸亥");
  for (int outside : {0, -1, 61, 1000}) {
    EXPECT_EQ(sexagenaryName(outside), "") << outside;
  }
  std::set<std::string> names;
  for (int i = 1; i <= 60; ++i) {
    names.insert(sexagenaryName(i));
  }
  EXPECT_EQ(names.size(), 60u);
}

TEST(SexagenaryCycle, NayinComesInThirtyPhrasesAndOnlyForPairs) {
  EXPECT_EQ(nayinOf("甲子"), "海中金");
  EXPECT_EQ(nayinOf("丙寅"), "炉中火");
  EXPECT_EQ(nayinOf("癸巳"), "长流水");
  std::set<std::string> phrases;
  for (int i = 1; i <= 60; ++i) {
    phrases.insert(nayinOf(sexagenaryName(i)));
  }
  EXPECT_EQ(phrases.size(), 30u);
  for (const char* notAPair : {"", "甲", "甲丑", "子甲", "甲子 "}) {
    EXPECT_EQ(nayinOf(notAPair), "") << notAPair;
    EXPECT_EQ(sexagenaryNumber(notAPair), 0) << notAPair;
  }
}

TEST(LunarDate, CertificateExampleReadsAsTheCertificateShowsIt) {
  const auto lunar = lunarDateOf(Date{2013, 5, 20});
  ASSERT_TRUE(lunar.has_value());
  EXPECT_EQ(lunar->text(), "癸巳年 四月 十一");
  EXPECT_EQ(lunar->zodiac(), "蛇");
  const auto pillars = fourPillarsOf(DateTime{{2013, 5, 20}, 10, 0, 0});
  ASSERT_TRUE(pillars.has_value());
  EXPECT_EQ(pillars->texts(), (std::array<std::string, 4>{"癸巳", "丁巳", "丙戌", "癸巳"}));
  EXPECT_EQ(nayinOf(pillars->texts()[0]), "长流水");
}

TEST(LunarDate, DayAndMonthTexts) {
  struct Case {
    int day;
    const char* text;
  };
  for (const Case& c : {Case{1, "初一"}, Case{10, "初十"}, Case{11, "十一"}, Case{19, "十九"}, Case{20, "二十"},
                        Case{21, "廿一"}, Case{29, "廿九"}, Case{30, "三十"}}) {
    EXPECT_EQ((LunarDate{2013, 4, false, c.day, 30}).dayText(), c.text);
  }
  EXPECT_EQ((LunarDate{2013, 1, false, 1, 30}).monthText(), "正月");
  EXPECT_EQ((LunarDate{2013, 11, false, 1, 30}).monthText(), "冬月");
  EXPECT_EQ((LunarDate{2013, 12, false, 1, 30}).monthText(), "腊月");
  EXPECT_EQ((LunarDate{2020, 4, true, 1, 29}).monthText(), "闰四月");
  EXPECT_EQ((LunarDate{2033, 11, true, 1, 29}).monthText(), "闰冬月");
}

TEST(LunarDate, ZodiacAndYearNameChangeOnTheFirstDayOfTheFirstMonth) {
  // 2013's 正月初一 was 2013-02-10; 立春 came six days earlier and does not move them.
  const auto eve = lunarDateOf(Date{2013, 2, 9});
  const auto newYear = lunarDateOf(Date{2013, 2, 10});
  ASSERT_TRUE(eve && newYear);
  EXPECT_EQ(eve->text(), "壬辰年 腊月 廿九");
  EXPECT_EQ(eve->zodiac(), "龙");
  EXPECT_EQ(newYear->text(), "癸巳年 正月 初一");
  EXPECT_EQ(newYear->zodiac(), "蛇");
  EXPECT_EQ(fourPillarTexts(DateTime{{2013, 2, 9}, 12, 0, 0})[0], "癸巳");
}

TEST(LunarDate, RepublicanAlmanacsDatedNewMoonsByBeijingMeanTime) {
  // Each of these new moons fell a few minutes after midnight UTC+8 but before it on Beijing mean
  // time, and the almanacs of the day started the month on the earlier day.
  struct Case {
    Date date;
    const char* text;
  };
  for (const Case& c : {Case{{1914, 11, 17}, "甲寅年 十月 初一"}, Case{{1916, 2, 3}, "丙辰年 正月 初一"},
                        Case{{1920, 11, 10}, "庚申年 十月 初一"}}) {
    const auto lunar = lunarDateOf(c.date);
    ASSERT_TRUE(lunar.has_value());
    EXPECT_EQ(lunar->text(), c.text) << formatDate(c.date);
  }
  // From 1929 on the day is the one of UTC+8: the new moon of 2018-11-08 came at 00:02.
  EXPECT_EQ(lunarDateOf(Date{2018, 11, 8})->text(), "戊戌年 十月 初一");
}

TEST(Range, EndsAreAnsweredAndEverythingOutsideIsRefused) {
  EXPECT_TRUE(lunarDateOf(kFirstDate).has_value());
  EXPECT_TRUE(lunarDateOf(kLastDate).has_value());
  EXPECT_FALSE(lunarDateOf(Date{1900, 12, 31}).has_value());
  EXPECT_FALSE(lunarDateOf(Date{2101, 1, 1}).has_value());
  EXPECT_TRUE(fourPillarsOf(DateTime{kLastDate, 23, 59, 59}).has_value());
  EXPECT_FALSE(fourPillarsOf(DateTime{{2101, 1, 1}, 0, 0, 0}).has_value());
  EXPECT_FALSE(solarTermsOf(1900).has_value());
  EXPECT_FALSE(solarTermsOf(2101).has_value());
  EXPECT_TRUE(solarTermsOf(1901).has_value());
  EXPECT_FALSE(monthView(1900, 12).has_value());
  EXPECT_FALSE(monthView(2101, 1).has_value());
  EXPECT_FALSE(monthView(2013, 13).has_value());
}

TEST(Range, YearsUpToNineteenHundredGiveFourEmptyPillars) {
  const std::array<std::string, 4> empty{};
  for (const DateTime& moment :
       {DateTime{{1900, 12, 31}, 23, 0, 0}, DateTime{{1850, 6, 1}, 12, 0, 0}, DateTime{{1, 1, 1}, 0, 0, 0}}) {
    EXPECT_FALSE(fourPillarsOf(moment).has_value());
    EXPECT_EQ(fourPillarTexts(moment), empty);
  }
}

TEST(Range, InvalidDatesAndTimesAreRefused) {
  EXPECT_FALSE(lunarDateOf(Date{2013, 2, 29}).has_value());
  EXPECT_FALSE(lunarDateOf(Date{2013, 0, 1}).has_value());
  EXPECT_TRUE(lunarDateOf(Date{2012, 2, 29}).has_value());
  for (const DateTime& moment : {DateTime{{2013, 5, 20}, 24, 0, 0}, DateTime{{2013, 5, 20}, -1, 0, 0},
                                 DateTime{{2013, 5, 20}, 10, 60, 0}, DateTime{{2013, 5, 20}, 10, 0, 60}}) {
    EXPECT_FALSE(fourPillarsOf(moment).has_value());
  }
  EXPECT_FALSE(parseDate("2013-5-20").has_value());
  EXPECT_FALSE(parseDate("2013-02-30").has_value());
  EXPECT_FALSE(parseDate("2013/05/20").has_value());
  EXPECT_EQ(parseDate("2013-05-20"), (Date{2013, 5, 20}));
}

TEST(FourPillars, HourBranchesAndTheLateZiHourTakeTheNextDaysStem) {
  struct Case {
    int hour;
    const char* day;
    const char* hourPillar;
  };
  // 2013-05-20 is a 丙戌 day; 2013-05-21 丁亥.
  for (const Case& c : {Case{0, "丙戌", "戊子"}, Case{1, "丙戌", "己丑"}, Case{2, "丙戌", "己丑"},
                        Case{11, "丙戌", "甲午"}, Case{22, "丙戌", "己亥"}, Case{23, "丙戌", "庚子"}}) {
    const auto texts = fourPillarTexts(DateTime{{2013, 5, 20}, c.hour, 30, 0});
    EXPECT_EQ(texts[2], c.day) << c.hour;
    EXPECT_EQ(texts[3], c.hourPillar) << c.hour;
  }
}

TEST(FourPillars, YearAndMonthChangeAtTheSecondOfTheTerm) {
  const auto terms = solarTermsOf(2000);
  ASSERT_TRUE(terms.has_value());
  const SolarTerm& liChun = (*terms)[2];
  ASSERT_EQ(liChun.name(), "立春");
  const std::int64_t at = secondNumber(liChun.moment);
  const auto before = fourPillarTexts(dateTimeOfSecondNumber(at - 1));
  const auto onTheSecond = fourPillarTexts(dateTimeOfSecondNumber(at));
  EXPECT_EQ(before[0], "己卯");
  EXPECT_EQ(before[1], "丁丑");
  EXPECT_EQ(onTheSecond[0], "庚辰");
  EXPECT_EQ(onTheSecond[1], "戊寅");
}

TEST(SolarTerms, FollowEachOtherInOrderAboutFifteenDaysApart) {
  for (int year : {1901, 1957, 2033, 2100}) {
    const auto terms = solarTermsOf(year);
    ASSERT_TRUE(terms.has_value());
    for (std::size_t i = 0; i < 24; ++i) {
      EXPECT_EQ((*terms)[i].moment.date.year, year);
      EXPECT_EQ((*terms)[i].isJie(), i % 2 == 0);
      if (i > 0) {
        const auto gap = secondNumber((*terms)[i].moment) - secondNumber((*terms)[i - 1].moment);
        EXPECT_GT(gap, 14 * 86400) << year << ' ' << (*terms)[i].name();
        EXPECT_LT(gap, 16 * 86400) << year << ' ' << (*terms)[i].name();
      }
    }
  }
}

TEST(MonthView, ShowsEveryDayWithItsLunarDateAndTheTermsOfTheMonth) {
  const auto view = monthView(2013, 5);
  ASSERT_TRUE(view.has_value());
  ASSERT_EQ(view->size(), 31u);
  std::vector<std::string> termsShown;
  for (const MonthViewDay& day : *view) {
    EXPECT_EQ(day.lunar, lunarDateOf(day.date));
    if (day.term) {
      EXPECT_EQ(day.term->moment.date, day.date);
      termsShown.push_back(day.term->name() + "@" + std::to_string(day.date.day));
    }
  }
  EXPECT_EQ(termsShown, (std::vector<std::string>{"立夏@5", "小满@21"}));
  EXPECT_EQ((*view)[19].lunar.dayText(), "十一");
  EXPECT_EQ(monthView(2012, 2)->size(), 29u);
}

}  // namespace
}  // namespace quillan::calendar
