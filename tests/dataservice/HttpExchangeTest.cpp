#include "dataservice/HttpExchange.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <future>
#include <thread>

#include "common/GbkCodec.h"
#include "dataservice/CloakStages.h"
#include "dataservice/DataServiceClient.h"
#include "dataservice/ServiceEndpoint.h"

namespace quillan::dataservice {
namespace {

// An httplib server on 127.0.0.1 and a free port, for the duration of one test.
class LocalServer {
 public:
  LocalServer() {
    server.set_tcp_nodelay(true);
    port_ = server.bind_to_any_port("127.0.0.1");
  }
  ~LocalServer() {
    server.stop();
    if (thread_.joinable()) {
      thread_.join();
    }
  }
  void start() {
    thread_ = std::thread([this] { server.listen_after_bind(); });
    while (!server.is_running()) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }
  std::string address(std::string_view path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
  }

  httplib::Server server;

 private:
  int port_ = -1;
  std::thread thread_;
};

// Accepts one connection and never answers, or (hanging up) closes it as soon as the request is in;
// reports whether the client closed it.
class SilentServer {
 public:
  explicit SilentServer(bool hangUp = false) {
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(listener_, 4);
    socklen_t length = sizeof address;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    clientClosed_ = std::async(std::launch::async, [this, hangUp] {
      const int connection = accept(listener_, nullptr, nullptr);
      timeval limit{30, 0};  // a safety net only: the client is expected to close long before
      setsockopt(connection, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
      char buffer[4096];
      ssize_t got = 0;
      while ((got = recv(connection, buffer, sizeof buffer, 0)) > 0) {
        if (hangUp) {
          linger abrupt{1, 0};  // a reset, not an orderly close
          setsockopt(connection, SOL_SOCKET, SO_LINGER, &abrupt, sizeof abrupt);
          break;
        }
      }
      close(connection);
      return got == 0;
    });
  }
  ~SilentServer() { close(listener_); }
  std::string address() const { return "http://127.0.0.1:" + std::to_string(port_) + "/Velmora.asp"; }
  bool clientClosed() { return clientClosed_.get(); }

 private:
  int listener_ = -1;
  int port_ = 0;
  std::future<bool> clientClosed_;
};

TEST(HttpExchange, PostSendsTheHeaderLinesBodyAndCookies) {
  LocalServer local;
  httplib::Request seen;
  local.server.Post("/Velmora.asp", [&seen](const httplib::Request& request, httplib::Response& response) {
    seen = request;
    response.set_header("Set-Cookie", "s=abc; path=/");
    response.set_content("answer", "text/plain");
  });
  local.start();

  HttpExchangeRequest request;
  request.address = local.address("/Velmora.asp");
  request.method = "post";
  request.body = "C=2&post=ABC";
  request.cookieText = "a=1";
  const auto result = httpExchange(request);

  ASSERT_TRUE(result.completed);
  EXPECT_EQ(result.body, "answer");
  EXPECT_EQ(result.cookies, "s=abc; ");
  EXPECT_TRUE(result.headers.starts_with("HTTP/1.1 200 OK\r\n")) << result.headers;
  EXPECT_EQ(seen.body, "C=2&post=ABC");
  EXPECT_TRUE(seen.get_header_value("Accept").starts_with("image/gif, image/x-xbitmap"))
      << seen.get_header_value("Accept");
  EXPECT_EQ(seen.get_header_value("Referer"), request.address);
  EXPECT_EQ(seen.get_header_value("Accept-Language"), "zh-cn");
  EXPECT_EQ(seen.get_header_value("User-Agent"), "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)");
  EXPECT_EQ(seen.get_header_value("Content-Type"), "application/x-www-form-urlencoded");
  EXPECT_EQ(seen.get_header_value("Content-Length"), "12");
  EXPECT_EQ(seen.get_header_value("Cookie"), "a=1");
}

TEST(HttpExchange, CallerHeadersWinAndGetSendsNoBody) {
  LocalServer local;
  httplib::Request seen;
  local.server.Get("/page", [&seen](const httplib::Request& request, httplib::Response& response) {
    seen = request;
    response.set_content("ok", "text/plain");
  });
  local.start();

  HttpExchangeRequest request;
  request.address = local.address("/page");
  request.body = "ignored";
  request.headerText = "accept: text/plain\r\nX-Probe: 1\r\n";
  const auto result = httpExchange(request);

  ASSERT_TRUE(result.completed);
  EXPECT_EQ(seen.get_header_value_count("Accept"), 1U);
  EXPECT_EQ(seen.get_header_value("Accept"), "text/plain");
  EXPECT_EQ(seen.get_header_value("X-Probe"), "1");
  EXPECT_EQ(seen.body, "");
  EXPECT_FALSE(seen.has_header("Cookie"));
}

TEST(HttpExchange, FailuresGiveNoBytesAndSayWhatWentWrong) {
  LocalServer local;
  local.server.Get("/missing", [](const httplib::Request&, httplib::Response& response) {
    response.status = 404;
    response.set_content("not here", "text/plain");
  });
  local.start();
  SilentServer hangingUp(true);
  const std::pair<std::string, ExchangeFailure> cases[] = {
      {local.address("/missing"), ExchangeFailure::HttpStatus},
      {"http://127.0.0.1:1/", ExchangeFailure::Refused},
      {hangingUp.address(), ExchangeFailure::Reset},
      {"", ExchangeFailure::BadAddress},
      {"ftp://127.0.0.1/", ExchangeFailure::BadAddress},
  };
  for (const auto& [address, failure] : cases) {
    HttpExchangeRequest request;
    request.address = address;
    const auto result = httpExchange(request, {.timeoutSeconds = 5});
    EXPECT_FALSE(result.completed) << address;
    EXPECT_EQ(result.failure, failure) << address;
    EXPECT_EQ(result.body, "") << address;
  }
  EXPECT_EQ(failureText(ExchangeFailure::Refused), "连接被拒绝");
}

TEST(HttpExchange, TheSocketTimeOutEndsAnExchangeNobodyAnswers) {
  SilentServer silent;
  HttpExchangeRequest request;
  request.address = silent.address();
  request.method = "POST";
  request.body = "C=2&post=ABC";
  const auto started = std::chrono::steady_clock::now();
  const auto result = httpExchange(request, {.timeoutSeconds = 1});
  EXPECT_FALSE(result.completed);
  EXPECT_EQ(result.failure, ExchangeFailure::TimedOut);
  EXPECT_EQ(result.body, "");
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));  // bounded, not forever
  EXPECT_TRUE(silent.clientClosed());
}

TEST(HttpExchange, LateAnswerIsDiscarded) {
  LocalServer local;
  std::atomic<bool> answered{false};
  local.server.Get("/slow", [&answered](const httplib::Request&, httplib::Response& response) {
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    response.set_content("late", "text/plain");
    answered = true;
  });
  local.start();
  HttpExchangeRequest request;
  request.address = local.address("/slow");
  const auto result = httpExchange(request, {.timeoutSeconds = 1});
  EXPECT_FALSE(answered.load());  // the wait ended before the answer was written
  EXPECT_EQ(result.failure, ExchangeFailure::TimedOut);
  EXPECT_FALSE(result.completed);
  EXPECT_EQ(result.body, "");
}

// A stand-in for the data service: a fixed clock answer and a fixed reply text for every query,
// cloaked with a fixed permutation and followed by a 10-character trailer.
class FakeService {
 public:
  explicit FakeService(std::string clockAnswer) {
    local.server.Get("/svc/Velmora.asp", [clockAnswer](const httplib::Request& request, httplib::Response& response) {
      response.set_content(request.get_param_value("C") == "3" ? clockAnswer : "", "text/plain");
    });
    local.server.Post("/svc/Velmora.asp", [this](const httplib::Request& request, httplib::Response& response) {
      lastBody = request.body;
      const std::string permutation = "FEDCBA9876543210";
      const auto bytes = common::utf8ToGbk(reply + "0123456789").value();
      response.set_content(permutation + mapThroughPermutation(hexStage(bytes), permutation), "text/plain");
    });
    local.start();
  }
  std::string base() const { return local.address("/svc/"); }

  LocalServer local;
  std::string reply;
  std::string lastBody;
};

TEST(InitDataService, KeepsTheClockOrEmptiesTheEndpoint) {
  FakeService service("1733800000");
  const auto endpoint = initDataService(service.base(), "Velmora.asp", "q,w,e,r,t,y,u,i,o,p,a");
  EXPECT_TRUE(endpoint.clockSynced);
  EXPECT_EQ(endpoint.requestAddress(), service.base() + "Velmora.asp");
  EXPECT_GE(endpoint.serviceClock.seconds(), 1733800000);
  EXPECT_EQ(endpoint.substitutionKey.size(), 11U);

  for (const std::string& clock : {std::string("not a number"), std::string("0"), std::string("")}) {
    FakeService broken(clock);
    const auto emptied = initDataService(broken.base(), "Velmora.asp", "q,w,e,r,t,y,u,i,o,p,a");
    EXPECT_FALSE(emptied.clockSynced) << clock;
    EXPECT_EQ(emptied.baseAddress, "") << clock;
    EXPECT_EQ(emptied.scriptPath, "") << clock;
  }
  const auto unreachable = initDataService("http://127.0.0.1:1/", "Velmora.asp", "q,w,e,r,t,y,u,i,o,p,a");
  EXPECT_EQ(unreachable.requestAddress(), "");
}

TEST(RunQuery, ShapesRepliesAndCutsTheTrailer) {
  FakeService service("1733800000");
  DataServiceClient client(initDataService(service.base(), "Velmora.asp", "q,w,e,r,t,y,u,i,o,p,a"));
  ASSERT_TRUE(client.connected());

  service.reply = "ID[xW|Col]zi[xW|Row]3[xW|Col]华";
  const auto table = client.runQuery("select 1");
  EXPECT_EQ(dataRowCount(table), 1);
  EXPECT_EQ(cellText(table, 2, 1), "华");  // the trailer "0123456789" is gone
  EXPECT_EQ(cellText(table, 2, 5), "");
  EXPECT_TRUE(service.lastBody.starts_with("C=2&post=")) << service.lastBody;
  EXPECT_GT(service.lastBody.size(), std::string("C=2&post=").size() + 16 + 20);  // P and the clock part

  service.reply = "-1";
  const auto none = client.runQueryDetailed("select 1");
  EXPECT_TRUE(none.answered);
  EXPECT_EQ(none.table.rows(), 0);
}

TEST(RunQuery, WrongKeyCountSendsAnEmptyQuery) {
  FakeService service("1733800000");
  DataServiceClient client(initDataService(service.base(), "Velmora.asp", "q,w,e"));
  service.reply = "-1";
  client.runQuery("select 1");
  EXPECT_EQ(service.lastBody, "C=2&post=");
}

TEST(RunQuery, EmptiedEndpointGivesEmptyTables) {
  DataServiceClient client(initDataService("http://127.0.0.1:1/", "Velmora.asp", "q,w,e,r,t,y,u,i,o,p,a"));
  const auto result = client.runQueryDetailed("select 1");
  EXPECT_FALSE(result.answered);
  EXPECT_EQ(result.table.rows(), 0);
  EXPECT_EQ(cellText(result.table, 2, 1), "");
}

}  // namespace
}  // namespace quillan::dataservice
