#include "bazi/BirthChart.h"

#include <gtest/gtest.h>

#include <cmath>

#include "TsvFixture.h"
#include "calendar/TrueSolarTime.h"

namespace quillan::bazi {
namespace {

calendar::DateTime parseDateTime(const std::string& text) {
  calendar::DateTime moment;
  std::sscanf(text.c_str(), "%d-%d-%d %d:%d:%d", &moment.date.year, &moment.date.month, &moment.date.day, &moment.hour,
              &moment.minute, &moment.second);
  return moment;
}

std::string hiddenText(const ChartPillar& pillar) {
  std::string text;
  for (const auto& hidden : pillar.hidden) {
    text += stemName(hidden.stem);
  }
  return text;
}

std::string hiddenGodsText(const ChartPillar& pillar) {
  std::string text;
  for (const auto& hidden : pillar.hidden) {
    text += (text.empty() ? "" : ",") + std::string(tenGodName(hidden.god));
  }
  return text;
}

// Pillars, hidden stems, ten gods and Nayin against an independent calendar library, across 1901–2100.
TEST(BirthChart, AgreesWithTheOracleAcrossTheRange) {
  const auto rows = calendar::test::readCalendarFixture("charts.tsv");
  ASSERT_FALSE(rows.empty());
  for (const auto& row : rows) {
    const auto moment = parseDateTime(row.at("datetime"));
    const auto chart = birthChart({moment.date, moment.hour, moment.minute, std::nullopt});
    ASSERT_TRUE(chart.has_value()) << row.at("datetime");
    ASSERT_EQ(chart->pillars.size(), 4U);
    const char* positions[] = {"year", "month", "day", "hour"};
    for (std::size_t i = 0; i < 4; ++i) {
      const auto& pillar = chart->pillars[i];
      const std::string p = positions[i];
      const std::string where = row.at("datetime") + " " + p;
      EXPECT_EQ(pillar.name(), row.at(p + "_pillar")) << where;
      EXPECT_EQ(hiddenText(pillar), row.at(p + "_hidden")) << where;
      EXPECT_EQ(pillar.stemGod ? std::string(tenGodName(*pillar.stemGod)) : "日主", row.at(p + "_stem_god")) << where;
      EXPECT_EQ(hiddenGodsText(pillar), row.at(p + "_hidden_gods")) << where;
      EXPECT_EQ(pillar.nayin, row.at(p + "_nayin")) << where;
    }
  }
}

TEST(BirthChart, WithoutTheHourItHasSixCharacters) {
  const auto chart = birthChart({{2013, 5, 20}, std::nullopt, 0, std::nullopt});
  ASSERT_TRUE(chart.has_value());
  ASSERT_EQ(chart->pillars.size(), 3U);
  EXPECT_EQ(chart->pillars[2].name(), "丙戌");
  EXPECT_EQ(chart->total, 6);
  EXPECT_FALSE(chart->hourKnown);
}

TEST(BirthChart, RefusesWhatIsNoBirthMoment) {
  EXPECT_FALSE(birthChart({{2013, 2, 29}, 10, 0, std::nullopt}));
  EXPECT_FALSE(birthChart({{2013, 5, 20}, 24, 0, std::nullopt}));
  EXPECT_FALSE(birthChart({{2013, 5, 20}, 10, 60, std::nullopt}));
  EXPECT_FALSE(birthChart({{1900, 12, 31}, 10, 0, std::nullopt}));
  EXPECT_FALSE(birthChart({{2013, 5, 20}, 10, 0, 200.0}));
}

TEST(TrueSolarTime, EquationOfTimeAtItsExtremes) {
  // About +16.4 min early in November and −14.2 min in mid-February.
  EXPECT_NEAR(calendar::equationOfTimeMinutes({{2013, 11, 3}, 12, 0, 0}), 16.4, 0.3);
  EXPECT_NEAR(calendar::equationOfTimeMinutes({{2013, 2, 11}, 12, 0, 0}), -14.2, 0.3);
  EXPECT_NEAR(calendar::equationOfTimeMinutes({{2013, 4, 15}, 12, 0, 0}), 0.0, 0.5);
}

TEST(TrueSolarTime, AFarWesternBirthplaceMovesTheHourPillar) {
  const calendar::DateTime ten{{2013, 5, 20}, 10, 0, 0};
  const auto urumqi = calendar::trueSolarTime(ten, 87.6);
  ASSERT_TRUE(urumqi.has_value());
  const auto shift = calendar::secondNumber(ten) - calendar::secondNumber(*urumqi);
  EXPECT_GT(shift, 2 * 3600);
  const auto plain = birthChart({ten.date, 10, 0, std::nullopt});
  const auto shifted = birthChart({ten.date, 10, 0, 87.6});
  ASSERT_TRUE(plain && shifted);
  EXPECT_EQ(plain->pillars[3].name(), "癸巳");
  EXPECT_EQ(shifted->pillars[3].name(), "壬辰");
  EXPECT_EQ(shifted->used.hour, 7);
  // At 120° only the equation of time moves the clock.
  const auto beijingTime = calendar::trueSolarTime(ten, 120.0);
  EXPECT_LT(std::abs(calendar::secondNumber(*beijingTime) - calendar::secondNumber(ten)), 5 * 60);
}

}  // namespace
}  // namespace quillan::bazi
