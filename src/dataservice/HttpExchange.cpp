#include "dataservice/HttpExchange.h"

#include <httplib.h>

#include <algorithm>
#include <cctype>
#include <chrono>

#include "dataservice/HttpAddress.h"

namespace quillan::dataservice {
namespace {

constexpr std::string_view kDefaultUserAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
constexpr std::string_view kAccept =
    "image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
    "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*";
constexpr std::string_view kSetCookie = "Set-Cookie";
constexpr std::size_t kRawHeaderLimit = 1536;

std::string upperCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
  return text;
}

bool sameLetter(char a, char b) {
  return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

bool containsName(std::string_view text, std::string_view name) {
  return std::search(text.begin(), text.end(), name.begin(), name.end(), sameLetter) != text.end();
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
    text.remove_prefix(1);
  }
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
    text.remove_suffix(1);
  }
  return text;
}

// The caller's "Name: value" lines; lines without a name are skipped.
void addHeaderLines(std::string_view text, httplib::Headers& headers) {
  while (!text.empty()) {
    const auto end = text.find('\n');
    const auto line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    const auto colon = line.find(':');
    if (colon == std::string_view::npos || trimmed(line.substr(0, colon)).empty()) {
      continue;
    }
    headers.emplace(std::string(trimmed(line.substr(0, colon))), std::string(trimmed(line.substr(colon + 1))));
  }
}

ExchangeFailure failureOf(httplib::Error error, std::chrono::steady_clock::duration waited, int timeoutSeconds) {
  switch (error) {
    case httplib::Error::Connection:
      return ExchangeFailure::Refused;
    case httplib::Error::ConnectionTimeout:
      return ExchangeFailure::TimedOut;
    case httplib::Error::Read:
    case httplib::Error::Write:
      // httplib reports a read that timed out and one that broke off alike; the clock tells them apart.
      return waited >= std::chrono::seconds(timeoutSeconds) ? ExchangeFailure::TimedOut : ExchangeFailure::Reset;
    default:
      break;
  }
  return ExchangeFailure::Other;
}

HttpExchangeResult failedWith(ExchangeFailure failure, int status = 0) {
  HttpExchangeResult result;
  result.failure = failure;
  result.status = status;
  return result;
}

}  // namespace

std::string_view failureText(ExchangeFailure failure) {
  // In ExchangeFailure order.
  constexpr std::string_view kTexts[] = {"",         "地址无效",     "连接被拒绝", "等待超时",
                                         "连接中断", "服务返回错误", "通信失败"};
  static_assert(std::size(kTexts) == static_cast<std::size_t>(ExchangeFailure::Other) + 1);
  return kTexts[static_cast<std::size_t>(failure)];
}

HttpExchangeResult httpExchange(const HttpExchangeRequest& request, const ExchangeOptions& options) {
  const int timeoutSeconds = options.timeoutSeconds > 0 ? options.timeoutSeconds : kDefaultTimeoutSeconds;
  const auto address = parseHttpAddress(request.address);
  if (!address) {
    return failedWith(ExchangeFailure::BadAddress);
  }
  httplib::Client client(address->host, address->port);
  client.set_tcp_nodelay(true);
  client.set_keep_alive(false);
  client.set_connection_timeout(timeoutSeconds, 0);
  client.set_read_timeout(timeoutSeconds, 0);
  client.set_write_timeout(timeoutSeconds, 0);

  httplib::Request req;
  req.method = upperCase(request.method);
  req.path = address->path;
  const std::string_view callerHeaders = request.headerText;
  addHeaderLines(callerHeaders, req.headers);
  auto addDefault = [&](std::string_view name, std::string value) {
    if (!containsName(callerHeaders, name)) {
      req.headers.emplace(std::string(name), std::move(value));
    }
  };
  addDefault("Accept", std::string(kAccept));
  addDefault("Referer", request.address);
  addDefault("Accept-Language", "zh-cn");
  addDefault("User-Agent", request.userAgent.empty() ? std::string(kDefaultUserAgent) : request.userAgent);
  if (!request.cookieText.empty()) {
    addDefault("Cookie", request.cookieText);
  }
  if (req.method == "POST") {
    addDefault("Content-Type", "application/x-www-form-urlencoded");
    req.body = request.body;
  }

  const auto started = std::chrono::steady_clock::now();
  const auto response = client.send(req);
  if (!response) {
    return failedWith(failureOf(response.error(), std::chrono::steady_clock::now() - started, timeoutSeconds));
  }
  if (response->status != 200) {
    return failedWith(ExchangeFailure::HttpStatus, response->status);
  }
  HttpExchangeResult result;
  result.status = response->status;
  result.completed = true;
  result.body = response->body;
  result.headers = "HTTP/1.1 " + std::to_string(response->status) + " " + response->reason + "\r\n";
  for (const auto& [name, value] : response->headers) {
    result.headers += name + ": " + value + "\r\n";
    if (std::equal(name.begin(), name.end(), kSetCookie.begin(), kSetCookie.end(), sameLetter)) {
      result.cookies += std::string(trimmed(std::string_view(value).substr(0, value.find(';')))) + "; ";
    }
  }
  if (result.headers.size() > kRawHeaderLimit) {
    result.headers.resize(kRawHeaderLimit);
  }
  return result;
}

}  // namespace quillan::dataservice
