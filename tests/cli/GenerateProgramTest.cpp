// quillan-cli generate as a program: the embedded data service, the built-in lists and the real
// dictionary, compared with the same run made through the API the window uses.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "CliProgram.h"
#include "common/GbkCodec.h"
#include "dataservice/DataServiceClient.h"
#include "generate/Generate.h"
#include "generate/ResultExport.h"
#include "service/EmbeddedDataService.h"
#include "sources/ServiceCharacterLookup.h"

namespace quillan::cli {
namespace {

namespace fs = std::filesystem;

testing::ProgramResult generateProgram(std::vector<std::string> args) {
  return testing::runCliProgram("generate", std::move(args));
}

const std::vector<std::string> kDate{"--year", "2013", "--month", "5", "--day", "20", "--hour", "10"};

std::vector<std::string> with(std::vector<std::string> args) {
  args.insert(args.end(), kDate.begin(), kDate.end());
  return args;
}

TEST(GenerateProgram, SelfChosenThroughTheEmbeddedService) {
  const auto result =
      generateProgram(with({"--surname", "李", "--mode", "self-chosen", "--chars", "明华", "--format", "tsv"}));
  ASSERT_EQ(result.exitCode, 0) << result.err;
  // 李 7, 明 8, 华 14 strokes in the dictionary.
  EXPECT_NE(result.out.find("\n1\t李明明\t"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("\n2\t李明华\t"), std::string::npos);
  EXPECT_NE(result.out.find("\t8,15,22,15,29\t"), std::string::npos);
  EXPECT_NE(result.out.find("\n4\t李华华\t"), std::string::npos);
}

TEST(GenerateProgram, SameRowsAsTheApiOnTheSameService) {
  service::EmbeddedDataService embedded;
  dataservice::DataServiceClient client(embedded.connect());
  ASSERT_TRUE(client.connected());
  sources::ServiceCharacterLookup lookup(client);
  const auto lists = chars::loadBuiltInLists();
  ASSERT_FALSE(lists.boys.empty());

  generate::GenerationRequest request;
  request.surname = "欧阳";
  request.mode = generate::GenerationMode::HighScore;
  request.birthday = {"生日", "2013", "5", "20", "10"};
  std::vector<generate::ResultRow> rows;
  const auto outcome = generate::runGenerate(request, lists, lookup,
                                             {.row = [&](generate::ResultRow row) { rows.push_back(std::move(row)); }});
  ASSERT_EQ(outcome.status, generate::GenerationStatus::Completed) << outcome.message;
  ASSERT_FALSE(rows.empty());

  const auto printed = generateProgram(with({"--surname", "欧阳", "--mode", "high-score"}));
  ASSERT_EQ(printed.exitCode, 0) << printed.err;
  EXPECT_EQ(printed.out, generate::exportText(rows));
  EXPECT_EQ(printed.err, outcome.summary + "\n");

  const auto file = fs::temp_directory_path() / ("quillan-generate-" + std::to_string(::getpid()) + ".txt");
  const auto written = generateProgram(with({"--surname", "欧阳", "--mode", "high-score", "--out", file.string()}));
  ASSERT_EQ(written.exitCode, 0) << written.err;
  std::ifstream in(file, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  EXPECT_EQ(bytes, *common::utf8ToGbk(printed.out));
  fs::remove(file);
}

TEST(GenerateProgram, ExitCodes) {
  const auto refused = generateProgram({"--surname", "li"});
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_EQ(refused.err, "温馨提示：姓氏只能是中文汉字\n");

  const auto badOption = generateProgram({"--surname", "李", "--mode", "best"});
  EXPECT_EQ(badOption.exitCode, 2);
  EXPECT_FALSE(badOption.err.empty());

  service::testing::Subprocess program({QUILLAN_CLI_PROGRAM, "--service", "http://127.0.0.1:1/", "--key",
                                        "q,w,e,r,t,y,u,i,o,p,a", "generate", "--surname", "李"});
  EXPECT_TRUE(program.restOfOutput().empty());
  EXPECT_FALSE(program.errorOutput().empty());
  EXPECT_EQ(program.wait(), 3);
}

}  // namespace
}  // namespace quillan::cli
