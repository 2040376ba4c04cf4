#include "generate/Generate.h"

#include <gtest/gtest.h>

#include "GenerateFixture.h"
#include "common/TextSplit.h"

#include <algorithm>

namespace quillan::generate {
namespace {

using namespace testing;

TEST(GenerateCommand, RefusesInputBeforeAnyLookup) {
  struct Case {
    const char* what;
    GenerationRequest request;
    std::string message;
  };
  const auto classic = [](std::string surname, GenerationCharOption option, std::string second) {
    auto req = request(std::move(surname), GenerationMode::Classic);
    req.generationCharOption = option;
    req.secondCharText = std::move(second);
    return req;
  };
  const Case cases[] = {
      {"empty surname", classic("", GenerationCharOption::None, ""), "请输入姓氏"},
      {"latin surname", classic("li", GenerationCharOption::None, ""), "姓氏只能是中文汉字"},
      {"pasted blank", classic("李 ", GenerationCharOption::None, ""), "姓氏只能是中文汉字"},
      {"one blank", classic(" ", GenerationCharOption::None, ""), "姓氏只能是中文汉字"},
      {"punctuation", classic("李。", GenerationCharOption::None, ""), "姓氏只能是中文汉字"},
      {"three characters", classic("欧阳修", GenerationCharOption::None, ""), "姓氏只能是一个或两个汉字"},
      {"empty generation character", classic("李", GenerationCharOption::Second, ""), "请输入一个辈份字"},
      {"two generation characters", classic("李", GenerationCharOption::Second, "成运"), "请输入一个辈份字"},
      {"latin generation character", classic("李", GenerationCharOption::Second, "c"), "请输入一个辈份字"},
  };
  for (const auto& c : cases) {
    auto lookup = dictionary();
    const auto result = run(c.request, smallLists(), lookup);
    EXPECT_EQ(result.outcome.status, GenerationStatus::Refused) << c.what;
    EXPECT_EQ(result.outcome.message, c.message) << c.what;
    EXPECT_TRUE(result.rows.empty()) << c.what;
    EXPECT_TRUE(lookup.asked().empty()) << c.what;
  }
  EXPECT_EQ(kMessageCaption, "温馨提示");
}

TEST(GenerateCommand, GenerationCharacterIsCheckedAndLookedUpOnlyWhereUsed) {
  auto req = request("李", GenerationMode::Classic);
  req.generationCharOption = GenerationCharOption::Third;
  req.thirdCharText = "运";
  auto lookup = dictionary();
  EXPECT_EQ(run(req, smallLists(), lookup).rows.size(), 100u);
  EXPECT_EQ(lookup.asked(), (std::vector<std::string>{"李", "运"}));

  // "二字": the option is not used, so an empty box is fine and nothing is looked up for it.
  req.nameLength = NameLength::Two;
  req.thirdCharText = "";
  auto twoLookup = dictionary();
  EXPECT_EQ(run(req, smallLists(), twoLookup).rows.size(), 100u);
  EXPECT_EQ(twoLookup.asked(), std::vector<std::string>{"李"});
}

TEST(GenerateCommand, MissingStrokesOrServiceProduceNoNames) {
  struct Case {
    const char* what;
    GenerationRequest request;
    bool reachable;
    GenerationStatus status;
    std::string message;
  };
  auto withGenerationChar = request("李", GenerationMode::Classic);
  withGenerationChar.generationCharOption = GenerationCharOption::Second;
  withGenerationChar.secondCharText = "龘";
  auto withStrokelessChar = withGenerationChar;
  withStrokelessChar.secondCharText = "空";
  const Case cases[] = {
      {"unknown surname", request("龘", GenerationMode::Classic), true, GenerationStatus::CharacterNotFound,
       "未找到汉字「龘」的笔划数据"},
      {"second surname character unknown", request("欧龘", GenerationMode::HighScore), true,
       GenerationStatus::CharacterNotFound, "未找到汉字「龘」的笔划数据"},
      {"surname without strokes", request("空", GenerationMode::Nickname), true, GenerationStatus::CharacterNotFound,
       "未找到汉字「空」的笔划数据"},
      {"unknown generation character", withGenerationChar, true, GenerationStatus::CharacterNotFound,
       "未找到汉字「龘」的笔划数据"},
      {"generation character without strokes", withStrokelessChar, true, GenerationStatus::CharacterNotFound,
       "未找到汉字「空」的笔划数据"},
      {"no service", request("李", GenerationMode::Classic), false, GenerationStatus::ServiceUnreachable,
       "无法连接数据服务"},
      {"no service, self-chosen", request("李", GenerationMode::SelfChosen), false,
       GenerationStatus::ServiceUnreachable, "无法连接数据服务"},
  };
  for (auto c : cases) {
    c.request.selfChosenText = "明华";
    auto lookup = dictionary();
    lookup.setReachable(c.reachable);
    const auto result = run(c.request, smallLists(), lookup);
    EXPECT_EQ(result.outcome.status, c.status) << c.what;
    EXPECT_EQ(result.outcome.message, c.message) << c.what;
    EXPECT_EQ(result.outcome.rowsWritten, 0) << c.what;
    EXPECT_TRUE(result.rows.empty()) << c.what;
  }
}

TEST(GenerateCommand, EmptyListIsRefusedNotReportedAsZeroNames) {
  for (auto mode : {GenerationMode::Classic, GenerationMode::HighScore, GenerationMode::Nickname}) {
    auto req = request("李", mode);
    req.gender = chars::Gender::Girl;
    const auto result = run(req, chars::CharacterLists{{"明,明,míng,8,火"}, {}});
    EXPECT_EQ(result.outcome.status, GenerationStatus::Refused);
    EXPECT_EQ(result.outcome.message, "名字字库为空，无法生成名字");
    EXPECT_TRUE(result.outcome.summary.empty());
  }
}

TEST(GenerateCommand, RunKeepsTheSurnameItStartedWith) {
  // The window may change its boxes while a run goes on; the rows keep the surname their grids
  // were computed from.
  auto req = request("李", GenerationMode::SelfChosen);
  req.selfChosenText = "明华";
  auto lookup = dictionary();
  std::vector<ResultRow> rows;
  GenerationSinks sinks;
  sinks.row = [&](ResultRow row) {
    rows.push_back(std::move(row));
    req.surname = "王";
    req.selfChosenText = "成";
  };
  runGenerate(req, smallLists(), lookup, sinks);
  ASSERT_EQ(rows.size(), 4u);
  for (const auto& row : rows) {
    EXPECT_EQ(row[ResultColumn::Name].substr(0, 3), "李");
    EXPECT_EQ(row[ResultColumn::Grids].substr(0, 2), "8,");
  }
}

TEST(GenerateCommand, TwoCharacterSurnameMergesItsRecords) {
  auto req = request("欧阳", GenerationMode::SelfChosen);
  req.selfChosenText = "明";
  const auto result = run(req);
  ASSERT_EQ(result.rows.size(), 1u);
  EXPECT_EQ(result.rows[0][ResultColumn::Name], "欧阳明明");
  EXPECT_EQ(result.rows[0][ResultColumn::Elements], "土火火火");
  EXPECT_EQ(result.rows[0][ResultColumn::Grids], "32,25,16,23,48");  // s1 15, s2 17, g 8 + 8
}

TEST(GenerateCommand, RowsKnowTheReadingsOfTheirNames) {
  // Every mode writes the surname's readings, then each given-name character's.
  const std::pair<GenerationMode, std::string> modes[] = {
      {GenerationMode::Classic, "欧阳"}, {GenerationMode::HighScore, "李"}, {GenerationMode::Nickname, "李"}};
  const auto lists = smallLists();
  for (const auto& [mode, surname] : modes) {
    const auto result = run(request(surname, mode), lists);
    ASSERT_FALSE(result.rows.empty());
    for (const auto& row : result.rows) {
      std::string expected = surname == "李" ? "lǐ" : "ōu yáng";
      for (const auto& character : common::splitCharacters(row[ResultColumn::Name].substr(surname.size()))) {
        const auto entry = std::find_if(lists.boys.begin(), lists.boys.end(), [&](const std::string& e) {
          return chars::parseEntry(e).simplified == character;
        });
        expected += ' ' + (entry != lists.boys.end() ? chars::parseEntry(*entry).pinyin : std::string("?"));
      }
      EXPECT_EQ(row.details.pinyin, expected) << row[ResultColumn::Name];
    }
  }
}

}  // namespace
}  // namespace quillan::generate
