#include <gtest/gtest.h>

#include <set>

#include "common/ScoreFormat.h"
#include "evaluate/ReportBuilder.h"
#include "evaluate/ReportFields.h"
#include "evaluate/ReportTemplates.h"
#include "evaluate/Verdict.h"

namespace quillan::evaluate {
namespace {

TEST(FillTemplate, TwoDigitPlaceholdersAreNotReadAsOneDigitPlusZero) {
  ReportFields fields;
  fields[1] = "A";
  fields[10] = "B";
  fields[61] = "C";
  fields[6] = "D";
  EXPECT_EQ(fillTemplate("替换10|替换1|替换61|替换6|替换1替换10", fields), "B|A|C|D|AB");
}

TEST(Verdict, BandsByIntegerPart) {
  const std::pair<double, int> cases[] = {{68.8, 0}, {70.5, 0}, {71, 1},   {74.9, 1}, {75, 2},
                                          {79.8, 2}, {80, 3},   {84.5, 3}, {85, 4},   {89.9, 4},
                                          {90, 5},   {94.8, 5}, {95, 6},   {95.8, 6}, {100, 6}};
  const std::string_view first = verdictSentence(68.8);
  std::vector<std::string_view> bands;
  for (double score = 68.8; score <= 100.05; score += 0.1) {
    const auto sentence = verdictSentence(score);
    if (bands.empty() || bands.back() != sentence) {
      bands.push_back(sentence);
    }
  }
  ASSERT_EQ(bands.size(), 7U);  // every score falls in exactly one band, the bands in order
  EXPECT_EQ(bands.front(), first);
  for (const auto& [score, band] : cases) {
    EXPECT_EQ(verdictSentence(score), bands[static_cast<std::size_t>(band)]) << score;
  }
  EXPECT_TRUE(bands[6].starts_with("你的名字起得非常棒"));
  EXPECT_TRUE(bands[1].starts_with("你的名字起得不算理想"));
}

TEST(ReportFields, TwoCharacterSurnameWithOneCharacterGivenName) {
  ReportInputs inputs;
  inputs.surname1 = {"欧", "歐", "ōu", "15", "土"};
  inputs.surname2 = {"阳", "陽", "yáng", "17", "火"};
  inputs.given1 = {"明", "明", "míng", "8", "火"};
  inputs.grids = {32, 25, 9, 16, 40};
  inputs.numberTexts[1] = {"title25", "大吉", "hint25", "detail25"};
  inputs.talentTexts = {"木土水", "凶", "d", "b", "吉", "s", "凶", "r", "吉", "c"};
  inputs.scoreText = "83.8";
  const auto fields = buildReportFields(inputs);
  EXPECT_EQ(fields[1], "欧");
  EXPECT_EQ(fields[57], "阳");
  EXPECT_EQ(fields[60], "17");
  EXPECT_EQ(fields[2], "明");
  for (int n : {3, 6, 9, 12, 15}) {
    EXPECT_EQ(fields[n], "") << n;
  }
  EXPECT_EQ(fields[16], "32");
  EXPECT_EQ(fields[25], "水");  // 40 ends in 0, which counts as 10
  EXPECT_EQ(fields[22], "土");
  EXPECT_EQ(fields[27], "大吉");
  EXPECT_EQ(fields[32], "title25");
  EXPECT_EQ(fields[37], "detail25");
  EXPECT_EQ(fields[51], "hint25");  // the hints start with 人格
  EXPECT_EQ(fields[41], "木土水");
  EXPECT_EQ(fields[50], "c");
  EXPECT_EQ(fields[55], verdictSentence(83.8));
  EXPECT_EQ(fields[56], "83.8");
}

TEST(ReportFields, LineBreaksForTheTextReport) {
  ReportFields fields;
  fields[36] = "一<BR>二";
  fields[54] = "甲<BR>乙<BR>";
  fields[43] = "上<br />    下";
  fields[41] = "不<BR>变";
  convertLineBreaksForText(fields);
  EXPECT_EQ(fields[36], "一\r\n二");
  EXPECT_EQ(fields[54], "甲\r\n乙\r\n");
  EXPECT_EQ(fields[43], "上\r\n下");
  EXPECT_EQ(fields[41], "不<BR>变");
  const auto once = fields;
  convertLineBreaksForText(fields);  // a second save finds nothing left to convert
  EXPECT_EQ(fields, once);
}

TEST(ReportTemplates, TextTemplateShape) {
  const std::string_view text = textReportTemplate();
  EXPECT_FALSE(text.ends_with("\n"));
  EXPECT_EQ(text.find("\n"), text.find("\r\n") + 1);  // CR LF line ends
  std::string separator;
  for (int i = 0; i < 43; ++i) {
    separator += "┈";
  }
  EXPECT_TRUE(text.starts_with(separator + "\r\n『替换1替换57替换2替换3』姓名五格三才综合评分：替换56 分\r\n"));
  EXPECT_NE(text.find("\r\n替换33　　　（替换28） \r\n"), std::string_view::npos);  // 地格: three ideographic spaces
  EXPECT_NE(text.find("\r\n替换31　　（替换26） \r\n"), std::string_view::npos);
  const std::string_view html = htmlReportTemplate();
  EXPECT_NE(html.find("charset=gb2312"), std::string_view::npos);
  EXPECT_NE(html.find("<title>名字评分</title>"), std::string_view::npos);
  for (int n = 1; n <= kReportFieldCount; ++n) {
    EXPECT_NE(html.find("替换" + std::to_string(n)), std::string_view::npos) << n;
    EXPECT_EQ(text.find("替换" + std::to_string(n)) != std::string_view::npos, n <= kTextReportFieldCount) << n;
  }
}

}  // namespace
}  // namespace quillan::evaluate
