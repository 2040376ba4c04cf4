#include "generate/ClassicMode.h"

#include <gtest/gtest.h>

#include "GenerateFixture.h"
#include "common/RandomGenerator.h"
#include "common/TextNumbers.h"
#include "generate/RunSeed.h"

namespace quillan::generate {
namespace {

using namespace testing;
using chars::Gender;

TEST(ClassicMode, SeedsFromHeavenGridAndBirthday) {
  const BirthdaySelection birthday{"生日", "2013", "5", "20", "10"};
  const std::uint32_t base = baseSeed(8, birthdayNumbers(birthday));
  EXPECT_EQ(base, 2056u);
  EXPECT_EQ(base + *classicSeedOffset(Gender::Boy, NameLength::Two, GenerationCharOption::None), 2974u);
  EXPECT_EQ(base + *classicSeedOffset(Gender::Girl, NameLength::Two, GenerationCharOption::Second), 93944u);
  EXPECT_FALSE(classicSeedOffset(Gender::Boy, NameLength::Three, GenerationCharOption::None));
  EXPECT_EQ(*classicSeedOffset(Gender::Girl, NameLength::Three, GenerationCharOption::Third), 5988u);
  // "未知" and an unknown hour count 0, the date still counts.
  EXPECT_EQ(baseSeed(8, birthdayNumbers({"未知", "2013", "5", "20", "未知"})), 2046u);
}

// The names a run must draw: positions 1 + draw mod N from the generator seeded as the branch says.
std::vector<std::string> expectedNames(const std::vector<std::string>& list, std::uint32_t seed, int draws) {
  common::RandomGenerator random(seed);
  std::vector<std::string> names;
  for (int i = 0; i < kClassicRows; ++i) {
    std::string name = "李";
    for (int d = 0; d < draws; ++d) {
      name += chars::parseEntry(list[static_cast<std::size_t>(random.position(static_cast<int>(list.size())) - 1)])
                  .simplified;
    }
    names.push_back(name);
  }
  return names;
}

TEST(ClassicMode, DrawsHundredNamesFromTheSeededBranch) {
  const auto lists = smallLists();
  struct Case {
    Gender gender;
    NameLength length;
    std::uint32_t seed;
    int draws;
  };
  // 李 has 7 strokes: 天格 8, so the birthday above gives the base seed 2056.
  for (const auto& c :
       {Case{Gender::Boy, NameLength::Two, 2974, 1}, Case{Gender::Girl, NameLength::Two, 93944, 1},
        Case{Gender::Boy, NameLength::Three, 2056, 2}, Case{Gender::Girl, NameLength::Three, 2056, 2}}) {
    auto req = request("李", GenerationMode::Classic);
    req.gender = c.gender;
    req.nameLength = c.length;
    const auto result = run(req, lists);
    EXPECT_EQ(result.outcome.status, GenerationStatus::Completed);
    EXPECT_EQ(result.outcome.rowsWritten, kClassicRows);
    EXPECT_EQ(result.column(ResultColumn::Name), expectedNames(lists.forGender(c.gender), c.seed, c.draws));
    for (std::size_t i = 0; i < result.rows.size(); ++i) {
      const auto& row = result.rows[i];
      EXPECT_EQ(row[ResultColumn::Number], std::to_string(i + 1));
      const double score = common::textToNumber(row[ResultColumn::Score]);
      EXPECT_GE(score, 68.8);
      EXPECT_LE(score, 100.0);
      if (c.length == NameLength::Two) {
        EXPECT_EQ(gridsOf(row)[3], 2) << row[ResultColumn::Grids];  // 外格 of one surname, one given character
      }
    }
  }
}

TEST(ClassicMode, EqualInputsGiveEqualRowsAndTheHourChangesThem) {
  const auto req = request("李", GenerationMode::Classic);
  const auto first = run(req);
  EXPECT_EQ(run(req).rows, first.rows);
  auto later = req;
  later.birthday.hour = "11";
  EXPECT_NE(run(later).rows, first.rows);
}

TEST(ClassicMode, FixedGenerationCharacterStandsInItsPosition) {
  auto req = request("李", GenerationMode::Classic);
  req.generationCharOption = GenerationCharOption::Second;
  req.secondCharText = "成";
  req.thirdCharText = "运";  // not read while 设置第2个字为 is checked
  const auto second = run(req);
  ASSERT_EQ(second.rows.size(), 100u);
  for (const auto& row : second.rows) {
    EXPECT_EQ(row[ResultColumn::Name].substr(0, 6), "李成");
    EXPECT_EQ(gridsOf(row)[1], 14);  // 人格 = 李 7 + 成 7, the same in every row
    EXPECT_EQ(row[ResultColumn::Elements].substr(0, 6), "木金");
  }

  req.generationCharOption = GenerationCharOption::Third;
  const auto third = run(req);
  ASSERT_EQ(third.rows.size(), 100u);
  for (const auto& row : third.rows) {
    EXPECT_EQ(row[ResultColumn::Name].substr(6), "运");
    EXPECT_EQ(row[ResultColumn::Elements].substr(6), "土");
  }
  // Each option has its own seed offset: 2056 + 888 for the third position.
  EXPECT_EQ(third.rows[0][ResultColumn::Name], expectedNames(smallLists().boys, 2944, 1)[0] + "运");
}

TEST(ClassicMode, TwoCharacterSurnameShowsFourElements) {
  const auto result = run(request("欧阳", GenerationMode::Classic));
  ASSERT_EQ(result.rows.size(), 100u);
  for (const auto& row : result.rows) {
    EXPECT_EQ(row[ResultColumn::Elements].size(), 12u);  // four three-byte characters
    EXPECT_EQ(row[ResultColumn::Elements].substr(0, 6), "土火");
    const auto grids = gridsOf(row);
    EXPECT_EQ(grids[0], 32);                                               // 天格 = 15 + 17
    EXPECT_EQ(grids[4], 32 + grids[2]);                                    // 总格 = all strokes
    EXPECT_EQ(grids[3], grids[4] - grids[1]) << row[ResultColumn::Grids];  // 外格 = s1 + g2
  }
}

}  // namespace
}  // namespace quillan::generate
