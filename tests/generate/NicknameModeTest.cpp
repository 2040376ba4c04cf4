#include "generate/NicknameMode.h"

#include <gtest/gtest.h>

#include "GenerateFixture.h"
#include "common/RandomGenerator.h"
#include "generate/RunSeed.h"

namespace quillan::generate {
namespace {

using namespace testing;

GenerationRequest nickname(NicknamePattern pattern) {
  auto req = request("李", GenerationMode::Nickname);
  req.nicknamePattern = pattern;
  return req;
}

// The records a run must draw: one per row from the generator seeded with base seed + offset.
std::vector<chars::CharRecord> expectedDraws(const std::vector<std::string>& list, std::uint32_t seed) {
  common::RandomGenerator random(seed);
  std::vector<chars::CharRecord> draws;
  for (int k = 0; k < kNicknameRows; ++k) {
    draws.push_back(chars::parseEntry(chars::pickRandomEntry(list, random)));
  }
  return draws;
}

TEST(NicknameMode, PatternsPlaceTheDrawnCharacter) {
  const auto lists = smallLists();
  const std::uint32_t base = 2056;  // 天格 8 with the fixture's birthday
  struct Case {
    NicknamePattern pattern;
    std::uint32_t offset;
  };
  for (const auto& c :
       {Case{NicknamePattern::AA, 111}, Case{NicknamePattern::XiaoA, 2345}, Case{NicknamePattern::AEr, 8686}}) {
    EXPECT_EQ(nicknameSeedOffset(c.pattern), c.offset);
    const auto result = run(nickname(c.pattern), lists);
    ASSERT_EQ(result.rows.size(), 100u);
    const auto draws = expectedDraws(lists.boys, base + c.offset);
    for (std::size_t k = 0; k < result.rows.size(); ++k) {
      const auto& row = result.rows[k];
      const auto& drawn = draws[k];
      const int strokes = drawn.strokeCount();
      const auto grids = gridsOf(row);
      EXPECT_EQ(row[ResultColumn::Number], std::to_string(k + 1));
      switch (c.pattern) {
        case NicknamePattern::AA:
          EXPECT_EQ(row[ResultColumn::Name], "李" + drawn.simplified + drawn.simplified);
          EXPECT_EQ(grids[2], 2 * strokes);
          EXPECT_EQ(grids[3], strokes + 1);
          break;
        case NicknamePattern::XiaoA:
          EXPECT_EQ(row[ResultColumn::Name], "李小" + drawn.simplified);
          EXPECT_EQ(grids[1], 10);  // 7 + 3
          EXPECT_EQ(grids[2], 3 + strokes);
          EXPECT_EQ(row[ResultColumn::Elements], "木金" + drawn.element);
          break;
        case NicknamePattern::AEr:
          EXPECT_EQ(row[ResultColumn::Name], "李" + drawn.simplified + "儿");
          EXPECT_EQ(row[ResultColumn::Elements].substr(row[ResultColumn::Elements].size() - 3), "金");
          EXPECT_EQ(grids[2], strokes + 8);
          break;
      }
    }
    EXPECT_TRUE(result.progress.empty());
  }
}

TEST(NicknameMode, EqualInputsRepeatAndTheDayChangesThem) {
  const auto req = nickname(NicknamePattern::XiaoA);
  const auto first = run(req);
  EXPECT_EQ(run(req).rows, first.rows);
  auto nextDay = req;
  nextDay.birthday.day = "21";
  EXPECT_NE(run(nextDay).rows, first.rows);
  // Unknown birthday: the date selections still count, so the rows stay.
  auto unknown = req;
  unknown.birthday.birthday = "未知";
  EXPECT_EQ(run(unknown).rows, first.rows);
}

TEST(NicknameMode, IgnoresLengthAlgorithmAndGenerationCharacter) {
  auto req = nickname(NicknamePattern::AA);
  const auto plain = run(req);
  req.nameLength = NameLength::Two;
  req.algorithm = Algorithm::Advanced;
  req.generationCharOption = GenerationCharOption::Third;
  EXPECT_EQ(run(req).rows, plain.rows);
}

TEST(NicknameMode, GirlsDrawFromTheGirlsList) {
  auto req = nickname(NicknamePattern::AEr);
  req.gender = chars::Gender::Girl;
  const auto lists = smallLists();
  const auto result = run(req, lists);
  const auto draws = expectedDraws(lists.girls, 2056 + 8686);
  ASSERT_EQ(result.rows.size(), 100u);
  EXPECT_EQ(result.rows[0][ResultColumn::Name], "李" + draws[0].simplified + "儿");
}

}  // namespace
}  // namespace quillan::generate
