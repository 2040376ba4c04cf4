#include "common/RandomGenerator.h"

#include <gtest/gtest.h>

namespace quillan::common {
namespace {

// An independent statement of the generator: 64-bit arithmetic reduced by hand.
int referenceDraw(unsigned long long& state) {
  state = (state * 214013ULL + 2531011ULL) % 4294967296ULL;
  return static_cast<int>((state / 65536ULL) % 32768ULL);
}

TEST(RandomGenerator, MatchesTheLinearCongruentialFormula) {
  RandomGenerator random(2056);
  unsigned long long state = 2056;
  for (int i = 0; i < 1000; ++i) {
    ASSERT_EQ(random.draw(), referenceDraw(state)) << "draw " << i;
  }
}

TEST(RandomGenerator, FirstDrawsAfterSeeding2056) {
  RandomGenerator random(2056);
  // 2056 * 214013 + 2531011 = 442541739; >> 16 = 6752; & 32767 = 6752.
  EXPECT_EQ(random.draw(), 6752);
  EXPECT_EQ(random.state(), 442541739U);
}

TEST(RandomGenerator, BetweenMakesNoDrawWhenBoundsAreEqual) {
  RandomGenerator random(7);
  EXPECT_EQ(random.between(5, 5), 5);
  EXPECT_EQ(random.state(), 7U);
  RandomGenerator reference(7);
  EXPECT_EQ(random.between(1, 10), 1 + reference.draw() % 10);
}

TEST(RandomGenerator, PositionFormula) {
  // A draw of 32767 in a list of 500 entries gives position 1 + 32767 mod 500 = 268.
  RandomGenerator probe;
  std::uint32_t seed = 0;
  for (;; ++seed) {
    probe.seed(seed);
    if (probe.draw() == 32767) {
      break;
    }
  }
  RandomGenerator random(seed);
  EXPECT_EQ(random.position(500), 268);
}

}  // namespace
}  // namespace quillan::common
