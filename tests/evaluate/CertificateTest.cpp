#include "evaluate/Certificate.h"

#include <gtest/gtest.h>

#include "FakeSources.h"

namespace quillan::evaluate {
namespace {

TEST(Certificate, BirthHourIsAWholeNumberOfTheDay) {
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"0", 0},
      {"23", 23},
      {" 8 ", 8},
      {"07", 7},
      {"24", std::nullopt},
      {"-1", std::nullopt},
      {"", std::nullopt},
      {"  ", std::nullopt},
      {"8点", std::nullopt},
      {"7.5", std::nullopt},
      {"+3", std::nullopt},
      {"十", std::nullopt},
      {"99999999999", std::nullopt},
  };
  for (const auto& [text, hour] : cases) {
    EXPECT_EQ(parseBirthHour(text), hour) << '"' << text << '"';
  }
}

TEST(Certificate, JoinsTheBirthDateTextsWithTheNamesEvaluation) {
  auto lookup = testing::tableLookup();
  const auto e = certificateEvaluation("李", "明华", {2013, 5, 20}, 10, lookup);
  ASSERT_EQ(e.status, EvaluationStatus::Done) << e.message;
  const std::array<std::string, 11> expected{"2013年5月20日",
                                             "癸巳年 四月 十一",
                                             "癸巳 丁巳 丙戌 癸巳",
                                             "本命属蛇   长流水命",
                                             "长流水",
                                             "李明华",
                                             "火 火 水",
                                             "金 土 木",
                                             "大吉 大吉 凶 大吉 半吉",
                                             e.result.verdict,  // the verdict sentence, checked with the report
                                             "84.5"};
  EXPECT_EQ(certificateSlots(e.result), expected);
}

TEST(Certificate, AMissingCharacterEndsItWithTheEvaluationsMessage) {
  auto lookup = testing::tableLookup();
  const auto e = certificateEvaluation("李", "龘", {2013, 5, 20}, 10, lookup);
  EXPECT_EQ(e.status, EvaluationStatus::CharacterNotFound);
  EXPECT_NE(e.message.find("龘"), std::string::npos) << e.message;
}

}  // namespace
}  // namespace quillan::evaluate
