#pragma once

#include <mutex>
#include <string_view>

#include "common/RandomGenerator.h"
#include "dataservice/HttpExchange.h"
#include "dataservice/ResultTable.h"
#include "dataservice/ServiceEndpoint.h"

namespace quillan::dataservice {

// A query's table, and whether the service answered at all (an empty table alone cannot tell a
// missing row from a service that is gone).
struct QueryResult {
  ResultTable table;
  bool answered = false;
  ExchangeFailure failure = ExchangeFailure::None;  // why not, when not answered
};

// Sends one statement: body "C=2&post=" + cloakText, POST to the request address, the reply
// uncloaked and shaped into a table. Any failure gives a table with 0 rows.
QueryResult runQueryDetailed(const ServiceEndpoint& endpoint, std::string_view sql, common::RandomGenerator& random,
                             const ExchangeOptions& options = {});

ResultTable runQuery(const ServiceEndpoint& endpoint, std::string_view sql, common::RandomGenerator& random,
                     const ExchangeOptions& options = {});

// What callers hold: one endpoint, the generator that draws each request's permutation (seeded
// from the tick count) and how long to wait. Passed to whoever needs the data service; queries
// from several threads at once are fine.
class DataServiceClient {
 public:
  explicit DataServiceClient(ServiceEndpoint endpoint, ExchangeOptions options = {});

  ResultTable runQuery(std::string_view sql) { return runQueryDetailed(sql).table; }
  QueryResult runQueryDetailed(std::string_view sql);

  const ServiceEndpoint& endpoint() const { return endpoint_; }
  bool connected() const { return !endpoint_.baseAddress.empty(); }

 private:
  ServiceEndpoint endpoint_;
  ExchangeOptions options_;
  std::mutex randomMutex_;
  common::RandomGenerator random_;
};

}  // namespace quillan::dataservice
