#include <gtest/gtest.h>

#include <set>

#include "common/RandomGenerator.h"
#include "dataservice/HttpAddress.h"
#include "dataservice/LookupQueries.h"
#include "dataservice/ServiceClock.h"
#include "dataservice/SubstitutionKey.h"

namespace quillan::dataservice {
namespace {

TEST(SubstitutionKey, ChecksElevenDistinctLowercaseLetters) {
  struct Case {
    const char* text;
    bool valid;
  };
  for (const auto& c : {Case{"q,w,e,r,t,y,u,i,o,p,a", true}, Case{"q,w,e,r,t,y,u,i,o,p", false},
                        Case{"q,w,e,r,t,y,u,i,o,p,a,s", false}, Case{"q,w,e,r,t,y,u,i,o,p,q", false},
                        Case{"Q,w,e,r,t,y,u,i,o,p,a", false}, Case{"q,w,e,r,t,y,u,i,o,p,1", false},
                        Case{"qq,w,e,r,t,y,u,i,o,p,a", false}, Case{"q,w,e,r,t,y,u,i,o,p,", false}, Case{"", false}}) {
    const auto key = splitKeyText(c.text);
    EXPECT_EQ(isValidKey(key), c.valid) << c.text;
    EXPECT_EQ(keyProblem(key).empty(), c.valid) << c.text;
  }
  EXPECT_EQ(splitKeyText("a,b").size(), 2U);
}

TEST(SubstitutionKey, DrawnKeysAreValidAndVary) {
  common::RandomGenerator random(99);
  std::set<std::string> seen;
  for (int i = 0; i < 20; ++i) {
    const auto key = drawKey(random);
    EXPECT_TRUE(isValidKey(key)) << keyText(key);
    seen.insert(keyText(key));
  }
  EXPECT_GT(seen.size(), 15U);
}

TEST(ServiceClock, AdvancesOncePerWholeSecond) {
  const auto start = std::chrono::steady_clock::time_point{} + std::chrono::hours(5);
  const ServiceClock clock(1733800000, start);
  EXPECT_EQ(clock.seconds(start), 1733800000);
  EXPECT_EQ(clock.seconds(start + std::chrono::milliseconds(999)), 1733800000);
  EXPECT_EQ(clock.seconds(start + std::chrono::milliseconds(1000)), 1733800001);
  EXPECT_EQ(clock.seconds(start + std::chrono::seconds(61)), 1733800061);
  EXPECT_EQ(ServiceClock().seconds(start), 0);  // not fetched
}

TEST(HttpAddress, SplitsHostPortAndPath) {
  struct Case {
    const char* address;
    bool valid;
    const char* host;
    int port;
    const char* path;
  };
  for (const auto& c :
       {Case{"http://example.org/svc/Velmora.asp", true, "example.org", 80, "/svc/Velmora.asp"},
        Case{"http://127.0.0.1:8080/Velmora.asp?C=3", true, "127.0.0.1", 8080, "/Velmora.asp?C=3"},
        Case{"HTTP://host", true, "host", 80, "/"}, Case{"http://host:65535/", true, "host", 65535, "/"},
        Case{"", false, "", 0, ""}, Case{"Velmora.asp", false, "", 0, ""}, Case{"https://host/", false, "", 0, ""},
        Case{"http:///path", false, "", 0, ""}, Case{"http://host:0/", false, "", 0, ""},
        Case{"http://host:99999/", false, "", 0, ""}, Case{"http://host:8o/", false, "", 0, ""}}) {
    const auto parsed = parseHttpAddress(c.address);
    ASSERT_EQ(parsed.has_value(), c.valid) << c.address;
    if (parsed) {
      EXPECT_EQ(parsed->host, c.host);
      EXPECT_EQ(parsed->port, c.port);
      EXPECT_EQ(parsed->path, c.path);
    }
  }
}

TEST(LookupQueries, AreTheProtocolsTextsExactly) {
  EXPECT_EQ(characterLookupQuery("华"), "select top 1  *  from zzdcx where `zi` like '%华%' order by ID desc");
  EXPECT_EQ(numberTextsQuery("21"), "select top 1  *  from z81 where `num` like '%21%' ");
  EXPECT_EQ(threeTalentsQuery("木火土"), "select top 1  *  from zsancai where `title` like '%木火土%' ");
}

}  // namespace
}  // namespace quillan::dataservice
