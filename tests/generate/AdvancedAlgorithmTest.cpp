#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "GenerateFixture.h"
#include "common/TextNumbers.h"
#include "common/TextSplit.h"
#include "generate/BirthdayChart.h"
#include "quality/NameQuality.h"

namespace quillan::generate {
namespace {

using namespace testing;

// The quality verdict of a row, worked out from its name and readings alone, as a check of the run.
quality::Verdict verdictOf(const ResultRow& row, std::size_t surnameLength, const quality::QualityChecker& checker) {
  const auto characters = common::splitCharacters(row[ResultColumn::Name]);
  const auto readings = common::splitText(row.details.pinyin, " ");
  std::vector<quality::SoundedChar> sounded;
  for (std::size_t i = 0; i < characters.size(); ++i) {
    const bool given = i >= surnameLength;
    sounded.push_back(checker.sound(characters[i], readings.at(i), given, given ? 1 : -1));
  }
  const quality::SoundedName name(std::move(sounded));
  return checker.judge(name.view());
}

std::vector<std::string> namesOf(const std::vector<ResultRow>& rows) {
  std::vector<std::string> names;
  for (const auto& row : rows) {
    names.push_back(row[ResultColumn::Name]);
  }
  return names;
}

// A list where many pairs pass the numbers and a fair share of them fail a gate: 李丽 (双声), 芳芳…
chars::CharacterLists qualityLists() {
  auto lists = smallLists();
  for (const char* entry : {"丽,麗,lì,19,火", "立,立,lì,5,火", "龙,龍,lóng,16,火", "芳,芳,fāng,10,木",
                            "腾,騰,téng,20,水", "彤,彤,tóng,7,火", "国,國,guó,11,木", "安,安,ān,6,土"}) {
    lists.boys.emplace_back(entry);
  }
  return lists;
}

TEST(AdvancedAlgorithm, HighScoreIsThePlainRunFilteredByTheGatesAndRanked) {
  const auto lists = qualityLists();
  auto req = request("李", GenerationMode::HighScore);
  req.birthday.birthday = "未知";  // no birth chart: the ranking is 音律分, then score
  const auto plain = run(req, lists);
  req.algorithm = Algorithm::Advanced;
  const auto advanced = run(req, lists);

  const quality::QualityChecker checker;
  struct Expected {
    int euphony;
    double score;
    std::string name;
  };
  std::vector<Expected> expected;
  int removed = 0;
  for (const auto& row : plain.rows) {
    const auto verdict = verdictOf(row, 1, checker);
    if (!verdict.passes()) {
      ++removed;
      continue;
    }
    expected.push_back({verdict.euphony, std::stod(row[ResultColumn::Score]), row[ResultColumn::Name]});
  }
  ASSERT_GT(removed, 0);
  ASSERT_FALSE(expected.empty());
  std::stable_sort(expected.begin(), expected.end(), [](const Expected& a, const Expected& b) {
    return a.euphony != b.euphony ? a.euphony > b.euphony : a.score > b.score;
  });

  ASSERT_EQ(advanced.rows.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const auto& row = advanced.rows[i];
    EXPECT_EQ(row[ResultColumn::Number], std::to_string(i + 1));
    EXPECT_EQ(row[ResultColumn::Name], expected[i].name) << i;
    EXPECT_EQ(row.details.euphony, expected[i].euphony) << row[ResultColumn::Name];
    EXPECT_EQ(row.details.failedGates, 0U);
  }
  EXPECT_EQ(advanced.outcome.rowsWritten, static_cast<int>(expected.size()));
  const std::string first = "本次共生成高分名字" + std::to_string(expected.size()) + "个\n筛选去掉了" +
                            std::to_string(removed) + "对，最多的原因：";
  EXPECT_TRUE(advanced.outcome.summary.starts_with(first)) << advanced.outcome.summary;
  for (const auto& row : plain.rows) {
    EXPECT_EQ(row.details.euphony, -1);  // the plain run judges nothing
  }
}

TEST(AdvancedAlgorithm, AKnownBirthdayRanksByTheChartsFavourableElementsFirst) {
  const auto lists = qualityLists();
  auto req = request("李", GenerationMode::HighScore);  // born 2013-05-20 10:00
  req.algorithm = Algorithm::Advanced;
  const auto chart = birthdayChart(req.birthday);
  ASSERT_TRUE(chart.has_value());
  const auto ranked = run(req, lists);
  ASSERT_FALSE(ranked.rows.empty());
  const auto favourable = [&](const ResultRow& row) {
    return favourableCount(*chart, row[ResultColumn::Elements].substr(3));  // after the surname's element
  };
  bool sawBoth = false;
  for (std::size_t i = 0; i < ranked.rows.size(); ++i) {
    const auto& row = ranked.rows[i];
    EXPECT_EQ(row.details.favourable, favourable(row)) << row[ResultColumn::Name];
    if (i > 0) {
      const auto& before = ranked.rows[i - 1];
      EXPECT_GE(before.details.favourable, row.details.favourable);
      if (before.details.favourable == row.details.favourable) {
        EXPECT_GE(before.details.euphony, row.details.euphony) << row[ResultColumn::Name];
      } else {
        sawBoth = true;
      }
    }
  }
  EXPECT_TRUE(sawBoth);
  req.birthday.birthday = "未知";  // no chart: 音律分 alone
  for (const auto& row : run(req, lists).rows) {
    EXPECT_EQ(row.details.favourable, -1);
  }
}

TEST(AdvancedAlgorithm, ClassicDrawsUntilAHundredPassAndIsReproducible) {
  const auto lists = qualityLists();
  auto req = request("李", GenerationMode::Classic);
  req.algorithm = Algorithm::Advanced;
  const auto first = run(req, lists);
  ASSERT_EQ(first.rows.size(), 100U);
  EXPECT_EQ(run(req, lists).rows, first.rows);
  EXPECT_TRUE(first.outcome.summary.empty());
  const quality::QualityChecker checker;
  for (std::size_t i = 0; i < first.rows.size(); ++i) {
    EXPECT_EQ(first.rows[i][ResultColumn::Number], std::to_string(i + 1));
    EXPECT_TRUE(verdictOf(first.rows[i], 1, checker).passes()) << first.rows[i][ResultColumn::Name];
    EXPECT_GE(first.rows[i].details.euphony, 0);
  }
  // The same generator: the names that pass come in the order the plain run would draw them.
  req.algorithm = Algorithm::Normal;
  const auto plain = run(req, lists);
  std::vector<std::string> passingPlain;
  for (const auto& row : plain.rows) {
    if (verdictOf(row, 1, checker).passes()) {
      passingPlain.push_back(row[ResultColumn::Name]);
    }
  }
  const auto advancedNames = namesOf(first.rows);
  ASSERT_FALSE(passingPlain.empty());
  EXPECT_TRUE(std::equal(passingPlain.begin(), passingPlain.end(), advancedNames.begin()));
}

TEST(AdvancedAlgorithm, ClassicSaysSoWhenTooFewPass) {
  auto req = request("李", GenerationMode::Classic);
  req.generationCharOption = GenerationCharOption::Second;
  req.secondCharText = "明";
  req.avoidance.characters = {"明"};  // the fixed character itself is avoided: nothing can pass
  for (Algorithm algorithm : {Algorithm::Normal, Algorithm::Advanced}) {
    req.algorithm = algorithm;
    const auto result = run(req);
    EXPECT_EQ(result.outcome.status, GenerationStatus::Completed);
    EXPECT_TRUE(result.rows.empty());
    EXPECT_EQ(result.outcome.summary, "抽取了100000个名字，只有0个通过筛选");
  }
}

TEST(AdvancedAlgorithm, TheFamilysListAppliesUnderBothAlgorithmsAndOnlyItUnderThePlainOne) {
  const auto lists = qualityLists();
  auto req = request("李", GenerationMode::HighScore);
  const auto plain = run(req, lists);
  req.avoidance = std::get<quality::UserAvoidance>(quality::parseUserAvoidance("国", "hua"));
  const auto avoided = run(req, lists);

  std::vector<std::string> expected;
  for (const auto& name : namesOf(plain.rows)) {
    if (name.find("国") == std::string::npos && name.find("华") == std::string::npos) {
      expected.push_back(name);
    }
  }
  ASSERT_LT(expected.size(), plain.rows.size());
  EXPECT_EQ(namesOf(avoided.rows), expected);  // 李丽 and the like stay: the built-in gates are not applied
  for (std::size_t i = 0; i < avoided.rows.size(); ++i) {
    EXPECT_EQ(avoided.rows[i][ResultColumn::Number], std::to_string(i + 1));
  }
  EXPECT_EQ(avoided.outcome.summary, "本次共生成高分名字" + std::to_string(expected.size()) + "个\n筛选去掉了" +
                                         std::to_string(plain.rows.size() - expected.size()) +
                                         "对，最多的原因：避用字音（" +
                                         std::to_string(plain.rows.size() - expected.size()) + "对）");

  req.algorithm = Algorithm::Advanced;
  for (const auto& name : namesOf(run(req, lists).rows)) {
    EXPECT_EQ(name.find("国"), std::string::npos);
    EXPECT_EQ(name.find("华"), std::string::npos);
  }
}

TEST(AdvancedAlgorithm, SelfChosenAndNicknameRunsIgnoreIt) {
  for (GenerationMode mode : {GenerationMode::SelfChosen, GenerationMode::Nickname}) {
    auto req = request("李", mode);
    req.selfChosenText = "明华";
    const auto plain = run(req);
    req.algorithm = Algorithm::Advanced;
    req.avoidance.characters = {"明"};
    EXPECT_EQ(run(req).rows, plain.rows);
  }
}

}  // namespace
}  // namespace quillan::generate
