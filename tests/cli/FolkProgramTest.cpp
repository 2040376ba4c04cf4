#include <gtest/gtest.h>

#include "CliProgram.h"

using quillan::cli::testing::runCliProgram;

namespace {

struct FolkRun {
  std::vector<std::string> args;
  int exitCode;
  const char* shown;  // in the output, or in the error output when refused
};

// Each computed folk reading, as other programs read it (JSON) and as it refuses bad input.
TEST(FolkProgram, PrintsStepsAndRefusesBadInput) {
  const FolkRun runs[] = {
      {{"chenggu", "--date", "2013-05-20", "--hour", "10", "--json"},
       0,
       R"("weights":{"year":7,"month":9,"day":9,"hour":16},"total":41,"totalText":"四两一钱")"},
      {{"chenggu", "--date", "2020-06-01", "--hour", "12"}, 0, "月 闰四月（闰月按本月算）：九钱"},
      {{"number", "13812345678", "--json"},
       0,
       R"("number":78,"luck":"凶","steps":"13812345678 → 5678 → 5678 mod 80 = 78 → 凶")"},
      {{"gender", "--mother-birth", "1990-06-15", "--conception", "2007-04-20", "--json"},
       0,
       R"("age":18,"month":3,"answer":"女")"},
      {{"number", "138-1234"}, 2, "号码只能由数字0-9组成"},
      {{"gender", "--mother-birth", "1990-06-15", "--conception", "2035-04-20"}, 2, "虚岁46岁"},
      {{"chenggu", "--date", "1900-12-31", "--hour", "10"}, 2, "no lunar date"},
  };
  for (const auto& run : runs) {
    SCOPED_TRACE(run.args[0] + " " + run.args[1]);
    const auto result = runCliProgram("folk", run.args);
    EXPECT_EQ(result.exitCode, run.exitCode) << result.err;
    EXPECT_NE((run.exitCode == 0 ? result.out : result.err).find(run.shown), std::string::npos)
        << result.out << result.err;
  }
}

}  // namespace
