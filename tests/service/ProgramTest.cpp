#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "RawHttp.h"
#include "Subprocess.h"
#include "TestFolder.h"
#include "service/DataServiceServer.h"
#include "sqlite/Database.h"

namespace quillan::service {
namespace {

using testing::runProgram;
using testing::Subprocess;

constexpr const char* kKeyText = "q,w,e,r,t,y,u,i,o,p,a";

using TempDir = quillan::testing::TestFolder;

// Rows of a table, -1 when it cannot be read.
int rowCount(const std::filesystem::path& database, const std::string& table) {
  int count = -1;
  try {
    sqlite::Database db(database, sqlite::Database::Mode::ReadOnly);
    auto statement = db.prepare("SELECT count(*) FROM " + table);
    if (statement.step()) {
      count = statement.integer(0);
    }
  } catch (const sqlite::Error&) {
  }
  return count;
}

TEST(ServiceProgram, RefusesToStartWithoutAValidKeyAndSaysWhy) {
  const auto none = runProgram({QUILLAN_SERVICE_PROGRAM, "--listen", "127.0.0.1:0", "--db", QUILLAN_FIXTURE_DATABASE});
  EXPECT_EQ(none.exitCode, 2);
  EXPECT_NE(none.err.find("no key"), std::string::npos) << none.err;
  const auto repeated = runProgram({QUILLAN_SERVICE_PROGRAM, "--listen", "127.0.0.1:0", "--db",
                                    QUILLAN_FIXTURE_DATABASE, "--key", "q,q,e,r,t,y,u,i,o,p,a"});
  EXPECT_EQ(repeated.exitCode, 2);
  EXPECT_NE(repeated.err.find("repeats"), std::string::npos) << repeated.err;
  const auto noDatabase = runProgram(
      {QUILLAN_SERVICE_PROGRAM, "--listen", "127.0.0.1:0", "--db", "/nonexistent/q.sqlite", "--key", kKeyText});
  EXPECT_NE(noDatabase.exitCode, 0);
  EXPECT_NE(noDatabase.err.find("/nonexistent/q.sqlite"), std::string::npos) << noDatabase.err;
}

TEST(ServiceProgram, HelpExplainsEveryOption) {
  const auto help = runProgram({QUILLAN_SERVICE_PROGRAM, "--help"});
  EXPECT_EQ(help.exitCode, 0);
  for (const char* option : {"--listen", "--db", "--base-path", "--key", "--content-dir", "--config"}) {
    EXPECT_NE(help.out.find(option), std::string::npos) << option;
  }
}

TEST(ServiceProgram, ReadsAnIniFileAndStopsGracefullyOnSignals) {
  TempDir dir("ini");
  const auto ini = dir.path() / "service.ini";
  std::ofstream(ini) << "listen = 127.0.0.1:0\ndb = " << QUILLAN_FIXTURE_DATABASE << "\nkey = " << kKeyText
                     << "\nbase-path = /svc/\n";
  for (int signal : {SIGTERM, SIGINT}) {
    Subprocess service({QUILLAN_SERVICE_PROGRAM, "--config", ini.string()});
    const auto line = service.readLine();
    const auto at = line.find("(port ");
    ASSERT_NE(at, std::string::npos) << line;
    EXPECT_NE(line.find("/svc/"), std::string::npos) << line;
    const int port = std::stoi(line.substr(at + 6));
    const auto clock =
        testing::exchangeRaw(port, "GET /svc/Velmora.asp?C=3 HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
    EXPECT_EQ(testing::statusOf(clock), 200);
    service.signal(signal);
    EXPECT_EQ(service.wait(), 0);
    EXPECT_NE(service.restOfOutput().find("stopped"), std::string::npos);
  }
}

TEST(ServiceProgram, ServesTheGeneratedAndRenderedContentPages) {
  Subprocess service({QUILLAN_SERVICE_PROGRAM, "--listen", "127.0.0.1:0", "--key", kKeyText});
  const auto line = service.readLine();
  const auto at = line.find("(port ");
  ASSERT_NE(at, std::string::npos) << line;
  const int port = std::stoi(line.substr(at + 6));
  for (const char* path : {"/tovka/mszs/mszs/essjqb.htm", "/tovka/mszs/mszs/bjx.htm", "/tovka/yezs/yezsttd/3.htm"}) {
    const auto response =
        testing::exchangeRaw(port, std::string("GET ") + path + " HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
    EXPECT_EQ(testing::statusOf(response), 200) << path;
    EXPECT_NE(response.find("charset=gbk"), std::string::npos) << path;
  }
  const auto source =
      testing::exchangeRaw(port, "GET /tovka/yezs/yezsttd/3.txt HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
  EXPECT_EQ(testing::statusOf(source), 404);
  service.signal(SIGTERM);
  EXPECT_EQ(service.wait(), 0);
}

TEST(DatabaseBuilder, RefusesAnAbsentOrMissingInput) {
  TempDir dir("dbbuild");
  const auto out = dir.path() / "empty.sqlite";
  const std::string fixture = QUILLAN_FIXTURE_DIR;
  // An input that is not there, and one that is not given: no database with an empty table.
  const std::vector<std::vector<std::string>> calls = {
      {"--characters", (dir.path() / "absent.tsv").string(), "--z81", fixture + "/z81.tsv", "--zsancai",
       fixture + "/zsancai.tsv", "--surnames", fixture + "/surnames.tsv", "--meanings", fixture + "/meanings.tsv"},
      {"--characters", fixture + "/characters.tsv", "--z81", fixture + "/z81.tsv", "--surnames",
       fixture + "/surnames.tsv", "--meanings", fixture + "/meanings.tsv"},
  };
  for (const auto& inputs : calls) {
    std::vector<std::string> arguments{QUILLAN_DBBUILD_PROGRAM, "--out", out.string()};
    arguments.insert(arguments.end(), inputs.begin(), inputs.end());
    const auto result = runProgram(arguments);
    EXPECT_NE(result.exitCode, 0) << result.out;
    EXPECT_TRUE(result.err.find("absent.tsv") != std::string::npos || result.err.find("--zsancai") != std::string::npos)
        << result.err;
    EXPECT_FALSE(std::filesystem::exists(out));
  }
}

TEST(DatabaseBuilder, FailsOnMalformedInputWithFileAndLine) {
  TempDir dir("dbbuild-bad");
  const std::string header =
      "id\tsimplified\ttraditional\tpinyin\tkangxi_strokes\tsimplified_strokes\tradical\telement\treadings\ttgh_"
      "level\telement_basis\n";
  struct Case {
    const char* name;
    std::string row;
  };
  for (const auto& c :
       {Case{"short row", "1\t华\t華\thuá\t14\n"},
        Case{"strokes not a number", "1\t华\t華\thuá\tx\t6\t24\t水\thuá\t1\tradical\n"},
        Case{"outside GBK", "1\t华\t華\thuá\t14\t6\t24\t水\t😀\t1\tradical\n"},
        Case{"repeated ID",
             "1\t华\t華\thuá\t14\t6\t24\t水\thuá\t1\tradical\n1\t李\t李\tlǐ\t7\t7\t75\t火\tlǐ\t1\tradical\n"}}) {
    const auto tsv = dir.path() / "characters.tsv";
    std::ofstream(tsv) << header << c.row;
    const auto out = dir.path() / "bad.sqlite";
    const std::string fixture = QUILLAN_FIXTURE_DIR;
    const auto result = runProgram({QUILLAN_DBBUILD_PROGRAM, "--out", out.string(), "--characters", tsv.string(),
                                    "--z81", fixture + "/z81.tsv", "--zsancai", fixture + "/zsancai.tsv", "--surnames",
                                    fixture + "/surnames.tsv", "--meanings", fixture + "/meanings.tsv"});
    EXPECT_NE(result.exitCode, 0) << c.name;
    EXPECT_NE(result.err.find("characters.tsv:"), std::string::npos) << c.name << ": " << result.err;
    EXPECT_FALSE(std::filesystem::exists(out)) << c.name;
  }
}

class CliOnFixtureServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ServiceConfig config;
    config.databasePath = QUILLAN_FIXTURE_DATABASE;
    config.keyText = kKeyText;
    server_ = std::make_unique<DataServiceServer>(config);
    server_->start();
  }
  testing::Finished charCommand(const std::string& character, const std::string& key = kKeyText) {
    return runProgram({QUILLAN_CLI_PROGRAM, "--service", server_->baseAddress(), "--key", key, "char", character});
  }
  testing::Finished scoreJson(const std::string& surname, const std::string& given) {
    return runProgram({QUILLAN_CLI_PROGRAM, "--service", server_->baseAddress(), "--key", kKeyText, "score", surname,
                       given, "--json"});
  }
  std::unique_ptr<DataServiceServer> server_;
};

TEST_F(CliOnFixtureServiceTest, CharPrintsTheRecordOrSaysWhyNot) {
  const auto found = charCommand("华");
  EXPECT_EQ(found.exitCode, 0) << found.err;
  EXPECT_EQ(found.out, "华,華,huá,14,水\n字义：繁盛而有光彩\n");

  const auto missing = charCommand("龙");
  EXPECT_EQ(missing.exitCode, 4);
  EXPECT_EQ(missing.out, "");
  EXPECT_NE(missing.err.find("龙 is not in the dictionary"), std::string::npos) << missing.err;

  for (const char* bad : {"ab", "华明", "😀", ""}) {
    EXPECT_EQ(charCommand(bad).exitCode, 2) << bad;
  }
  EXPECT_EQ(charCommand("华", "q,w,e").exitCode, 2);
}

// 华 is read huà as a surname and huá in the given name; the meaning travels with the character.
TEST_F(CliOnFixtureServiceTest, ScoreJsonReadsTheSurnamePositionAsASurname) {
  const auto result = scoreJson("华", "华");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const auto surname = result.out.find(R"("simplified":"华","traditional":"華","pinyin":"huà")");
  const auto given = result.out.find(R"("simplified":"华","traditional":"華","pinyin":"huá")");
  EXPECT_NE(surname, std::string::npos) << result.out;
  EXPECT_NE(given, std::string::npos) << result.out;
  EXPECT_LT(surname, given) << result.out;
  EXPECT_NE(result.out.find(R"("meaning":"繁盛而有光彩")"), std::string::npos) << result.out;
}

TEST(CharCommand, UnreachableServiceExitsThree) {
  const auto result =
      runProgram({QUILLAN_CLI_PROGRAM, "--service", "http://127.0.0.1:1/", "--key", kKeyText, "char", "华"});
  EXPECT_EQ(result.exitCode, 3);
  EXPECT_NE(result.err.find("cannot reach"), std::string::npos) << result.err;
  EXPECT_EQ(runProgram({QUILLAN_CLI_PROGRAM, "--service", "http://127.0.0.1:1/", "char", "华"}).exitCode, 2);
}

// Without --service the command runs the embedded service on the bundled database; whether the
// character is found depends on what the dictionary holds at build time.
TEST(CharCommand, UsesTheEmbeddedServiceByDefault) {
  const auto result = runProgram({QUILLAN_CLI_PROGRAM, "char", "华"});
  if (rowCount(QUILLAN_BUILT_DATABASE, "zzdcx WHERE zi = '华'") > 0) {
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(result.out.starts_with("华,")) << result.out;
  } else {
    EXPECT_EQ(result.exitCode, 4) << result.err;
    EXPECT_NE(result.err.find("embedded data service"), std::string::npos) << result.err;
  }
}

}  // namespace
}  // namespace quillan::service
