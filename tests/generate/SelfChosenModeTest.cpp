#include "generate/SelfChosenMode.h"

#include <gtest/gtest.h>

#include "GenerateFixture.h"

namespace quillan::generate {
namespace {

using namespace testing;

GenerationRequest selfChosen(std::string characters) {
  auto req = request("李", GenerationMode::SelfChosen);
  req.selfChosenText = std::move(characters);
  return req;
}

TEST(SelfChosenMode, EveryOrderedPairInTypedOrder) {
  struct Case {
    std::string typed;
    std::vector<std::string> names;
  };
  const Case cases[] = {
      {"明华", {"李明明", "李明华", "李华明", "李华华"}},
      {"明", {"李明明"}},
      {"华华", {"李华华", "李华华", "李华华", "李华华"}},
  };
  for (const auto& c : cases) {
    const auto result = run(selfChosen(c.typed));
    EXPECT_EQ(result.outcome.status, GenerationStatus::Completed);
    EXPECT_EQ(result.column(ResultColumn::Name), c.names) << c.typed;
    EXPECT_EQ(result.outcome.rowsWritten, static_cast<int>(c.names.size()));
  }
  const auto result = run(selfChosen("明华"));
  EXPECT_EQ(result.column(ResultColumn::Number), (std::vector<std::string>{"1", "2", "3", "4"}));
  EXPECT_EQ(result.rows[1][ResultColumn::Grids], "8,15,22,15,29");  // 李 7, 明 8, 华 14
  EXPECT_EQ(result.rows[1][ResultColumn::Elements], "木火水");
}

TEST(SelfChosenMode, ReportsLookupThenCombinationProgress) {
  auto lookup = dictionary();
  const auto result = run(selfChosen("明华"), smallLists(), lookup);
  EXPECT_EQ(lookup.asked(), (std::vector<std::string>{"李", "明", "华"}));
  const std::vector<ProgressStep> expected{{"处理进度：", 2, 0}, {"处理进度：", 2, 1}, {"处理进度：", 2, 2},
                                           {"生成进度：", 2, 0}, {"生成进度：", 2, 1}, {"生成进度：", 2, 2}};
  EXPECT_EQ(result.progress, expected);
}

TEST(SelfChosenMode, NamesMissingCharactersOnceAndGoesOn) {
  const auto result = run(selfChosen("明龘华空龘"));
  EXPECT_EQ(result.outcome.status, GenerationStatus::Completed);
  EXPECT_EQ(result.notices, std::vector<std::string>{"未找到汉字「龘」「空」的笔划数据，组合名字时已跳过"});
  EXPECT_EQ(result.column(ResultColumn::Name), (std::vector<std::string>{"李明明", "李明华", "李华明", "李华华"}));
}

TEST(SelfChosenMode, UnreachableServiceEndsWithoutRows) {
  // The surname answered, then the service went away.
  struct FailingAfterSurname : chars::CharacterLookup {
    chars::MemoryCharacterLookup inner = dictionary();
    chars::LookupResult lookup(std::string_view character) override {
      return character == "李" ? inner.lookup(character) : chars::LookupResult::unreachable();
    }
  } lookup;
  const auto result = run(selfChosen("明华"), smallLists(), lookup);
  EXPECT_EQ(result.outcome.status, GenerationStatus::ServiceUnreachable);
  EXPECT_EQ(result.outcome.message, "无法连接数据服务");
  EXPECT_TRUE(result.rows.empty());
}

TEST(SelfChosenMode, RefusesEmptyOrNonChineseText) {
  struct Case {
    std::string typed;
    std::string message;
  };
  for (const auto& c : {Case{"", "请输入要组合成名字的汉字"}, Case{"明a", "只能输入中文汉字"},
                        Case{"明 华", "只能输入中文汉字"}, Case{"明，", "只能输入中文汉字"}}) {
    auto lookup = dictionary();
    const auto result = run(selfChosen(c.typed), smallLists(), lookup);
    EXPECT_EQ(result.outcome.status, GenerationStatus::Refused) << c.typed;
    EXPECT_EQ(result.outcome.message, c.message) << c.typed;
    EXPECT_TRUE(lookup.asked().empty());
  }
}

TEST(SelfChosenMode, DoesNotNeedTheCharacterLists) {
  const auto result = run(selfChosen("明华"), chars::CharacterLists{});
  EXPECT_EQ(result.rows.size(), 4u);
}

}  // namespace
}  // namespace quillan::generate
