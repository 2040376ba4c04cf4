#pragma once

#include <functional>
#include <string>

namespace quillan::dataservice {

// Called again and again while a caller waits for an exchange, so that a window can keep
// processing its events; it should return promptly. The command line passes none.
using EventPump = std::function<void()>;

// What every exchange of a client shares: the wait and how to pass the time while waiting.
struct ExchangeOptions {
  int timeoutSeconds = 0;  // 0: the default of 90 s
  EventPump pump;
};

inline constexpr int kDefaultTimeoutSeconds = 90;

struct HttpExchangeRequest {
  std::string address;  // "http://host[:port]/path"
  std::string method = "GET";
  std::string body;        // sent for POST only
  std::string headerText;  // extra "Name: value\r\n" lines; they win over the default lines
  std::string cookieText;  // sent as "Cookie:" when not empty
  std::string userAgent;   // a browser's when empty
};

struct HttpExchangeResult {
  bool completed = false;  // a whole answer with status 200 arrived in time
  std::string body;        // empty unless completed
  std::string headers;     // raw response header lines, at most 1536 bytes
  std::string cookies;     // "name=value; " for every Set-Cookie line
};

// One HTTP exchange, run on a worker thread while the caller waits (pumping events when a pump is
// given). The wait ends when the worker ends or the time-out runs out; then the result is empty.
// The worker's socket time-outs equal the wait, so a worker that outlives the wait ends by itself
// soon after and its answer is discarded; it is never killed in the middle of its work.
HttpExchangeResult httpExchange(const HttpExchangeRequest& request, const ExchangeOptions& options = {});

}  // namespace quillan::dataservice
