#include "generate/HighScoreMode.h"

#include <gtest/gtest.h>

#include <set>

#include "GenerateFixture.h"
#include "common/TextNumbers.h"
#include "scoring/LuckTable.h"

namespace quillan::generate {
namespace {

using namespace testing;

const std::set<int> kAuspicious{3,  5,  7,  8,  11, 13, 15, 16, 18, 21, 23, 24, 25, 31, 32,
                                33, 35, 37, 39, 41, 45, 47, 48, 52, 57, 61, 63, 65, 67, 81};

TEST(HighScoreMode, PassingNumbersAreTheGreatLuckNumbersButOne) {
  for (int number = -1; number <= 170; ++number) {
    EXPECT_EQ(scoring::isHighScoreNumber(number), kAuspicious.contains(number)) << number;
    EXPECT_EQ(scoring::isHighScoreNumber(number), number != 1 && scoring::tableLuck(number) == scoring::Luck::Great)
        << number;
  }
}

TEST(HighScoreMode, KeepsExactlyThePairsWhoseGridsAllPass) {
  // A list with every stroke count from 1 to 30 gives passing and failing pairs of every kind.
  chars::CharacterLists lists;
  const std::string characters[] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
  for (int strokes = 1; strokes <= 30; ++strokes) {
    lists.boys.push_back(characters[strokes % 10] + "," + characters[strokes % 10] + ",x," + std::to_string(strokes) +
                         ",木");
  }
  const auto result = run(request("李", GenerationMode::HighScore), lists);

  std::vector<std::string> expected;
  for (int g1 = 1; g1 <= 30; ++g1) {
    for (int g2 = 1; g2 <= 30; ++g2) {
      const int person = 7 + g1;
      const int earth = g1 + g2;
      const int total = 7 + g1 + g2;
      if (kAuspicious.contains(person) && kAuspicious.contains(earth) && kAuspicious.contains(total)) {
        expected.push_back("8," + std::to_string(person) + "," + std::to_string(earth) + "," + std::to_string(g2 + 1) +
                           "," + std::to_string(total));
      }
    }
  }
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(result.column(ResultColumn::Grids), expected);
  EXPECT_EQ(result.outcome.rowsWritten, static_cast<int>(expected.size()));
  EXPECT_EQ(result.outcome.summary, "本次共生成高分名字" + std::to_string(expected.size()) + "个");
  for (std::size_t i = 0; i < result.rows.size(); ++i) {
    EXPECT_EQ(result.rows[i][ResultColumn::Number], std::to_string(i + 1));
    const double score = common::textToNumber(result.rows[i][ResultColumn::Score]);
    EXPECT_GE(score, 95.8);
    EXPECT_LE(score, 100.0);
  }
  // Progress runs over every entry, whether its first character passed or not.
  ASSERT_EQ(result.progress.size(), 31u);
  EXPECT_EQ(result.progress.front(), (ProgressStep{"生成进度：", 30, 0}));
  EXPECT_EQ(result.progress.back(), (ProgressStep{"生成进度：", 30, 30}));
}

TEST(HighScoreMode, GroupsByFirstCharacterInListOrder) {
  const auto lists = smallLists();
  const auto result = run(request("李", GenerationMode::HighScore), lists);
  ASSERT_FALSE(result.rows.empty());
  // 李明轩 (8 + 10 strokes) passes with 8,15,18,11,25; 李明浩 (8 + 11) fails on 地格 19.
  const auto names = result.column(ResultColumn::Name);
  const auto at = std::find(names.begin(), names.end(), "李明轩");
  ASSERT_NE(at, names.end());
  EXPECT_EQ(result.rows[static_cast<std::size_t>(at - names.begin())][ResultColumn::Grids], "8,15,18,11,25");
  EXPECT_EQ(std::find(names.begin(), names.end(), "李明浩"), names.end());

  // First characters appear in contiguous groups whose order is the list's, and so do the second
  // characters inside each group.
  std::vector<std::string> order;
  for (const auto& entry : lists.boys) {
    order.push_back(chars::parseEntry(entry).simplified);
  }
  const auto indexOf = [&](std::string_view character) {
    return std::find(order.begin(), order.end(), character) - order.begin();
  };
  for (std::size_t i = 1; i < names.size(); ++i) {
    const auto previous = std::pair{indexOf(names[i - 1].substr(3, 3)), indexOf(names[i - 1].substr(6, 3))};
    const auto current = std::pair{indexOf(names[i].substr(3, 3)), indexOf(names[i].substr(6, 3))};
    EXPECT_LT(previous, current) << names[i - 1] << " " << names[i];
  }
  // 宇 has 6 strokes: 人格 13 passes, and 宇宇 (地格 12) does not.
  EXPECT_EQ(std::find(names.begin(), names.end(), "李宇宇"), names.end());
}

TEST(HighScoreMode, TwoCharacterSurnameExamples) {
  // Last surname character 9 strokes, 天格 13 (4 + 9); first character 6 strokes gives 人格 15.
  chars::CharacterLists lists{{"宇,宇,yǔ,6,土", "浩,浩,hào,11,水", "轩,軒,xuān,10,土", "杰,傑,jié,12,木"}, {}};
  auto lookup = dictionary();
  lookup.add({"毛", "毛", "máo", "4", "水"});
  lookup.add({"禹", "禹", "yǔ", "9", "土"});
  const auto result = run(request("毛禹", GenerationMode::HighScore), lists, lookup);
  const auto names = result.column(ResultColumn::Name);
  EXPECT_EQ(std::find(names.begin(), names.end(), "毛禹宇浩"), names.end());  // 地格 17
  EXPECT_EQ(std::find(names.begin(), names.end(), "毛禹宇轩"), names.end());  // 总格 29
  const auto kept = std::find(names.begin(), names.end(), "毛禹宇杰");
  ASSERT_NE(kept, names.end());
  const auto& row = result.rows[static_cast<std::size_t>(kept - names.begin())];
  EXPECT_EQ(row[ResultColumn::Grids], "13,15,18,16,31");
  EXPECT_EQ(row[ResultColumn::Elements], "水土土木");
}

TEST(HighScoreMode, EmptyResult) {
  // 5 strokes: 人格 12 never passes.
  const auto none = run(request("李", GenerationMode::HighScore), {{"世,世,shì,5,金"}, {}});
  EXPECT_TRUE(none.rows.empty());
  EXPECT_EQ(none.outcome.summary, "本次共生成高分名字0个");
  EXPECT_EQ(none.progress.back(), (ProgressStep{"生成进度：", 1, 1}));
}

TEST(HighScoreMode, IgnoresNameLengthAndGenerationCharacter) {
  auto req = request("李", GenerationMode::HighScore);
  const auto plain = run(req);
  req.nameLength = NameLength::Two;
  req.generationCharOption = GenerationCharOption::Second;
  req.secondCharText = "";  // not read here, so not refused
  auto lookup = dictionary();
  const auto result = run(req, smallLists(), lookup);
  EXPECT_EQ(result.outcome.status, GenerationStatus::Completed);
  EXPECT_EQ(result.rows, plain.rows);
  EXPECT_EQ(lookup.asked(), std::vector<std::string>{"李"});
}

}  // namespace
}  // namespace quillan::generate
