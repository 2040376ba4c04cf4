#include "folk/NumberLuck.h"

#include <gtest/gtest.h>

namespace quillan::folk {
namespace {

struct NumberCase {
  const char* typed;
  const char* lastFour;
  int number;
  const char* steps;
};

TEST(NumberLuck, ReadsTheLastFourDigitsModuloEighty) {
  const NumberCase cases[] = {
      {"13812345678", "5678", 78, "13812345678 → 5678 → 5678 mod 80 = 78 → 凶"},
      {"18600000000", "0000", 80, "18600000000 → 0000 → 0 mod 80 = 0，余数为0按80算 → 凶"},
      {"12340080", "0080", 80, "12340080 → 0080 → 80 mod 80 = 0，余数为0按80算 → 凶"},
      {"0081", "0081", 1, "0081 → 81 mod 80 = 1 → 大吉"},
      {" 7 ", "7", 7, "7 → 7 mod 80 = 7 → 大吉"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    const auto read = readNumber(c.typed);
    ASSERT_TRUE(std::holds_alternative<NumberReading>(read));
    const auto& reading = std::get<NumberReading>(read);
    EXPECT_EQ(reading.lastFour, c.lastFour);
    EXPECT_EQ(reading.number, c.number);
    EXPECT_EQ(reading.luck, scoring::rateNumber(c.number));
    EXPECT_EQ(reading.steps(), c.steps);
    EXPECT_FALSE(reading.title.empty());
    EXPECT_FALSE(reading.detail.empty());
    EXPECT_EQ(reading.detail.find("<BR>"), std::string::npos);
  }
}

TEST(NumberLuck, RefusesAnythingButDigits) {
  for (const char* typed :
       {"", "   ", "138-1234-5678", "京A12345", "12 34", "１２３４", "123456789012345678901234567890123"}) {
    SCOPED_TRACE(typed);
    const auto read = readNumber(typed);
    ASSERT_TRUE(std::holds_alternative<std::string>(read));
    EXPECT_FALSE(std::get<std::string>(read).empty());
  }
}

}  // namespace
}  // namespace quillan::folk
