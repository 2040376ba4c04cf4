#include <gtest/gtest.h>

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

TEST(ZodiacPair, AnimalOfAYear) {
  EXPECT_EQ(kZodiacAnimals[animalOfYear(2026)], "马");
  EXPECT_EQ(kZodiacAnimals[animalOfYear(2020)], "鼠");
  EXPECT_EQ(kZodiacAnimals[animalOfYear(1899)], "猪");
}
