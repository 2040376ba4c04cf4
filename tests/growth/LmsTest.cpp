#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "StandardsFixture.h"
#include "growth/LmsMath.h"

using namespace quillan::growth;
using quillan::growth::testing::standards;

namespace {

Indicator indicatorOf(const std::string& name) {
  if (name == "wfa") return Indicator::WeightForAge;
  if (name == "lhfa") return Indicator::LengthForAge;
  if (name == "hcfa") return Indicator::HeadForAge;
  return Indicator::WeightForLength;
}

}  // namespace

// WHO's printed SD tables (one decimal) against the lines computed from our LMS rows.
TEST(Lms, SdLinesMatchWhoPublishedTables) {
  std::ifstream in(QUILLAN_SOURCE_DIR "/tests/data/growth/who-sd-values.tsv");
  ASSERT_TRUE(in);
  std::string line;
  std::getline(in, line);
  bool anyRow = false;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string indicator, sex;
    double x = 0;
    fields >> indicator >> sex >> x;
    const Sex s = sex == "boys" ? Sex::Boy : Sex::Girl;
    const auto row = standards().table(indicatorOf(indicator), s, 0).at(x);
    ASSERT_TRUE(row) << line;
    for (int k = -3; k <= 3; ++k) {
      double printed = 0;
      fields >> printed;
      EXPECT_NEAR(valueAtZ(*row, k), printed, 0.05 + 1e-9) << line << " at " << k << " SD";
    }
    anyRow = true;
  }
  EXPECT_TRUE(anyRow);
}

// Worked by hand from WHO's rows: z = ((x/M)^L - 1)/(L S), and beyond ±3 WHO's linear steps.
TEST(Lms, ZScoresAndPercentilesOfWorkedCases) {
  struct Case {
    Indicator indicator;
    Sex sex;
    std::int64_t day;
    double x;
    double value;
    double z;
    double percentile;
  };
  const Case cases[] = {
      {Indicator::WeightForAge, Sex::Boy, 181, 181, 7.9, -0.0151, 49.397},
      {Indicator::WeightForAge, Sex::Girl, 730, 730, 10.2, -0.9667, 16.685},
      {Indicator::LengthForAge, Sex::Girl, 365, 365, 72.0, -0.7787, 21.807},
      {Indicator::LengthForAge, Sex::Boy, 1095, 1095, 90.0, -1.6371, 5.081},
      {Indicator::HeadForAge, Sex::Boy, 0, 0, 36.0, 1.2109, 88.704},
      {Indicator::HeadForAge, Sex::Girl, 540, 540, 44.0, -1.5905, 5.586},
      // Beyond +3 and -3 SD: the restricted rule, not the skewed curve.
      {Indicator::WeightForAge, Sex::Boy, 0, 0, 6.0, 4.5858, 100.0},
      {Indicator::WeightForAge, Sex::Girl, 365, 365, 5.0, -4.6574, 0.0},
      // Between the 68.2 and 68.3 cm rows: L, M, S interpolated.
      {Indicator::WeightForLength, Sex::Girl, 300, 68.25, 7.5, -0.4320, 33.288},
  };
  for (const Case& c : cases) {
    const auto z = standards().zScore(c.indicator, c.sex, c.day, c.x, c.value);
    ASSERT_TRUE(z) << c.value;
    EXPECT_NEAR(*z, c.z, 0.01) << indicatorText(c.indicator) << " " << c.value;
    EXPECT_NEAR(percentileOfZ(*z), c.percentile, 0.05) << indicatorText(c.indicator) << " " << c.value;
  }
}

TEST(Lms, TheMedianIsTheFiftiethPercentile) {
  const auto row = standards().table(Indicator::WeightForAge, Sex::Boy, 0).at(0);
  ASSERT_TRUE(row);
  EXPECT_DOUBLE_EQ(row->m, 3.3464);
  EXPECT_NEAR(lmsZScore(*row, row->m), 0, 1e-12);
  EXPECT_NEAR(percentileOfZ(0), 50, 1e-12);
  for (const CentileLine& line : kCentileLines) {
    EXPECT_NEAR(percentileOfZ(line.z), line.percentile, 1e-6);
    EXPECT_NEAR(lmsZScore(*row, valueAtZ(*row, line.z)), line.z, 1e-9);
  }
}

TEST(Lms, InterpolatesBetweenRowsAndStopsAtTheEnds) {
  const LmsTable table(10, 1, {{1, 10, 0.1}, {0, 20, 0.3}});
  const auto middle = table.at(10.25);
  ASSERT_TRUE(middle);
  EXPECT_DOUBLE_EQ(middle->l, 0.75);
  EXPECT_DOUBLE_EQ(middle->m, 12.5);
  EXPECT_DOUBLE_EQ(middle->s, 0.15);
  EXPECT_DOUBLE_EQ(table.at(11)->m, 20);
  EXPECT_FALSE(table.at(9.9));
  EXPECT_FALSE(table.at(11.1));
  // The weight-for-length table switches to weight-for-height at two years, and both end where WHO's do.
  EXPECT_DOUBLE_EQ(standards().table(Indicator::WeightForLength, Sex::Boy, 730).first(), 45);
  EXPECT_DOUBLE_EQ(standards().table(Indicator::WeightForLength, Sex::Boy, 731).first(), 65);
  EXPECT_FALSE(standards().zScore(Indicator::WeightForLength, Sex::Boy, 100, 44.9, 2.0));
  EXPECT_TRUE(standards().zScore(Indicator::WeightForAge, Sex::Girl, 1826, 1826, 18.0));
}

TEST(Lms, BrokenTablesAreRefusedWithTheirReason) {
  const auto missing = GrowthStandards::load("/nonexistent/growth");
  ASSERT_TRUE(std::holds_alternative<std::string>(missing));
  EXPECT_NE(std::get<std::string>(missing).find("wfa-boys.tsv"), std::string::npos);
}
