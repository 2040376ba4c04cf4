#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "common/RandomGenerator.h"
#include "dataservice/Cloak.h"
#include "dataservice/LookupQueries.h"
#include "service/ContentPages.h"
#include "service/QueryWhitelist.h"
#include "service/ReplyEncoder.h"
#include "service/RequestDecoder.h"
#include "service/ServiceConfig.h"

namespace quillan::service {
namespace {

const auto kKey = dataservice::splitKeyText("q,w,e,r,t,y,u,i,o,p,a");

TEST(RequestDecoder, ReversesTheClientsLayers) {
  common::RandomGenerator random(1);
  for (const std::string& text : {dataservice::characterLookupQuery("华"), std::string("any text\n\t%:0"),
                                  dataservice::threeTalentsQuery("木火土")}) {
    const auto plain = decodeRequest(dataservice::cloakText(text, kKey, std::nullopt, random), kKey);
    ASSERT_TRUE(plain) << text;
    EXPECT_EQ(plain->statement, text);
    EXPECT_FALSE(plain->carriedClock);
    const auto clocked = decodeRequest(dataservice::cloakText(text, kKey, 1733800000, random), kKey);
    ASSERT_TRUE(clocked) << text;
    EXPECT_EQ(clocked->statement, text);
    EXPECT_TRUE(clocked->carriedClock);
  }
}

TEST(RequestDecoder, RefusesWhatDoesNotReverseCleanly) {
  common::RandomGenerator random(2);
  const auto good = dataservice::cloakText("select 1", kKey, std::nullopt, random);
  const auto otherKey = dataservice::splitKeyText("a,s,d,f,g,h,j,k,l,z,x");
  EXPECT_FALSE(decodeRequest(good, otherKey));
  EXPECT_FALSE(decodeRequest(good, dataservice::splitKeyText("q,w,e")));
  EXPECT_FALSE(decodeRequest(good.substr(0, good.size() - 1), kKey));  // odd hex
  EXPECT_FALSE(decodeRequest(good.substr(16), kKey));                  // no permutation
  EXPECT_FALSE(decodeRequest("AACDEF0123456789" + good.substr(16), kKey));
  EXPECT_FALSE(decodeRequest(good.substr(0, 16), kKey));
  EXPECT_FALSE(decodeRequest("", kKey));
  EXPECT_FALSE(decodeRequest(good + "z", kKey));
}

TEST(QueryWhitelist, AcceptsExactlyTheThreeFormsWithACheckedValue) {
  struct Case {
    std::string statement;
    std::optional<AllowedQuery> expected;
  };
  const std::vector<Case> cases{
      {dataservice::characterLookupQuery("华"), AllowedQuery{QueryKind::CharacterLookup, "华"}},
      {"select top 1  *  from zzdcx where zi like '%华%' order by ID desc",
       AllowedQuery{QueryKind::CharacterLookup, "华"}},
      {dataservice::numberTextsQuery("1"), AllowedQuery{QueryKind::NumberTexts, "1"}},
      {dataservice::numberTextsQuery("81"), AllowedQuery{QueryKind::NumberTexts, "81"}},
      {dataservice::threeTalentsQuery("木火土"), AllowedQuery{QueryKind::ThreeTalentsTexts, "木火土"}},
      {dataservice::characterLookupQuery("华明"), std::nullopt},
      {dataservice::characterLookupQuery("a"), std::nullopt},
      {dataservice::characterLookupQuery(""), std::nullopt},
      {dataservice::characterLookupQuery("%"), std::nullopt},
      {dataservice::characterLookupQuery("华' or 1=1 --"), std::nullopt},
      {dataservice::numberTextsQuery("0"), std::nullopt},
      {dataservice::numberTextsQuery("82"), std::nullopt},
      {dataservice::numberTextsQuery("08"), std::nullopt},
      {dataservice::numberTextsQuery("1 "), std::nullopt},
      {dataservice::threeTalentsQuery("木火"), std::nullopt},
      {dataservice::threeTalentsQuery("木火土金"), std::nullopt},
      {dataservice::threeTalentsQuery("木火山"), std::nullopt},
      {"select top 1 * from zzdcx where `zi` like '%华%' order by ID desc", std::nullopt},  // single blanks
      {"SELECT TOP 1  *  FROM zzdcx WHERE `zi` LIKE '%华%' ORDER BY ID DESC", std::nullopt},
      {"select top 1  *  from z81 where `num` like '%8%'", std::nullopt},  // no trailing blank
      {"select * from sqlite_master", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(recognizeQuery(c.statement), c.expected) << c.statement;
  }
}

TEST(ReplyEncoder, WritesHeaderAndRowsOrMinusOne) {
  StoreAnswer answer;
  EXPECT_EQ(replyText(answer), "-1");
  answer.columns = {"ID", "zi"};
  answer.rows = {{"3", "华"}};
  EXPECT_EQ(replyText(answer), "ID[xW|Col]zi[xW|Row]3[xW|Col]华");
}

TEST(ReplyEncoder, CloakedRepliesDecodeWithAFreshPermutationEachTime) {
  common::RandomGenerator random(4);
  const auto first = cloakReply("华[xW|Row]x", std::nullopt, random);
  const auto second = cloakReply("华[xW|Row]x", std::nullopt, random);
  EXPECT_NE(first.substr(0, 16), second.substr(0, 16));
  EXPECT_EQ(dataservice::uncloakText(first, false), "华[xW|Row]x");
  const auto trailed = cloakReply("华[xW|Row]x", clockTrailer(1733800000), random);
  EXPECT_EQ(dataservice::uncloakText(trailed, false), "华[xW|Row]x1733800000");
  EXPECT_EQ(dataservice::uncloakText(trailed, true), "华[xW|Row]x");
  EXPECT_EQ(dataservice::uncloakText(cloakReply("😀", std::nullopt, random), false), "-1");  // never a '?'
  EXPECT_EQ(clockTrailer(42), "0000000042");
}

class ContentPagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = std::filesystem::temp_directory_path() / ("quillan-pages-" + std::to_string(getpid()));
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_ / "content" / "mszs" / "mszs");
    std::ofstream(root_ / "content" / "mszs" / "mszs" / "bjx.htm") << "<p>bjx</p>";
    std::ofstream(root_ / "secret.txt") << "secret";
    std::filesystem::create_symlink(root_ / "secret.txt", root_ / "content" / "link.txt");
  }
  void TearDown() override { std::filesystem::remove_all(root_); }
  std::filesystem::path root_;
};

TEST_F(ContentPagesTest, ServesFilesAndGeneratedPagesButNeverLeavesTheDirectory) {
  ContentPages pages(root_ / "content");
  pages.addGenerator("yezs/list.htm", [](std::string_view path) {
    return std::optional(content::ServedPage{"made for " + std::string(path), "text/html"});
  });
  const auto file = pages.find("mszs/mszs/bjx.htm");
  ASSERT_TRUE(file);
  EXPECT_EQ(file->body, "<p>bjx</p>");
  EXPECT_EQ(file->contentType, "text/html");
  EXPECT_EQ(pages.find("yezs/list.htm")->body, "made for yezs/list.htm");
  for (const char* escape : {"../secret.txt", "mszs/../../secret.txt", "/etc/passwd", "link.txt", "mszs",
                             "mszs//mszs/bjx.htm", "./mszs/mszs/bjx.htm", "mszs\\mszs\\bjx.htm", "missing.htm", ""}) {
    EXPECT_FALSE(pages.find(escape)) << escape;
  }
}

TEST(ServiceConfig, SaysWhatIsWrong) {
  ServiceConfig config;
  config.databasePath = "/tmp/x.sqlite";
  config.keyText = "q,w,e,r,t,y,u,i,o,p,a";
  EXPECT_EQ(configProblem(config), "");
  auto without = config;
  without.keyText = "";
  EXPECT_NE(configProblem(without).find("no key"), std::string::npos);
  for (const char* base : {"", "svc/", "/svc", "/a b/", "//", "/../"}) {
    auto bad = config;
    bad.basePath = base;
    EXPECT_NE(configProblem(bad), "") << base;
  }
  EXPECT_EQ(parseListenAddress("127.0.0.1:0"), (std::pair<std::string, int>{"127.0.0.1", 0}));
  EXPECT_EQ(parseListenAddress("[::1]:8080"), (std::pair<std::string, int>{"::1", 8080}));
  EXPECT_EQ(parseListenAddress(":80"), (std::pair<std::string, int>{"0.0.0.0", 80}));
  EXPECT_FALSE(parseListenAddress("localhost"));
  EXPECT_FALSE(parseListenAddress("host:70000"));
  EXPECT_FALSE(parseListenAddress("host:"));
}

}  // namespace
}  // namespace quillan::service
