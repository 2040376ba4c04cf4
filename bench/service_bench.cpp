// One evaluation's worth of data-service queries (4 character lookups, 5 z81, 1 zsancai) against
// the real server on 127.0.0.1: over one keep-alive connection, and through the program's client
// (a worker thread and a connection per query). Counters give the median and p99 per evaluation.
#include <benchmark/benchmark.h>
#include <httplib.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <vector>

#include "common/RandomGenerator.h"
#include "dataservice/Cloak.h"
#include "dataservice/DataServiceClient.h"
#include "dataservice/LookupQueries.h"
#include "service/DataServiceServer.h"

namespace {

constexpr const char* kKeyText = "q,w,e,r,t,y,u,i,o,p,a";

std::vector<std::string> evaluationQueries() {
  using namespace quillan::dataservice;
  return {characterLookupQuery("李"), characterLookupQuery("明"), characterLookupQuery("华"),
          characterLookupQuery("小"), numberTextsQuery("8"),      numberTextsQuery("15"),
          numberTextsQuery("21"),     numberTextsQuery("11"),     numberTextsQuery("29"),
          threeTalentsQuery("木火土")};
}

quillan::service::DataServiceServer& server() {
  static quillan::service::DataServiceServer instance = [] {
    quillan::service::ServiceConfig config;
    config.databasePath = QUILLAN_BUILT_DATABASE;
    config.keyText = kKeyText;
    std::cerr << "database: " << config.databasePath << "\n";
    return quillan::service::DataServiceServer(config);
  }();
  static bool started = (instance.start(), true);
  (void)started;
  return instance;
}

void reportPercentiles(benchmark::State& state, std::vector<double>& millis) {
  if (millis.empty()) {
    return;
  }
  std::sort(millis.begin(), millis.end());
  state.counters["median_ms"] = millis[millis.size() / 2];
  state.counters["p99_ms"] = millis[std::min(millis.size() - 1, millis.size() * 99 / 100)];
}

void BM_EvaluationOverKeepAlive(benchmark::State& state) {
  auto& service = server();
  httplib::Client client("127.0.0.1", service.port());
  client.set_tcp_nodelay(true);
  client.set_keep_alive(true);
  const auto key = quillan::dataservice::splitKeyText(kKeyText);
  quillan::common::RandomGenerator random(quillan::common::RandomGenerator::tickSeed());
  const auto queries = evaluationQueries();
  std::vector<double> millis;
  std::size_t rows = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    for (const auto& query : queries) {
      const auto body = "C=2&post=" + quillan::dataservice::cloakText(query, key, std::nullopt, random);
      const auto response = client.Post("/Velmora.asp", body, "application/x-www-form-urlencoded");
      const auto table =
          quillan::dataservice::ResultTable::fromReply(quillan::dataservice::uncloakText(response->body, false));
      rows += static_cast<std::size_t>(quillan::dataservice::dataRowCount(table));
    }
    millis.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  state.counters["rows_found_per_evaluation"] = static_cast<double>(rows) / static_cast<double>(state.iterations());
  reportPercentiles(state, millis);
}
BENCHMARK(BM_EvaluationOverKeepAlive)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void BM_EvaluationThroughClient(benchmark::State& state) {
  auto& service = server();
  quillan::dataservice::DataServiceClient client(
      quillan::dataservice::initDataService(service.baseAddress(), "Velmora.asp", kKeyText));
  const auto queries = evaluationQueries();
  std::vector<double> millis;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    for (const auto& query : queries) {
      benchmark::DoNotOptimize(client.runQuery(query));
    }
    millis.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  reportPercentiles(state, millis);
}
BENCHMARK(BM_EvaluationThroughClient)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace
