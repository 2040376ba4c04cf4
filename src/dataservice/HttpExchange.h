#pragma once

#include <string>
#include <string_view>

namespace quillan::dataservice {

// How long an exchange may take: connecting, sending and each read wait at most this long.
struct ExchangeOptions {
  int timeoutSeconds = 0;  // 0: the default of 90 s
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

// Why an exchange brought no answer, as the transport told it.
enum class ExchangeFailure {
  None,
  BadAddress,  // not a plain http address
  Refused,     // nothing listens there (or the host cannot be reached)
  TimedOut,    // no connection, or no answer, within the time-out
  Reset,       // the connection broke off
  HttpStatus,  // an answer, but not status 200
  Other,
};

// A short Chinese phrase for the user's message: "连接被拒绝", "等待超时", "连接中断" …
std::string_view failureText(ExchangeFailure failure);

struct HttpExchangeResult {
  bool completed = false;  // a whole answer with status 200 arrived in time
  ExchangeFailure failure = ExchangeFailure::None;
  int status = 0;       // the answer's status, when one came
  std::string body;     // empty unless completed
  std::string headers;  // raw response header lines, at most 1536 bytes
  std::string cookies;  // "name=value; " for every Set-Cookie line
};

// One HTTP exchange on the caller's thread, bounded by the socket time-outs of the options. A
// window never calls it on its own thread.
HttpExchangeResult httpExchange(const HttpExchangeRequest& request, const ExchangeOptions& options = {});

}  // namespace quillan::dataservice
