#include "evaluate/Evaluation.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "FakeSources.h"
#include "common/GbkCodec.h"
#include "evaluate/ReportOutput.h"
#include "evaluate/ReportTemplates.h"
#include "evaluate/Verdict.h"

namespace quillan::evaluate {
namespace {

using testing::NamedTexts;
using testing::tableLookup;

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(Evaluation, ScoresANameAndFillsItsTexts) {
  auto lookup = tableLookup();
  const auto e = evaluateName("李", "明华", lookup);
  ASSERT_EQ(e.status, EvaluationStatus::Done) << e.message;
  EXPECT_EQ(e.inputs.grids, (std::array<int, 5>{8, 15, 22, 15, 29}));
  EXPECT_EQ(e.result.name, "李明华");
  EXPECT_EQ(e.result.elements, "火 火 水");
  EXPECT_EQ(e.result.talents, "金 土 木");
  EXPECT_EQ(e.result.luck, "大吉 大吉 凶 大吉 半吉");
  EXPECT_EQ(e.result.score, "84.5");
  EXPECT_EQ(e.result.verdict, verdictSentence(84.5));
  EXPECT_EQ(lookup.asked().size(), 3U);
}

TEST(Evaluation, TwoCharacterSurnameWithOneCharacterGivenName) {
  auto lookup = tableLookup();
  const auto e = evaluateName("欧阳", "明", lookup);
  ASSERT_EQ(e.status, EvaluationStatus::Done);
  EXPECT_EQ(e.result.elements, "土火 火");  // the surname's two elements written together
  NamedTexts texts;
  const auto fields = reportFields(e, texts);
  EXPECT_EQ(fields[1], "欧");
  EXPECT_EQ(fields[57], "阳");
  EXPECT_EQ(fields[2], "明");
  for (int n : {3, 6, 9, 12, 15}) {
    EXPECT_EQ(fields[n], "") << n;
  }
  EXPECT_EQ(fields[16], "32");  // 15 + 17
  EXPECT_EQ(fields[31], "题32");
}

TEST(Evaluation, RefusesInputAndMissingData) {
  auto lookup = tableLookup();
  struct Case {
    const char* surname;
    const char* given;
    EvaluationStatus status;
    const char* message;
  };
  const Case cases[] = {
      {"", "明", EvaluationStatus::BadInput, "请输入姓氏！"},
      {"李", "", EvaluationStatus::BadInput, "请输入名字！"},
      {"Li", "明", EvaluationStatus::BadInput, "姓氏只能是中文汉字"},
      {"李", "明1", EvaluationStatus::BadInput, "名字只能是中文汉字"},
      {"李", "明龙", EvaluationStatus::CharacterNotFound, "未找到汉字「龙」的笔划数据"},
      {"李", "空", EvaluationStatus::CharacterNotFound, "未找到汉字「空」的笔划数据"},  // no stroke count
  };
  for (const auto& c : cases) {
    const auto e = evaluateName(c.surname, c.given, lookup);
    EXPECT_EQ(e.status, c.status) << c.surname << c.given;
    EXPECT_EQ(e.message, c.message);
  }
  lookup.setReachable(false);
  const auto offline = evaluateName("李", "明", lookup);
  EXPECT_EQ(offline.status, EvaluationStatus::ServiceUnreachable);
  EXPECT_EQ(offline.message, "无法连接数据服务");
}

TEST(Evaluation, RowReportsTakeTheRowsNumbers) {
  auto lookup = tableLookup();
  const auto e = evaluateRow("欧阳明华", "32,25,22,29,54", "79.8", lookup);
  ASSERT_EQ(e.status, EvaluationStatus::Done);
  EXPECT_EQ(e.inputs.surname2.simplified, "阳");
  EXPECT_EQ(e.inputs.given2.simplified, "华");
  NamedTexts texts;
  const auto fields = reportFields(e, texts);
  EXPECT_EQ(fields[20], "54");
  EXPECT_EQ(fields[56], "79.8");
  EXPECT_EQ(fields[55], verdictSentence(79.8));
  EXPECT_EQ(evaluateRow("李", "8,15,9,2,15", "88.3", lookup).status, EvaluationStatus::BadInput);
  EXPECT_EQ(evaluateRow("李明", "8,15", "88.3", lookup).status, EvaluationStatus::BadInput);
}

TEST(Evaluation, NumbersAboveEightyOneTakeTheTextsOfTheReducedNumber) {
  auto lookup = tableLookup();
  lookup.add({"龘", "龘", "dá", "48", "火"});
  const auto e = evaluateName("李", "龘龘", lookup);
  ASSERT_EQ(e.status, EvaluationStatus::Done);
  EXPECT_EQ(e.inputs.grids[4], 103);
  NamedTexts texts;
  const auto fields = reportFields(e, texts);
  EXPECT_EQ(fields[20], "103");   // shown with its real number
  EXPECT_EQ(fields[35], "题23");  // explained by 103 - 80
}

// The text report of a fixed name, byte for byte against a checked-in file (GBK, CR LF).
TEST(Evaluation, TheReportSaysHowTheNameSounds) {
  auto lookup = tableLookup();
  lookup.add(chars::parseEntry("杜,杜,dù,7,木"));
  lookup.add(chars::parseEntry("子,子,zǐ,3,水"));
  lookup.add(chars::parseEntry("腾,騰,téng,20,火"));
  const auto joke = evaluateName("杜", "子腾", lookup);
  ASSERT_EQ(joke.status, EvaluationStatus::Done) << joke.message;
  EXPECT_FALSE(joke.inputs.sound.verdict.passes());
  NamedTexts texts;
  const auto fields = reportFields(joke, texts);
  const std::string html = fillTemplate(htmlReportTemplate(), fields);
  for (const char* part : {"<h2>音律与字义</h2>", "「杜子腾」读音近「肚子疼」（谐音笑话）", "仄仄平"}) {
    EXPECT_NE(html.find(part), std::string::npos) << part;
  }
  // The section stands before the final score.
  EXPECT_LT(html.find("音律与字义"), html.find("姓名五格三才综合评分"));

  const auto avoided =
      evaluateName("李", "明华", lookup, std::get<quality::UserAvoidance>(quality::parseUserAvoidance("", "hua")));
  ASSERT_EQ(avoided.status, EvaluationStatus::Done);
  ASSERT_FALSE(avoided.inputs.sound.findings.empty());
  EXPECT_EQ(avoided.inputs.sound.findings.front().text, "「华」读 huá，在您要避开的读音（hua）里");
  EXPECT_TRUE(evaluateName("李", "明华", lookup).inputs.sound.findings.empty());
}

TEST(Evaluation, AKnownBirthDateAddsTheChartAndWhatTheNameBrings) {
  auto lookup = tableLookup();
  auto e = evaluateName("李", "明华", lookup);
  NamedTexts texts;
  EXPECT_EQ(fillTemplate(htmlReportTemplate(), reportFields(e, texts)).find("八字五行"), std::string::npos);
  e.inputs.chart = bazi::birthChart({{2013, 5, 20}, 10, 0, std::nullopt});  // 用神 金, 喜神 土
  const std::string html = fillTemplate(htmlReportTemplate(), reportFields(e, texts));
  for (const char* part : {"<h2>八字五行</h2>", "八字：癸巳 丁巳 丙戌 癸巳 · 身强 · 喜用神：金、土",
                           "「明」字意五行火，不是喜用神", "五行缺：木金"}) {
    EXPECT_NE(html.find(part), std::string::npos) << part;
  }
  EXPECT_LT(html.find("八字五行"), html.find("姓名五格三才综合评分"));
}

TEST(ReportOutput, TextReportMatchesTheExpectedFile) {
  auto lookup = tableLookup();
  NamedTexts texts;
  auto fields = reportFields(evaluateName("李", "明", lookup), texts);
  const auto path = std::filesystem::temp_directory_path() / "quillan-report-test.txt";
  ASSERT_EQ(saveReportText(path, fields), std::nullopt);
  const auto written = readFile(path);
  EXPECT_EQ(written, readFile(std::string(QUILLAN_SOURCE_DIR) + "/tests/data/evaluate/li-ming.txt"));
  // A second save finds no line breaks left to convert and writes the same text.
  ASSERT_EQ(saveReportText(path, fields), std::nullopt);
  EXPECT_EQ(readFile(path), written);
  std::filesystem::remove(path);
}

TEST(ReportOutput, TheSecondReportReplacesTheFirst) {
  auto lookup = tableLookup();
  NamedTexts texts;
  const auto path = std::filesystem::temp_directory_path() / "quillan-test-1.htm";
  ASSERT_EQ(writeHtmlReport(path, reportFields(evaluateName("李", "明", lookup), texts)), std::nullopt);
  ASSERT_EQ(writeHtmlReport(path, reportFields(evaluateName("欧阳", "华", lookup), texts)), std::nullopt);
  const auto page = common::gbkToUtf8(readFile(path));
  ASSERT_TRUE(page);
  EXPECT_NE(page->find("欧"), std::string::npos);
  EXPECT_EQ(page->find(">李<"), std::string::npos);
  EXPECT_NE(page->find("解32<BR>二行"), std::string::npos);  // the page keeps its line-break markup
  std::filesystem::remove(path);
  EXPECT_EQ(reportFilePath().filename(), "1.htm");
}

TEST(ReportOutput, AFailedWriteSaysSo) {
  auto lookup = tableLookup();
  NamedTexts texts;
  auto fields = reportFields(evaluateName("李", "明", lookup), texts);
  const auto problem = saveReportText("/nonexistent-folder/report.txt", fields);
  ASSERT_TRUE(problem);
  EXPECT_FALSE(problem->empty());
}

}  // namespace
}  // namespace quillan::evaluate
