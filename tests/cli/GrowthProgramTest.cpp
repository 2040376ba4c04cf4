#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <sstream>

#include "CliProgram.h"
#include "TestFolder.h"

using quillan::cli::testing::runCliProgram;

namespace {

std::string fileText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

// quillan-cli growth writes the records file of the user's data folder, as the window does.
TEST(GrowthProgram, AddListAndChart) {
  quillan::testing::TestFolder folder("cli-growth");
  ASSERT_EQ(setenv("XDG_DATA_HOME", folder.path().c_str(), 1), 0);
  const auto records = folder.path() / "quillan" / "growth.tsv";

  const auto added = runCliProgram("growth", {"add", "--child", "小宝", "--sex", "boy", "--birth", "2026-01-05",
                                              "--date", "2026-07-05", "--weight", "7.9", "--length", "68"});
  ASSERT_EQ(added.exitCode, 0) << added.err;
  EXPECT_NE(added.out.find("6个月0天"), std::string::npos) << added.out;
  const std::string saved = fileText(records);
  EXPECT_NE(saved.find("measurement\t小宝\t2026-07-05\t7.9\t68\t\n"), std::string::npos) << saved;

  const auto refused = runCliProgram("growth", {"add", "--child", "小宝", "--date", "2026-07-06", "--weight", "-1"});
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_NE(refused.err.find("温馨提示"), std::string::npos) << refused.err;
  EXPECT_EQ(fileText(records), saved);

  const auto listed = runCliProgram("growth", {"list", "--child", "小宝", "--json"});
  ASSERT_EQ(listed.exitCode, 0) << listed.err;
  EXPECT_NE(listed.out.find("\"ageMonths\":6,\"ageExtraDays\":0"), std::string::npos) << listed.out;
  EXPECT_NE(listed.out.find("{\"indicator\":\"wfa\",\"value\":7.9,\"percentile\":49.40,\"z\":-0.02}"),
            std::string::npos)
      << listed.out;

  for (const char* name : {"chart.png", "chart.pdf"}) {
    const auto out = folder.path() / name;
    const auto drawn = runCliProgram("growth", {"chart", "--child", "小宝", "--out", out.string()});
    ASSERT_EQ(drawn.exitCode, 0) << drawn.err;
    EXPECT_TRUE(drawn.err.empty()) << drawn.err;
    const std::string bytes = fileText(out);
    EXPECT_EQ(bytes.substr(0, 4), std::string(name).ends_with(".png") ? "\x89PNG" : "%PDF") << name;
  }
  EXPECT_EQ(runCliProgram("growth", {"chart", "--child", "无名", "--out", (folder.path() / "x.png").string()}).exitCode,
            4);
}
