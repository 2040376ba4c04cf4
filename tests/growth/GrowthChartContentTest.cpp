#include <gtest/gtest.h>

#include "StandardsFixture.h"
#include "growth/GrowthChartContent.h"
#include "growth/LmsMath.h"

using namespace quillan::growth;
using quillan::growth::testing::standards;

TEST(GrowthChartContent, CurvesAndPointsOverTheRangeOfTheMeasurements) {
  const ChildRecord child{
      "小宝", Sex::Boy, {2026, 1, 5}, {{{2026, 2, 5}, 4.5, 55.0, {}}, {{2026, 7, 5}, 7.9, 68.0, {}}}};
  const GrowthChartContent chart = growthChart(standards(), child, Indicator::WeightForAge);
  EXPECT_DOUBLE_EQ(chart.xMin, 0);
  EXPECT_NEAR(chart.xMax, 12, 1e-9);  // six months measured: the chart runs to a year
  ASSERT_EQ(chart.curves.size(), kCentileLines.size());
  std::vector<int> percentiles;
  for (const CentileCurve& curve : chart.curves) {
    percentiles.push_back(curve.percentile);
    ASSERT_FALSE(curve.points.empty());
    EXPECT_DOUBLE_EQ(curve.points.front().x, 0);
  }
  EXPECT_EQ(percentiles, (std::vector<int>{3, 15, 50, 85, 97}));
  // P50 at birth is WHO's median.
  EXPECT_NEAR(chart.curves[2].points.front().y, 3.3464, 1e-9);
  ASSERT_EQ(chart.childPoints.size(), 2u);
  EXPECT_NEAR(chart.childPoints[1].x, 181 / 30.4375, 1e-9);
  EXPECT_DOUBLE_EQ(chart.childPoints[1].y, 7.9);
  EXPECT_LE(chart.yMin, chart.curves[0].points.front().y);
  EXPECT_GE(chart.yMax, chart.curves[4].points.back().y);
  EXPECT_NE(chart.notes.front().find("不是医学建议"), std::string::npos);

  const GrowthChartContent byLength = growthChart(standards(), child, Indicator::WeightForLength);
  EXPECT_EQ(byLength.xLabel, "身长（cm）");
  EXPECT_LE(byLength.xMin, 55);
  EXPECT_GE(byLength.xMax, 68);
  EXPECT_EQ(byLength.childPoints.size(), 2u);
}
