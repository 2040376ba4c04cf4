#include "common/TextNumbers.h"

#include <gtest/gtest.h>

#include "common/ScoreFormat.h"

namespace quillan::common {
namespace {

TEST(TextNumbers, ReadsLeadingIntegers) {
  const std::pair<const char*, int> cases[] = {
      {"", 0}, {"生日", 0}, {"12", 12}, {"  7", 7}, {"8画", 8}, {"2013年", 2013}, {"x12", 0}, {"12.9", 12},
  };
  for (const auto& [text, value] : cases) {
    EXPECT_EQ(textToInt(text), value) << text;
  }
}

TEST(TextNumbers, ReadsLeadingNumbers) {
  const std::pair<const char*, double> cases[] = {
      {"", 0.0}, {"生日", 0.0}, {" 0.8", 0.8}, {" 7", 7.0}, {"1.5", 1.5}, {"96.5分", 96.5}, {".", 0.0},
  };
  for (const auto& [text, value] : cases) {
    EXPECT_DOUBLE_EQ(textToNumber(text), value) << text;
  }
}

TEST(ScoreFormat, ThirteenSignificantDigitsWithoutTrailingZeros) {
  EXPECT_EQ(formatScore(100.0), "100");
  EXPECT_EQ(formatScore(96.5), "96.5");
  EXPECT_EQ(formatScore(68.8), "68.8");
  EXPECT_EQ(formatScore(12.0 + 3.0 + 0.8 + 12.0 + 1.0 + 1.0 + 2.0 + 1.5 + 55.0), "88.3");
}

}  // namespace
}  // namespace quillan::common
