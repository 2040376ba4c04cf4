// The report through the real data service, embedded on 127.0.0.1 with the bundled database.
#include <gtest/gtest.h>

#include "dataservice/DataServiceClient.h"
#include "evaluate/Evaluation.h"
#include "evaluate/ReportOutput.h"
#include "service/EmbeddedDataService.h"
#include "sources/ServiceCharacterLookup.h"
#include "sources/ServiceNumerologyTexts.h"

namespace quillan::sources {
namespace {

TEST(ServiceReport, LiMinghuaFromTheBundledDatabase) {
  service::EmbeddedDataService embedded;
  dataservice::DataServiceClient client(embedded.connect());
  ServiceCharacterLookup lookup(client);
  const auto evaluation = evaluate::evaluateName("李", "明华", lookup);
  ASSERT_EQ(evaluation.status, evaluate::EvaluationStatus::Done) << evaluation.message;
  EXPECT_EQ(evaluation.inputs.grids, (std::array<int, 5>{8, 15, 22, 15, 29}));
  EXPECT_EQ(evaluation.inputs.given2.traditional, "華");
  ServiceNumerologyTexts texts(client);
  const auto fields = evaluate::reportFields(evaluation, texts);
  EXPECT_EQ(fields[27], "大吉");  // 人格 15, the luck word of the texts' own row
  EXPECT_EQ(fields[28], "凶");    // 地格 22
  EXPECT_EQ(fields[41], "金土木");
  for (int n : {31, 36, 43, 50, 51}) {
    EXPECT_FALSE(fields[n].empty()) << n;
  }
  EXPECT_EQ(evaluate::evaluateName("李", "𠀀", lookup).status, evaluate::EvaluationStatus::BadInput);
}

// A surname reads as a surname wherever it stands in the surname's place: in the report's character
// table, and so in its text export and in the command line's JSON, which take the same records.
TEST(ServiceReport, SurnamesReadAsSurnames) {
  service::EmbeddedDataService embedded;
  dataservice::DataServiceClient client(embedded.connect());
  ServiceCharacterLookup lookup(client);
  ServiceNumerologyTexts texts(client);
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"曾", {"zēng"}},
      {"单", {"shàn"}},
      {"仇", {"qiú"}},
      {"区", {"ōu"}},
      {"朴", {"piáo"}},
      {"解", {"xiè"}},
      {"查", {"zhā"}},
      {"盖", {"gě"}},
      {"覃", {"qín"}},
      {"翟", {"zhái"}},
      {"肖", {"xiāo"}},
      {"任", {"rén"}},
      {"华", {"huà"}},
      {"纪", {"jǐ"}},
      {"缪", {"miào"}},
      {"乐", {"yuè"}},
      {"尉", {"yù"}},
      {"召", {"shào"}},
      {"繁", {"pó"}},
      {"员", {"yùn"}},
      {"万俟", {"mò", "qí"}},
      {"尉迟", {"yù", "chí"}},
      {"长孙", {"zhǎng", "sūn"}},
      {"令狐", {"líng", "hú"}},
      {"澹台", {"tán", "tái"}},
      {"单于", {"chán", "yú"}},
  };
  for (const auto& [surname, readings] : cases) {
    const auto evaluation = evaluate::evaluateName(surname, "明", lookup);
    ASSERT_EQ(evaluation.status, evaluate::EvaluationStatus::Done) << surname << ": " << evaluation.message;
    const auto fields = evaluate::reportFields(evaluation, texts);
    EXPECT_EQ(fields[7], readings[0]) << surname;
    if (readings.size() == 2) {
      EXPECT_EQ(fields[59], readings[1]) << surname;
    }
    EXPECT_EQ(fields[8], "míng") << surname << ": a given name reads as it usually does";
  }
  // Outside the surname's place a character keeps its usual reading.
  const auto given = evaluate::evaluateName("李", "曾", lookup);
  EXPECT_EQ(evaluate::reportFields(given, texts)[8], "céng");
}

TEST(ServiceReport, TheHtmlReportShowsMeaningsAndWhyEachElement) {
  service::EmbeddedDataService embedded;
  dataservice::DataServiceClient client(embedded.connect());
  ServiceCharacterLookup lookup(client);
  ServiceNumerologyTexts texts(client);
  const auto fields = evaluate::reportFields(evaluate::evaluateName("李", "江月", lookup), texts);
  EXPECT_EQ(fields[64], "（字义）");  // 江 names water
  EXPECT_EQ(fields[65], "（字义）");
  EXPECT_FALSE(fields[68].empty());  // 江's meaning
  EXPECT_FALSE(fields[69].empty());
  EXPECT_EQ(fields[63], "");  // no second surname character
  const auto html = evaluate::htmlReport(fields);
  EXPECT_NE(html.find("<th>字义</th>"), std::string::npos);
  EXPECT_NE(html.find(fields[68]), std::string::npos);
  // The text report stays as it always was: no meanings, no bases.
  EXPECT_EQ(evaluate::textReport(fields).find(fields[68]), std::string::npos);
}

TEST(ServiceReport, AServiceThatIsGoneIsSaidNotScored) {
  dataservice::DataServiceClient client(dataservice::ServiceEndpoint{});
  ServiceCharacterLookup lookup(client);
  const auto evaluation = evaluate::evaluateName("李", "明", lookup);
  EXPECT_EQ(evaluation.status, evaluate::EvaluationStatus::ServiceUnreachable);
}

}  // namespace
}  // namespace quillan::sources
