#include "scoring/ScoringState.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillan::scoring {
namespace {

struct NameCase {
  std::vector<int> surname;
  std::vector<int> given;
  std::array<int, 5> grids;  // 天格 人格 地格 外格 总格
  std::array<const char*, 5> luck;
  const char* combination;
  std::array<const char*, 8> parts;  // slots 2..9 as stored
  const char* score;
};

ScoringState scored(const NameCase& c) {
  ScoringState state;
  EXPECT_TRUE(state.computeFiveGrids(c.surname, c.given));
  state.rateGridLuck();
  state.gridElementsOf();
  state.rateThreeTalents();
  state.rateGridPoints();
  return state;
}

TEST(ScoringState, WorkedExamples) {
  const NameCase cases[] = {
      // One-character surname of 7 strokes, given name of 8: 金土水, 88.3.
      {{7},
       {8},
       {8, 15, 9, 2, 15},
       {"大吉", "大吉", "凶", "凶", "大吉"},
       "金土水",
       {"12", "3", " 0.8", "12", "1", "1", "2", "1.5"},
       "88.3"},
      {{7},
       {8, 10},
       {8, 15, 18, 11, 25},
       {"大吉", "大吉", "大吉", "大吉", "大吉"},
       "金土金",
       {"12", "12", "1", "12", "2", "2", "2", "1.5"},
       "99.5"},
      {{4, 9},
       {6},
       {13, 15, 7, 5, 19},
       {"大吉", "大吉", "大吉", "大吉", "凶"},
       "火土金",
       {"12", "12", "1", "3", "1", "2", "2", "2"},
       "90"},
      {{4, 9},
       {6, 10},
       {13, 15, 16, 14, 29},
       {"大吉", "大吉", "大吉", "凶", "半吉"},
       "火土土",
       {"12", "12", " 0.8", " 7", "2", "2", "2", "2"},
       "94.8"},
      // 木木木 with every scored grid 大吉: 天格 11, 人格 21, 地格 21, 外格 11, 总格 31.
      {{10},
       {11, 10},
       {11, 21, 21, 11, 31},
       {"大吉", "大吉", "大吉", "大吉", "大吉"},
       "木木木",
       {"12", "12", "1", "12", "2", "2", "2", "2"},
       "100"},
      // 水水木 whose only 大吉 is 总格.
      {{5, 5},
       {15, 7},
       {10, 20, 22, 12, 32},
       {"凶", "凶", "凶", "凶", "大吉"},
       "水水木",
       {"3", "3", " 0.8", "12", "1", "1", "1", "1"},
       "77.8"},
  };
  for (const auto& c : cases) {
    const auto state = scored(c);
    SCOPED_TRACE(c.combination);
    for (int i = 0; i < kGridCount; ++i) {
      const auto grid = static_cast<Grid>(i);
      EXPECT_EQ(state.gridNumber(grid), c.grids[static_cast<std::size_t>(i)]) << "grid " << i;
      EXPECT_EQ(state.gridLuckWord(grid), c.luck[static_cast<std::size_t>(i)]) << "grid " << i;
    }
    EXPECT_EQ(state.combinationText(), c.combination);
    for (int slot = 2; slot <= 9; ++slot) {
      EXPECT_EQ(state.scorePartText(slot), c.parts[static_cast<std::size_t>(slot - 2)]) << "slot " << slot;
    }
    EXPECT_EQ(state.scoreText(), c.score);
  }
}

TEST(ScoringState, LowestScoreIs68Point8) {
  // Every scored grid 凶 and the combination 水水木 (values 1 / 1 / 1 / 1).
  ScoringState state;
  ASSERT_TRUE(state.computeFiveGrids(std::vector{10, 10}, std::vector{10, 12}));
  state.rateGridLuck();
  state.gridElementsOf();
  state.rateThreeTalents();
  state.rateGridPoints();
  EXPECT_EQ(state.combinationText(), "水水木");
  EXPECT_EQ(state.gridNumber(Grid::Total), 42);
  EXPECT_EQ(state.gridNumber(Grid::Outer), 22);
  EXPECT_EQ(state.scoreText(), "68.8");
}

TEST(ScoringState, EmptyStrokesCountZero) {
  ScoringState state;
  ASSERT_TRUE(state.computeHeavenGrid(std::vector{0}));
  EXPECT_EQ(state.gridNumberText(Grid::Heaven), "1");
}

TEST(ScoringState, GivenNameOfThreeCharactersLeavesGridsUntouched) {
  ScoringState state;
  ASSERT_TRUE(state.computeFiveGrids(std::vector{7}, std::vector{8}));
  EXPECT_FALSE(state.computeGivenGrids(std::vector{1, 2, 3}));
  EXPECT_EQ(state.gridNumber(Grid::Person), 15);
  EXPECT_EQ(state.gridNumber(Grid::Total), 15);
  EXPECT_FALSE(ScoringState{}.computeHeavenGrid(std::vector{1, 2, 3}));
  EXPECT_FALSE(ScoringState{}.computeGivenGrids(std::vector{8}));  // no surname yet
}

TEST(ScoringState, NumbersOutsideTheTableNeverInheritThePreviousName) {
  // A heavy name: 总格 above 81 keeps its real number and element but rates as its reduced number.
  ScoringState state;
  ASSERT_TRUE(state.computeFiveGrids(std::vector{30, 30}, std::vector{30, 30}));
  EXPECT_EQ(state.gridNumber(Grid::Total), 120);
  state.rateGridLuck();
  state.gridElementsOf();
  state.rateThreeTalents();
  state.rateGridPoints();
  EXPECT_EQ(state.gridLuckWord(Grid::Total), luckWord(*tableLuck(40)));  // 120 - 80 = 40: 凶
  EXPECT_EQ(state.scorePartText(5), "3");

  // After a name of all-大吉 grids, a name with missing strokes (grids of 0) rates 凶, not 大吉.
  ScoringState reused;
  reused.computeFiveGrids(std::vector{10}, std::vector{11, 10});
  reused.rateGridLuck();
  reused.rateThreeTalents();
  reused.rateGridPoints();
  ASSERT_EQ(reused.gridLuckWord(Grid::Person), "大吉");
  reused.computeFiveGrids(std::vector{0, 0}, std::vector{0, 0});
  reused.rateGridLuck();
  reused.gridElementsOf();
  reused.rateThreeTalents();
  reused.rateGridPoints();
  for (int i = 0; i < kGridCount; ++i) {
    EXPECT_EQ(reused.gridLuckWord(static_cast<Grid>(i)), "凶") << "grid " << i;
  }
  EXPECT_EQ(reused.combinationText(), "水水水");  // 0 ends in 0, which counts as 10
}

}  // namespace
}  // namespace quillan::scoring
