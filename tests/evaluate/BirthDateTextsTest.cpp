#include "evaluate/BirthDateTexts.h"

#include <gtest/gtest.h>

#include <fstream>

#include "common/TextSplit.h"

namespace quillan::evaluate {
namespace {

TEST(BirthDateTexts, TextsForAKnownBirth) {
  EXPECT_EQ(
      birthDateTexts({2013, 5, 20}, 10),
      (BirthDateTexts{"2013年5月20日", "癸巳年 四月 十一", "癸巳 丁巳 丙戌 癸巳", "本命属蛇   长流水命", "长流水"}));
}

TEST(BirthDateTexts, JiaziYearAfterLichun) {
  // 1984 is 甲子 from 立春 (4 February); 甲子 is the first pair of the cycle.
  const auto after = birthDateTexts({1984, 3, 1}, 8);
  EXPECT_TRUE(after.pillars.starts_with("甲子 "));
  EXPECT_EQ(after.zodiacNayin, "本命属鼠   海中金命");
  EXPECT_EQ(after.nayin, "海中金");
  // Before 立春 the year pillar is still 癸亥, while the zodiac follows the lunar year.
  const auto before = birthDateTexts({1984, 1, 20}, 8);
  EXPECT_TRUE(before.pillars.starts_with("癸亥 "));
  EXPECT_EQ(before.zodiacNayin, "本命属猪   大海水命");
}

TEST(BirthDateTexts, YearsOutsideTheCalendarGiveEmptyPillars) {
  EXPECT_EQ(birthDateTexts({1900, 6, 1}, 12), (BirthDateTexts{"1900年6月1日", "", "   ", "", ""}));
}

// The lunar date, pillars and zodiac agree with the calendar fixture made from an independent library, at whole hours.
TEST(BirthDateTexts, AgreeWithTheCalendarFixture) {
  std::ifstream in(std::string(QUILLAN_SOURCE_DIR) + "/tests/data/calendar/datetimes.tsv");
  ASSERT_TRUE(in);
  std::string line;
  int checked = 0;
  while (std::getline(in, line)) {
    const auto cells = common::splitText(line, "\t");
    // datetime, lunar year, month, day, zodiac, four pillars, note
    if (line.starts_with("#") || cells.size() < 9 || cells[0].size() != 19 || cells[0].substr(13) != ":00:00") {
      continue;
    }
    const calendar::Date date{std::stoi(cells[0].substr(0, 4)), std::stoi(cells[0].substr(5, 2)),
                              std::stoi(cells[0].substr(8, 2))};
    const auto texts = birthDateTexts(date, std::stoi(cells[0].substr(11, 2)));
    EXPECT_EQ(texts.lunar, cells[1] + "年 " + cells[2] + " " + cells[3]) << line;
    EXPECT_EQ(texts.pillars, cells[5] + " " + cells[6] + " " + cells[7] + " " + cells[8]) << line;
    EXPECT_TRUE(texts.zodiacNayin.starts_with("本命属" + cells[4] + "   ")) << line;
    ++checked;
  }
  EXPECT_GT(checked, 50);
}

TEST(CertificateNumber, EighteenDigitsEachFollowedByABlank) {
  common::RandomGenerator random(12345);
  const auto number = certificateNumber(random);
  ASSERT_EQ(number.size(), 36U);
  for (std::size_t i = 0; i < number.size(); i += 2) {
    EXPECT_TRUE(number[i] >= '0' && number[i] <= '9') << number;
    EXPECT_EQ(number[i + 1], ' ');
  }
  EXPECT_NE(certificateNumber(random), number);
}

}  // namespace
}  // namespace quillan::evaluate
