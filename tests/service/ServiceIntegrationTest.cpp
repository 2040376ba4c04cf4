#include <dirent.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "RawHttp.h"
#include "chars/CharRecord.h"
#include "common/RandomGenerator.h"
#include "common/Version.h"
#include "dataservice/Cloak.h"
#include "dataservice/DataServiceClient.h"
#include "dataservice/LookupQueries.h"
#include "service/DataServiceServer.h"
#include "service/EmbeddedDataService.h"
#include "sources/LookupColumns.h"

namespace quillan::service {
namespace {

using testing::RawConnection;

constexpr const char* kKeyText = "q,w,e,r,t,y,u,i,o,p,a";

std::string fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::size_t threadCount() {
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/task")) {
    ++count;
  }
  return count;
}

// The server on 127.0.0.1 with the fixture database (built from tests/data by the builder) and a
// content directory holding one page and, beside it, a file no request may reach.
class ServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = std::filesystem::temp_directory_path() / ("quillan-service-" + std::to_string(getpid()));
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_ / "content" / "mszs" / "mszs");
    std::ofstream(root_ / "content" / "mszs" / "mszs" / "bjx.htm") << "<p>bjx</p>";
    std::ofstream(root_ / "secret.txt") << "secret";
  }
  void TearDown() override {
    server_.reset();
    std::filesystem::remove_all(root_);
  }

  void startServer(ServiceLimits limits = {}) {
    ServiceConfig config;
    config.databasePath = QUILLAN_FIXTURE_DATABASE;
    config.keyText = kKeyText;
    config.contentDirectory = root_ / "content";
    config.limits = limits;
    server_ = std::make_unique<DataServiceServer>(config);
    server_->start();
  }

  dataservice::DataServiceClient client(int timeoutSeconds = 10) const {
    return dataservice::DataServiceClient(
        dataservice::initDataService(server_->baseAddress(), "Velmora.asp", kKeyText, {timeoutSeconds}),
        {timeoutSeconds});
  }

  std::string lookup(std::string_view character) {
    auto c = client();
    return chars::entryText(sources::recordFromLookup(c.runQuery(dataservice::characterLookupQuery(character))));
  }

  std::filesystem::path root_;
  std::unique_ptr<DataServiceServer> server_;
};

TEST_F(ServiceTest, AnswersTheThreeQueriesAndTheClock) {
  startServer();
  auto c = client();
  ASSERT_TRUE(c.endpoint().clockSynced);
  const auto now =
      std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count();
  EXPECT_LE(std::abs(c.endpoint().serviceClock.seconds() - now), 2);

  EXPECT_EQ(lookup("华"), "华,華,huá,14,水");
  EXPECT_EQ(lookup("发"), "发,髮,fà,15,水");  // of two rows, the highest ID first
  EXPECT_EQ(lookup("龙"), ",,,,");            // not in the fixture

  const auto character = c.runQuery(dataservice::characterLookupQuery("李"));
  EXPECT_EQ(dataservice::dataRowCount(character), 1);
  EXPECT_EQ(character.cols(), 14);  // nine columns callers rely on, then the extra ones
  EXPECT_EQ(dataservice::cellText(character, 2, 0), "zi");
  EXPECT_EQ(dataservice::cellText(character, 8, 1), "lǐ");
  EXPECT_EQ(dataservice::cellText(character, 10, 1), "radical");  // element basis
  EXPECT_EQ(dataservice::cellText(character, 12, 1), "lǐ");       // surname reading
  const auto hua = c.runQuery(dataservice::characterLookupQuery("华"));
  EXPECT_EQ(dataservice::cellText(hua, 12, 1), "huà");
  EXPECT_EQ(dataservice::cellText(hua, 14, 1), "繁盛而有光彩");

  const auto one = c.runQuery(dataservice::numberTextsQuery("1"));
  EXPECT_EQ(dataservice::cellText(one, 2, 1), "一的题");  // the exact number, not 11 or 21
  EXPECT_EQ(dataservice::cellText(one, 3, 1), "大吉");
  EXPECT_EQ(dataservice::cellText(one, 4, 1), "一的提示");
  EXPECT_EQ(dataservice::cellText(one, 5, 1), "一的详解");
  EXPECT_EQ(dataservice::cellText(c.runQuery(dataservice::numberTextsQuery("11")), 5, 1), "十一的详解<BR>第二行");
  // Without an exact row, "like '%2%'" finds the first containing number in table order.
  EXPECT_EQ(dataservice::cellText(c.runQuery(dataservice::numberTextsQuery("2")), 2, 1), "十二的题");
  EXPECT_EQ(c.runQuery(dataservice::numberTextsQuery("3")).rows(), 0);

  const auto talents = c.runQuery(dataservice::threeTalentsQuery("木火土"));
  ASSERT_EQ(talents.cols(), 11);
  EXPECT_EQ(dataservice::cellText(talents, 2, 1), "木火土");
  EXPECT_EQ(dataservice::cellText(talents, 4, 1), "木火土的详解");
  EXPECT_EQ(dataservice::cellText(talents, 11, 1), "性格文");
  EXPECT_EQ(c.runQuery(dataservice::threeTalentsQuery("水水水")).rows(), 0);
}

TEST_F(ServiceTest, ServesContentPages) {
  startServer();
  const auto page = testing::exchangeRaw(
      server_->port(), "GET /tovka/mszs/mszs/bjx.htm HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
  EXPECT_EQ(testing::statusOf(page), 200);
  EXPECT_EQ(testing::bodyOf(page), "<p>bjx</p>");
}

TEST_F(ServiceTest, HealthNamesTheVersionAndTheRowsOfEachTable) {
  startServer();
  const auto reply =
      testing::exchangeRaw(server_->port(), "GET /health HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
  EXPECT_EQ(testing::statusOf(reply), 200);
  EXPECT_NE(reply.find("Content-Type: application/json"), std::string::npos);
  // The fixture's tables: seven characters, four numbers, two combinations.
  EXPECT_EQ(testing::bodyOf(reply), "{\"status\":\"ok\",\"version\":\"" + std::string(common::programVersion()) +
                                        "\",\"rows\":{\"zzdcx\":7,\"z81\":4,\"zsancai\":2}}");
}

TEST_F(ServiceTest, HealthLivesUnderTheBasePath) {
  ServiceConfig config;
  config.databasePath = QUILLAN_FIXTURE_DATABASE;
  config.keyText = kKeyText;
  config.contentDirectory = root_ / "content";
  config.basePath = "/names/";
  server_ = std::make_unique<DataServiceServer>(config);
  server_->start();
  const auto get = [this](std::string_view path) {
    return testing::statusOf(testing::exchangeRaw(
        server_->port(), "GET " + std::string(path) + " HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n"));
  };
  EXPECT_EQ(get("/names/health"), 200);
  EXPECT_EQ(get("/health"), 404);
}

TEST_F(ServiceTest, SilentServiceGivesAnEmptyTableAndTheNextQueryWorks) {
  startServer();
  auto good = client();
  // An endpoint whose service accepts the connection and never answers.
  const int silentListener = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(silentListener, reinterpret_cast<sockaddr*>(&address), sizeof address);
  listen(silentListener, 4);
  socklen_t length = sizeof address;
  getsockname(silentListener, reinterpret_cast<sockaddr*>(&address), &length);
  auto silentEndpoint = good.endpoint();
  silentEndpoint.baseAddress = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/";
  dataservice::DataServiceClient silent(silentEndpoint, {1});

  const auto nothing = silent.runQueryDetailed(dataservice::characterLookupQuery("华"));
  EXPECT_FALSE(nothing.answered);
  EXPECT_EQ(nothing.table.rows(), 0);
  EXPECT_EQ(chars::entryText(sources::recordFromLookup(good.runQuery(dataservice::characterLookupQuery("华")))),
            "华,華,huá,14,水");
  close(silentListener);
}

struct BadRequest {
  std::string name;
  std::string request;  // raw HTTP
};

std::string postForm(std::string_view body, std::string_view contentType = "application/x-www-form-urlencoded") {
  return "POST /Velmora.asp HTTP/1.1\r\nHost: x\r\nContent-Type: " + std::string(contentType) +
         "\r\nContent-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + std::string(body);
}

std::string cloakedPost(std::string_view statement, std::string_view keyText = kKeyText, bool clock = false) {
  static common::RandomGenerator random(77);
  const auto post = dataservice::cloakText(statement, dataservice::splitKeyText(keyText),
                                           clock ? std::optional<std::int64_t>(1733800000) : std::nullopt, random);
  return postForm("C=2&post=" + post);
}

std::string get(std::string_view target, std::string_view extraHeaders = "") {
  return "GET " + std::string(target) + " HTTP/1.1\r\nHost: x\r\n" + std::string(extraHeaders) +
         "Connection: close\r\n\r\n";
}

std::vector<BadRequest> badRequests() {
  using dataservice::characterLookupQuery;
  using dataservice::numberTextsQuery;
  using dataservice::threeTalentsQuery;
  common::RandomGenerator random(5);
  const auto good =
      dataservice::cloakText(characterLookupQuery("华"), dataservice::splitKeyText(kKeyText), std::nullopt, random);
  std::string junk;
  for (int i = 0; i < 3000; ++i) {
    junk.push_back(static_cast<char>(random.draw() & 0xFF));
  }
  std::string manyHeaders;
  for (int i = 0; i < 20; ++i) {
    manyHeaders += "X-Filler-" + std::to_string(i) + ": " + std::string(1000, 'x') + "\r\n";
  }
  return {
      {"or 1=1", cloakedPost(characterLookupQuery("华' or 1=1 --"))},
      {"drop table", cloakedPost(characterLookupQuery("华'; drop table zzdcx; --"))},
      {"bare drop table", cloakedPost("; drop table zzdcx")},
      {"union after the form", cloakedPost(characterLookupQuery("华") + " union select * from z81 --")},
      {"union inside the value",
       cloakedPost(characterLookupQuery("华%' union select name,sql,1,1,1,1,1,1,1 from sqlite_master --"))},
      {"stacked query", cloakedPost(numberTextsQuery("1'; delete from z81; --"))},
      {"always true", cloakedPost(numberTextsQuery("1' or '1'='1"))},
      {"quote in three talents", cloakedPost(threeTalentsQuery("木火土' or title like '"))},
      {"lone quote", cloakedPost(characterLookupQuery("'"))},
      {"quote after the character", cloakedPost(characterLookupQuery("华'"))},
      {"wildcard", cloakedPost(characterLookupQuery("%"))},
      {"select everything", cloakedPost("select * from zzdcx")},
      {"unknown table", cloakedPost("select top 1  *  from users where `zi` like '%华%' order by ID desc")},
      {"schema table", cloakedPost("select top 1  *  from sqlite_master where `name` like '%z%' ")},
      {"pragma", cloakedPost("pragma writable_schema=1")},
      {"attach", cloakedPost("attach database '/tmp/quillan-attack.sqlite' as x")},
      {"number out of range", cloakedPost(numberTextsQuery("99"), kKeyText, true)},
      {"negative number", cloakedPost(numberTextsQuery("-1"))},
      {"wrong key", cloakedPost(characterLookupQuery("华"), "a,s,d,f,g,h,j,k,l,z,x")},
      {"empty query of a short key", postForm("C=2&post=")},
      {"odd-length hex", postForm("C=2&post=" + good.substr(0, good.size() - 1))},
      {"non-hex text", postForm("C=2&post=" + good.substr(0, 16) + "XYZ!" + good.substr(20))},
      {"missing permutation", postForm("C=2&post=" + good.substr(16))},
      {"repeated permutation digit", postForm("C=2&post=AACDEF0123456789" + good.substr(16))},
      {"no post field", postForm("C=2")},
      {"wrong command", postForm("C=1&post=" + good)},
      {"no command", postForm("post=" + good)},
      {"binary junk body", postForm(junk, "application/octet-stream")},
      {"multipart form", postForm("--b\r\nContent-Disposition: form-data; name=\"C\"\r\n\r\n2\r\n--b--\r\n",
                                  "multipart/form-data; boundary=b")},
      {"multipart without boundary", postForm("C=2&post=" + good, "multipart/form-data")},
      {"oversize body", postForm(std::string(70 * 1024, 'A'), "application/octet-stream")},
      {"oversize form body", postForm("C=2&post=" + std::string(9000, 'A'))},
      {"lying content length", "POST /Velmora.asp HTTP/1.1\r\nHost: x\r\nContent-Length: 5000\r\n\r\nC=2&post=AB"},
      {"negative content length", "POST /Velmora.asp HTTP/1.1\r\nHost: x\r\nContent-Length: -5\r\n\r\n"},
      {"binary junk request", junk + "\r\n\r\n"},
      {"clock without C=3", get("/Velmora.asp")},
      {"unknown method", "PUT /Velmora.asp HTTP/1.1\r\nHost: x\r\nContent-Length: 0\r\nConnection: close\r\n\r\n"},
      {"unknown path", get("/admin.asp")},
      {"path escape", get("/tovka/../secret.txt")},
      {"deep path escape", get("/tovka/mszs/../../secret.txt")},
      {"encoded path escape", get("/tovka/%2e%2e/secret.txt")},
      {"encoded slash escape", get("/tovka/..%2fsecret.txt")},
      {"absolute path", get("/tovka//etc/passwd")},
      {"encoded absolute path", get("/tovka/%2fetc%2fpasswd")},
      {"too many header bytes", get("/Velmora.asp?C=3", manyHeaders)},
      {"overlong header line", get("/Velmora.asp?C=3", "X-Long: " + std::string(10000, 'x') + "\r\n")},
      {"overlong address", get("/tovka/" + std::string(9000, 'a'))},
  };
}

TEST_F(ServiceTest, BadRequestsAnswerMinusOneOrAClientErrorAndChangeNothing) {
  ServiceLimits limits;
  limits.readTimeout = std::chrono::milliseconds(500);
  limits.keepAliveTimeout = std::chrono::seconds(1);  // requests without "Connection: close" linger this long
  startServer(limits);
  const auto databaseBefore = fileBytes(QUILLAN_FIXTURE_DATABASE);
  const auto cases = badRequests();
  ASSERT_GE(cases.size(), 30U);
  for (const auto& c : cases) {
    const auto response = testing::exchangeRaw(server_->port(), c.request);
    const int status = testing::statusOf(response);
    if (status == 200) {
      const auto body = testing::bodyOf(response);
      const bool minusOne =
          dataservice::uncloakText(body, false) == "-1" || dataservice::uncloakText(body, true) == "-1";
      EXPECT_TRUE(minusOne) << c.name << ": " << dataservice::uncloakText(body, false);
    } else {
      EXPECT_TRUE(status >= 400 && status < 500) << c.name << ": status " << status;
    }
    EXPECT_EQ(lookup("华"), "华,華,huá,14,水") << "after " << c.name;
  }
  EXPECT_EQ(fileBytes(QUILLAN_FIXTURE_DATABASE), databaseBefore);
  EXPECT_FALSE(std::filesystem::exists("/tmp/quillan-attack.sqlite"));
}

TEST_F(ServiceTest, LimitsAnswerTheirStatusCodes) {
  startServer();
  const auto body = testing::exchangeRaw(server_->port(), postForm(std::string(65 * 1024, 'A'), "text/plain"));
  EXPECT_EQ(testing::statusOf(body), 413);
  std::string headers;
  for (int i = 0; i < 12; ++i) {
    headers += "X-Filler-" + std::to_string(i) + ": " + std::string(700, 'x') + "\r\n";
  }
  EXPECT_EQ(testing::statusOf(testing::exchangeRaw(server_->port(), get("/Velmora.asp?C=3", headers))), 431);
  EXPECT_EQ(testing::statusOf(testing::exchangeRaw(server_->port(), get("/Velmora.asp?C=3"))), 200);
}

TEST_F(ServiceTest, ReadTimeOutClosesAStalledRequest) {
  ServiceLimits limits;
  limits.readTimeout = std::chrono::milliseconds(300);
  limits.keepAliveTimeout = std::chrono::seconds(1);
  startServer(limits);
  RawConnection stalled(server_->port());
  stalled.send("GET /Velmora.asp?C=3 HTTP/1.1\r\nHost: x\r\n");  // the request never ends
  bool closedByServer = false;
  stalled.receiveAll(&closedByServer);
  EXPECT_TRUE(closedByServer);
}

TEST_F(ServiceTest, WriteTimeOutDropsAReaderThatStopsReading) {
  ServiceLimits limits;
  limits.writeTimeout = std::chrono::milliseconds(300);
  startServer(limits);
  constexpr std::size_t kPageBytes = 8U * 1024U * 1024U;
  std::ofstream(root_ / "content" / "big.htm") << std::string(kPageBytes, 'x');
  RawConnection reader(server_->port(), 4096);
  reader.send(get("/tovka/big.htm"));
  std::this_thread::sleep_for(std::chrono::seconds(3));  // much longer than the write time-out
  bool closedByServer = false;
  const auto received = reader.receiveAll(&closedByServer);
  EXPECT_TRUE(closedByServer);
  EXPECT_LT(received.size(), kPageBytes);
  EXPECT_EQ(lookup("华"), "华,華,huá,14,水");
}

TEST_F(ServiceTest, ConnectionLimitBoundsWorkersAndIdleConnectionsGiveWay) {
  ServiceLimits limits;
  limits.maxConnections = 2;
  limits.readTimeout = std::chrono::milliseconds(300);
  limits.keepAliveTimeout = std::chrono::seconds(1);
  startServer(limits);
  const auto threadsBefore = threadCount();
  std::vector<std::unique_ptr<RawConnection>> idle;
  for (int i = 0; i < 6; ++i) {
    idle.push_back(std::make_unique<RawConnection>(server_->port()));
    idle.back()->send("GET /Velmora.asp?C=3 HTTP/1.1\r\n");  // and never more
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_LE(threadCount(), threadsBefore + 2);
  // Every idle connection is closed in turn by the time-outs, and a real client gets served.
  auto patient = client(60);
  EXPECT_EQ(chars::entryText(sources::recordFromLookup(patient.runQuery(dataservice::characterLookupQuery("华")))),
            "华,華,huá,14,水");
  for (auto& connection : idle) {
    bool closedByServer = false;
    connection->receiveAll(&closedByServer);
    EXPECT_TRUE(closedByServer);
  }
}

TEST_F(ServiceTest, StopEndsServingWithAConnectionOpen) {
  startServer();
  RawConnection open(server_->port());
  open.send(get("/Velmora.asp?C=3").substr(0, 20));
  const int port = server_->port();
  server_->stop();
  server_.reset();
  RawConnection refused(port);
  EXPECT_FALSE(refused.connected());
}

TEST(EmbeddedDataService, ServesTheGivenDatabaseWithADrawnKey) {
  EmbeddedOptions options;
  options.databasePath = QUILLAN_FIXTURE_DATABASE;
  options.generatedPages["made/page.htm"] = [](std::string_view) {
    return std::optional(content::ServedPage{"generated", "text/html"});
  };
  EmbeddedDataService embedded(options);
  EXPECT_TRUE(dataservice::isValidKey(dataservice::splitKeyText(embedded.keyText())));
  EXPECT_TRUE(embedded.baseAddress().starts_with("http://127.0.0.1:"));
  dataservice::DataServiceClient client(embedded.connect());
  ASSERT_TRUE(client.connected());
  EXPECT_EQ(chars::entryText(sources::recordFromLookup(client.runQuery(dataservice::characterLookupQuery("儿")))),
            "儿,兒,ér,8,金");
  const auto port = std::stoi(embedded.baseAddress().substr(std::string("http://127.0.0.1:").size()));
  EXPECT_EQ(testing::bodyOf(testing::exchangeRaw(port, get("/tovka/made/page.htm"))), "generated");
}

TEST(EmbeddedDataService, SaysWhyItCannotStart) {
  EmbeddedOptions options;
  options.databasePath = "/nonexistent/quillan.sqlite";
  try {
    EmbeddedDataService embedded(options);
    FAIL() << "started without a database";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find("/nonexistent/quillan.sqlite"), std::string::npos) << error.what();
  }
}

}  // namespace
}  // namespace quillan::service
