#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "common/ScoreFormat.h"
#include "scoring/Element.h"
#include "scoring/LuckTable.h"
#include "scoring/ScoringState.h"
#include "scoring/ThreeTalentsTable.h"

namespace quillan::scoring {
namespace {

TEST(LuckTable, ClassSizesAndSpotValues) {
  int counts[3] = {};
  for (int n = 1; n <= 81; ++n) {
    ++counts[static_cast<int>(*tableLuck(n))];
  }
  EXPECT_EQ(counts[0], 31);
  EXPECT_EQ(counts[1], 15);
  EXPECT_EQ(counts[2], 35);
  const std::pair<int, const char*> spots[] = {{2, "凶"}, {6, "半吉"},  {7, "大吉"}, {8, "大吉"}, {15, "大吉"},
                                               {9, "凶"}, {29, "半吉"}, {80, "凶"},  {81, "大吉"}};
  for (const auto& [n, word] : spots) {
    EXPECT_EQ(luckWord(*tableLuck(n)), word) << n;
  }
  EXPECT_FALSE(tableLuck(0));
  EXPECT_FALSE(tableLuck(82));
}

TEST(LuckTable, RatingOutsideOneToEightyOne) {
  EXPECT_EQ(reducedNumber(82), 2);
  EXPECT_EQ(reducedNumber(161), 81);
  EXPECT_EQ(reducedNumber(162), 2);
  EXPECT_EQ(rateNumber(83), *tableLuck(3));
  EXPECT_EQ(rateNumber(0), Luck::Bad);
  EXPECT_EQ(rateNumber(-4), Luck::Bad);
}

TEST(Element, ByLastDigit) {
  const std::pair<int, const char*> cases[] = {{1, "木"},  {2, "木"},  {3, "火"},  {4, "火"},  {5, "土"},
                                               {6, "土"},  {7, "金"},  {8, "金"},  {9, "水"},  {10, "水"},
                                               {20, "水"}, {11, "木"}, {15, "土"}, {120, "水"}};
  for (const auto& [n, word] : cases) {
    EXPECT_EQ(elementWord(elementOfNumber(n)), word) << n;
  }
  EXPECT_EQ(parseElement("金"), Element::Metal);
  EXPECT_FALSE(parseElement("铁"));
}

TEST(ThreeTalentsTable, ValuesAndSums) {
  int lowest = 100;
  int highest = 0;
  for (int h = 0; h < kElementCount; ++h) {
    for (int p = 0; p < kElementCount; ++p) {
      for (int e = 0; e < kElementCount; ++e) {
        const auto& values =
            threeTalentsValues(static_cast<Element>(h), static_cast<Element>(p), static_cast<Element>(e));
        int sum = 0;
        for (auto v : values.halves) {
          EXPECT_TRUE(v == 2 || v == 3 || v == 4);
          sum += v;
        }
        lowest = std::min(lowest, sum);
        highest = std::max(highest, sum);
      }
    }
  }
  EXPECT_EQ(lowest, 8);    // 4 in whole points
  EXPECT_EQ(highest, 16);  // 8
  const auto values = [](const char* combination) {
    const std::string text = combination;
    const auto& v = threeTalentsValues(*parseElement(text.substr(0, 3)), *parseElement(text.substr(3, 3)),
                                       *parseElement(text.substr(6, 3)));
    std::string out;
    for (auto half : v.halves) {
      out += std::string(talentValueText(half)) + "/";
    }
    return out;
  };
  EXPECT_EQ(values("金土水"), "1/1/2/1.5/");
  EXPECT_EQ(values("木木木"), "2/2/2/2/");
  EXPECT_EQ(values("金金火"), "1/1/1/1/");
  EXPECT_EQ(values("水水木"), "1/1/1/1/");
  EXPECT_EQ(values("火土火"), "2/2/2/2/");
  EXPECT_EQ(values("水土金"), "1/2/1.5/2/");
}

// Every score a name can reach: all luck classes of the four scored grids with every combination.
TEST(TotalScore, ReachableScores) {
  std::set<int> tenths;
  const int mainPoints[] = {120, 70, 30};
  const int outerPoints[] = {10, 10, 8};
  for (int h = 0; h < kElementCount; ++h) {
    for (int p = 0; p < kElementCount; ++p) {
      for (int e = 0; e < kElementCount; ++e) {
        const auto& v = threeTalentsValues(static_cast<Element>(h), static_cast<Element>(p), static_cast<Element>(e));
        const int talents = (v.halves[0] + v.halves[1] + v.halves[2] + v.halves[3]) * 5;
        for (int a : mainPoints) {
          for (int b : mainPoints) {
            for (int c : outerPoints) {
              for (int d : mainPoints) {
                tenths.insert(550 + a + b + c + d + talents);
              }
            }
          }
        }
      }
    }
  }
  EXPECT_EQ(tenths.size(), 124U);
  EXPECT_EQ(*tenths.begin(), 688);
  EXPECT_EQ(*tenths.rbegin(), 1000);
  std::vector<std::string> high;
  for (int t : tenths) {
    if (t >= 950) {
      high.push_back(common::formatScore(t / 10.0));
    }
  }
  EXPECT_EQ(high, (std::vector<std::string>{"95", "95.8", "96", "96.3", "96.5", "96.8", "97", "97.3", "97.5", "97.8",
                                            "98", "98.3", "98.5", "98.8", "99", "99.3", "99.5", "99.8", "100"}));
}

// Through the state itself: 外格 "半吉" counts 1, like "大吉".
TEST(TotalScore, OuterHalfLuckCountsOne) {
  ScoringState state;
  // Surname 5 + given 1 + 5: 外格 = 总格 - 人格 + 1 = 11 - 6 + 1 = 6 (半吉).
  ASSERT_TRUE(state.computeFiveGrids(std::vector{5}, std::vector{1, 5}));
  state.rateGridLuck();
  state.gridElementsOf();
  state.rateThreeTalents();
  state.rateGridPoints();
  EXPECT_EQ(state.gridNumber(Grid::Outer), 6);
  EXPECT_EQ(state.gridLuckWord(Grid::Outer), "半吉");
  EXPECT_EQ(state.scorePartText(4), " 1");
  EXPECT_DOUBLE_EQ(state.scorePart(4), 1.0);
}

}  // namespace
}  // namespace quillan::scoring
