#include "bazi/ChartMethod.h"

#include <gtest/gtest.h>

#include "bazi/ChartText.h"
#include "bazi/DayStemReadings.h"
#include "calendar/Sexagenary.h"

namespace quillan::bazi {
namespace {

// A chart of the given pillar names (year, month, day and, when given, hour), read by the method.
BirthChart chartOf(std::vector<std::string> names) {
  BirthChart chart;
  chart.hourKnown = names.size() == 4;
  const PillarPosition positions[] = {PillarPosition::Year, PillarPosition::Month, PillarPosition::Day,
                                      PillarPosition::Hour};
  for (std::size_t i = 0; i < names.size(); ++i) {
    ChartPillar pillar;
    pillar.position = positions[i];
    pillar.pair = calendar::sexagenaryNumber(names[i]);
    pillar.stem = (pillar.pair - 1) % 10;
    pillar.branch = (pillar.pair - 1) % 12;
    chart.pillars.push_back(pillar);
  }
  readChart(chart);
  return chart;
}

struct MethodCase {
  std::vector<std::string> pillars;
  std::string counts;
  int support;
  int total;
  const char* strength;
  const char* yongshen;
  const char* xishen;
};

TEST(ChartMethod, StrengthAndFavourableElements) {
  const MethodCase cases[] = {
      // 丙 fire in 巳: fire 1+1+2+1 of 8 → strong; outlets water 2, earth 1, metal 0.
      {{"癸巳", "丁巳", "丙戌", "癸巳"}, "木0 火5 土1 金0 水2", 5, 8, "身强", "金", "土"},
      // 甲 wood in 酉 with metal and earth around: support only 壬 (water) 1 → weak.
      {{"庚申", "乙酉", "甲戌", "壬申"}, "木2 火0 土1 金4 水1", 2, 8, "身弱", "水", "木"},
      // Without the hour: 6 in all.
      // Without the hour: 6 in all; water and earth tie at 1, and 官杀 (water) goes before 食伤 (earth).
      {{"癸巳", "丁巳", "丙戌"}, "木0 火4 土1 金0 水1", 4, 6, "身强", "金", "水"},
      // Strong 甲 wood; 官杀 (metal) 0 and 财 (earth) 0 tie before 食伤 (fire) 1.
      {{"甲寅", "丙寅", "甲子", "甲子"}, "木5 火1 土0 金0 水2", 7, 8, "身强", "金", "土"},
  };
  for (const auto& c : cases) {
    const BirthChart chart = chartOf(c.pillars);
    const std::string where = c.pillars[0] + c.pillars[1] + c.pillars[2];
    EXPECT_EQ(countsText(chart), c.counts) << where;
    EXPECT_EQ(chart.support, c.support) << where;
    EXPECT_EQ(chart.total, c.total) << where;
    EXPECT_EQ(strengthWord(chart), c.strength) << where;
    EXPECT_EQ(elementName(chart.yongshen), c.yongshen) << where;
    EXPECT_EQ(elementName(chart.xishen), c.xishen) << where;
  }
}

TEST(ChartMethod, HalfTheTotalIsStillStrong) {
  // 丙 fire: 甲 wood year stem 1, 午 year branch 1, 寅 month branch 2 = 4 of 8.
  const BirthChart chart = chartOf({"甲午", "庚寅", "丙子", "辛丑"});
  EXPECT_EQ(chart.support, 4);
  EXPECT_TRUE(chart.strong);
}

TEST(ChartMethod, TheSentenceAndTheStepsCarryTheNumbers) {
  const BirthChart chart = chartOf({"癸巳", "丁巳", "丙戌", "癸巳"});
  EXPECT_EQ(chartLine(chart), "八字：癸巳 丁巳 丙戌 癸巳 · 身强 · 喜用神：金、土");
  EXPECT_EQ(reasonSentence(chart),
            "日主丙火生于巳月，得令；同类与生扶共5分，占8分的63%，身强，宜泄宜耗：官杀（水）2分、食伤（土）1分、"
            "财（金）0分，取最轻的金为用神、土为喜神。");
  const auto steps = methodSteps(chart);
  EXPECT_EQ(steps[1], "五行缺：木金");
  EXPECT_EQ(steps[4], "生扶日主：比劫（火）5分 + 印（木）0分 = 5分，占63%");
}

TEST(DayStemReadings, EveryStemHasItsText) {
  for (int stem = 0; stem < 10; ++stem) {
    EXPECT_FALSE(dayStemReading(stem).empty()) << stem;
  }
  EXPECT_TRUE(dayStemReading(10).empty());
  EXPECT_NE(dayStemReading(0).find("甲"), std::string_view::npos);
}

}  // namespace
}  // namespace quillan::bazi
