#include "dataservice/DataServiceClient.h"

#include <optional>

#include "dataservice/Cloak.h"

namespace quillan::dataservice {

QueryResult runQueryDetailed(const ServiceEndpoint& endpoint, std::string_view sql, common::RandomGenerator& random,
                             const ExchangeOptions& options) {
  HttpExchangeRequest request;
  request.address = endpoint.requestAddress();
  request.method = "POST";
  const auto clock = endpoint.clockSynced ? std::optional(endpoint.serviceClock.seconds()) : std::nullopt;
  request.body = "C=2&post=" + cloakText(sql, endpoint.substitutionKey, clock, random);
  const auto answer = httpExchange(request, options);
  QueryResult result;
  result.answered = answer.completed;
  result.failure = answer.failure;
  result.table = ResultTable::fromReply(uncloakText(answer.body, endpoint.clockSynced));
  return result;
}

ResultTable runQuery(const ServiceEndpoint& endpoint, std::string_view sql, common::RandomGenerator& random,
                     const ExchangeOptions& options) {
  return runQueryDetailed(endpoint, sql, random, options).table;
}

DataServiceClient::DataServiceClient(ServiceEndpoint endpoint, ExchangeOptions options)
    : endpoint_(std::move(endpoint)), options_(std::move(options)), random_(common::RandomGenerator::tickSeed()) {}

QueryResult DataServiceClient::runQueryDetailed(std::string_view sql) {
  common::RandomGenerator random;
  {
    // Each query gets its own generator from the shared one, so that the exchange runs unlocked.
    const std::lock_guard lock(randomMutex_);
    random.seed(static_cast<std::uint32_t>(random_.draw()) << 16 | static_cast<std::uint32_t>(random_.draw()));
  }
  return dataservice::runQueryDetailed(endpoint_, sql, random, options_);
}

}  // namespace quillan::dataservice
