#include "folk/NameMatch.h"

#include <gtest/gtest.h>

namespace quillan::folk {
namespace {

// 2013-05-20 10:00: 癸巳 丁巳 丙戌 癸巳, day stem 丙火, 身强; 用神 金, 喜神 土.
bazi::BirthChart strongFireChart() {
  const auto chart = bazi::birthChart({{2013, 5, 20}, 10, 0, std::nullopt});
  EXPECT_TRUE(chart && chart->strong && chart->yongshen == bazi::Element::Metal &&
              chart->xishen == bazi::Element::Earth);
  return *chart;
}

// 2013-12-20 00:00: day stem 庚金, 身弱; 用神 土, 喜神 金.
bazi::BirthChart weakMetalChart() {
  const auto chart = bazi::birthChart({{2013, 12, 20}, 0, 0, std::nullopt});
  EXPECT_TRUE(chart && !chart->strong && chart->yongshen == bazi::Element::Earth &&
              chart->xishen == bazi::Element::Metal);
  return *chart;
}

// 李明江 with the given name's elements and the 天格, 人格, 地格 numbers.
evaluate::ReportInputs name(const char* first, const char* second, int person, int earth) {
  evaluate::ReportInputs inputs;
  inputs.surname1 = {"李", "李", "lǐ", "7", "木"};
  inputs.given1 = {"明", "明", "míng", "8", first};
  inputs.given2 = {"江", "江", "jiāng", "7", second};
  inputs.details[2].elementBasis = "meaning";
  inputs.grids = {8, person, earth, 8, 22};
  return inputs;
}

TEST(NameMatch, WeighsEachCharacterAndTalentAgainstTheChart) {
  const auto match = matchName(name("火", "水", 15, 14), strongFireChart());
  ASSERT_EQ(match.lines.size(), 6U);  // 李 明 江, 天格 人格 地格
  struct Expected {
    const char* label;
    Effect effect;
    bool counted;
  };
  const Expected expected[] = {
      {"「李」", Effect::Hinders, false},  // 木 feeds a strong day stem, but the surname is not chosen
      {"「明」", Effect::Hinders, true},   // 火, its own element
      {"「江」", Effect::Neutral, true},   // 水 controls it: neither 用神 nor 喜神
      {"天格 8", Effect::Helps, false},    // 金, 用神
      {"人格 15", Effect::Helps, true},    // 土, 喜神
      {"地格 14", Effect::Hinders, true},  // 火
  };
  for (std::size_t i = 0; i < 6; ++i) {
    SCOPED_TRACE(expected[i].label);
    EXPECT_EQ(match.lines[i].label, expected[i].label);
    EXPECT_EQ(match.lines[i].effect, expected[i].effect);
    EXPECT_EQ(match.lines[i].counted, expected[i].counted);
  }
  EXPECT_NE(match.lines[1].reason.find("按字义"), std::string::npos);
  EXPECT_NE(match.lines[1].reason.find("日主本已偏强"), std::string::npos);
  EXPECT_NE(match.lines[4].reason.find("补喜神土"), std::string::npos);
  EXPECT_EQ(match.balance, -1);
  EXPECT_EQ(match.verdict, "略有相违");
  EXPECT_NE(match.summary.find("人格 15合八字所喜。「明」、地格 14与八字所需相违"), std::string::npos);
}

struct VerdictCase {
  const char* first;
  const char* second;
  int person;
  int earth;
  bool strongChart;
  int balance;
  const char* verdict;
};

TEST(NameMatch, VerdictFollowsTheBalance) {
  const VerdictCase cases[] = {
      {"金", "土", 17, 16, true, 4, "相配较好"},
      {"火", "木", 13, 12, true, -4, "略有相违"},
      {"金", "", 19, 20, true, 1, "大体平和"},  // an unknown element and two neutral 水 talents
      // A weak day stem wants support: 土 and 金 help, 水 木 火 drain or control it.
      {"土", "金", 15, 17, false, 4, "相配较好"},
      {"水", "木", 11, 13, false, -4, "略有相违"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.first) + c.second);
    const auto match =
        matchName(name(c.first, c.second, c.person, c.earth), c.strongChart ? strongFireChart() : weakMetalChart());
    EXPECT_EQ(match.balance, c.balance);
    EXPECT_EQ(match.verdict, c.verdict);
  }
}

}  // namespace
}  // namespace quillan::folk
