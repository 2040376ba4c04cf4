#include <gtest/gtest.h>

#include <algorithm>

#include "pastime/ZodiacPair.h"

using namespace quillan::pastime;

namespace {

std::vector<ZodiacPair> pairs() {
  auto read = readZodiacPairs(QUILLAN_SOURCE_DIR "/data/signs/zodiac-pairs.tsv");
  if (auto* failure = std::get_if<std::string>(&read)) {
    ADD_FAILURE() << *failure;
    return {};
  }
  return std::get<0>(read);
}

int animal(std::string_view name) {
  for (std::size_t i = 0; i < kZodiacAnimals.size(); ++i) {
    if (kZodiacAnimals[i] == name) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

}  // namespace

TEST(ZodiacPair, CustomaryRelationsInEitherOrder) {
  const auto all = pairs();
  ASSERT_FALSE(all.empty());
  struct Case {
    const char* a;
    const char* b;
    const char* relation;
  };
  const Case cases[] = {
      {"鼠", "牛", "六合"},       {"牛", "鼠", "六合"}, {"猴", "鼠", "三合"}, {"马", "鼠", "相冲"},
      {"羊", "鼠", "相害"},       {"兔", "鼠", "相刑"}, {"龙", "龙", "相刑"}, {"虎", "猴", "相冲、相刑"},
      {"蛇", "猴", "六合、相刑"}, {"鼠", "虎", "none"}, {"猪", "猪", "相刑"}, {"兔", "狗", "六合"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(pairOf(all, animal(c.a), animal(c.b)).relation, c.relation) << c.a << c.b;
  }
  EXPECT_EQ(relationText(pairOf(all, animal("鼠"), animal("虎"))), "无特别的合冲刑害");
}

// Every pair of the file against the customary rules of the earthly branches (子 0 … 亥 11).
TEST(ZodiacPair, EveryRelationFollowsTheBranchRules) {
  const auto all = pairs();
  ASSERT_FALSE(all.empty());
  const auto same = [](int a, int b, std::initializer_list<std::pair<int, int>> list) {
    for (const auto& [x, y] : list) {
      if ((a == x && b == y) || (a == y && b == x)) {
        return true;
      }
    }
    return false;
  };
  const auto trio = [](int a, int b, std::initializer_list<std::initializer_list<int>> trios) {
    for (const auto& members : trios) {
      const bool hasA = std::find(members.begin(), members.end(), a) != members.end();
      const bool hasB = std::find(members.begin(), members.end(), b) != members.end();
      if (a != b && hasA && hasB) {
        return true;
      }
    }
    return false;
  };
  for (int a = 0; a < 12; ++a) {
    for (int b = a; b < 12; ++b) {
      std::vector<std::string> relations;
      if (same(a, b, {{0, 1}, {2, 11}, {3, 10}, {4, 9}, {5, 8}, {6, 7}})) relations.push_back("六合");
      if (trio(a, b, {{8, 0, 4}, {5, 9, 1}, {2, 6, 10}, {11, 3, 7}})) relations.push_back("三合");
      if (b - a == 6) relations.push_back("相冲");
      if (same(a, b, {{0, 7}, {1, 6}, {2, 5}, {3, 4}, {8, 11}, {9, 10}})) relations.push_back("相害");
      if (same(a, b, {{0, 3}}) || trio(a, b, {{2, 5, 8}, {1, 7, 10}}) ||
          (a == b && (a == 4 || a == 6 || a == 9 || a == 11)))
        relations.push_back("相刑");
      std::string expected = relations.empty() ? "none" : "";
      for (const std::string& relation : relations) {
        expected += (expected.empty() ? "" : "、") + relation;
      }
      EXPECT_EQ(pairOf(all, a, b).relation, expected) << kZodiacAnimals[a] << kZodiacAnimals[b];
    }
  }
}

TEST(ZodiacPair, AnimalOfAYear) {
  EXPECT_EQ(kZodiacAnimals[animalOfYear(2026)], "马");
  EXPECT_EQ(kZodiacAnimals[animalOfYear(2020)], "鼠");
  EXPECT_EQ(kZodiacAnimals[animalOfYear(1899)], "猪");
}
