// The report through the real data service, embedded on 127.0.0.1 with the bundled database.
#include <gtest/gtest.h>

#include "dataservice/DataServiceClient.h"
#include "evaluate/Evaluation.h"
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

TEST(ServiceReport, AServiceThatIsGoneIsSaidNotScored) {
  dataservice::DataServiceClient client(dataservice::ServiceEndpoint{});
  ServiceCharacterLookup lookup(client);
  const auto evaluation = evaluate::evaluateName("李", "明", lookup);
  EXPECT_EQ(evaluation.status, evaluate::EvaluationStatus::ServiceUnreachable);
}

}  // namespace
}  // namespace quillan::sources
