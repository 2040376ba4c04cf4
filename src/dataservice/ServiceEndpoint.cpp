#include "dataservice/ServiceEndpoint.h"

#include "common/TextNumbers.h"

namespace quillan::dataservice {
namespace {

// The answer read as a decimal number and truncated to a whole number: "1733800000" and
// " 1733800000.7" both read 1733800000, a text without leading digits 0.
std::int64_t readClock(std::string_view text) {
  const double value = common::textToNumber(text);
  return value < 9.2e18 ? static_cast<std::int64_t>(value) : 0;
}

}  // namespace

ServiceEndpoint initDataService(std::string baseAddress, std::string scriptPath, std::string_view keyText,
                                const ExchangeOptions& options) {
  ServiceEndpoint endpoint;
  endpoint.baseAddress = std::move(baseAddress);
  endpoint.scriptPath = std::move(scriptPath);
  endpoint.substitutionKey = splitKeyText(keyText);

  HttpExchangeRequest request;
  request.address = endpoint.requestAddress() + "?C=3";
  request.method = "GET";
  const auto answer = httpExchange(request, options);
  const std::int64_t clock = answer.completed ? readClock(answer.body) : 0;
  if (clock != 0) {
    endpoint.serviceClock = ServiceClock(clock, std::chrono::steady_clock::now());
    endpoint.clockSynced = true;
  } else {
    endpoint.connectFailure = answer.completed ? ExchangeFailure::Other : answer.failure;
    endpoint.baseAddress.clear();
    endpoint.scriptPath.clear();
  }
  return endpoint;
}

}  // namespace quillan::dataservice
