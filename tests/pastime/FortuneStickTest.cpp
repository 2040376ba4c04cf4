#include <gtest/gtest.h>

#include <set>

#include "pastime/FortuneStick.h"

using namespace quillan::pastime;

namespace {

std::vector<FortuneStick> sticks() {
  auto read = readFortuneSticks(QUILLAN_SOURCE_DIR "/data/sticks/sticks.tsv");
  if (auto* failure = std::get_if<std::string>(&read)) {
    ADD_FAILURE() << *failure;
    return {};
  }
  return std::get<0>(read);
}

}  // namespace

TEST(FortuneStick, TheTubeHoldsNumberedSticksWithVerseAndText) {
  const auto all = sticks();
  ASSERT_GE(all.size(), kFewestSticks);
  for (std::size_t i = 0; i < all.size(); ++i) {
    EXPECT_EQ(all[i].number, static_cast<int>(i) + 1);
    EXPECT_NE(all[i].title.find("，"), std::string::npos) << all[i].number;
    EXPECT_FALSE(all[i].text.empty());
  }
}

TEST(FortuneStick, DrawsFollowTheSeedAndReachTheWholeTube) {
  const auto all = sticks();
  ASSERT_FALSE(all.empty());
  quillan::common::RandomGenerator a(12345);
  quillan::common::RandomGenerator b(12345);
  std::set<int> seen;
  for (int i = 0; i < 4000; ++i) {
    const int number = drawStick(all, a).number;
    EXPECT_EQ(drawStick(all, b).number, number);
    seen.insert(number);
  }
  EXPECT_EQ(seen.size(), all.size());
  quillan::common::RandomGenerator other(54321);
  quillan::common::RandomGenerator again(12345);
  bool differs = false;
  for (int i = 0; i < 10 && !differs; ++i) {
    differs = drawStick(all, other).number != drawStick(all, again).number;
  }
  EXPECT_TRUE(differs);
}
