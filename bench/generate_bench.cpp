// Generation runs with the built-in boys' list and surname 李 (born 2013-05-20 10:00, so an advanced
// run also ranks by the birth chart), rows with all their texts collected
// as the window would (no window): the high-score run and a classic run with the surname from
// memory (no data service), and a self-chosen run of 20 characters through the embedded service.
#include <benchmark/benchmark.h>

#include <vector>

#include "bazi/BirthChart.h"
#include "chars/MemoryCharacterLookup.h"
#include "dataservice/DataServiceClient.h"
#include "generate/Generate.h"
#include "quality/NameQuality.h"
#include "service/EmbeddedDataService.h"
#include "sources/ServiceCharacterLookup.h"

namespace {

using namespace quillan;

const chars::CharacterLists& lists() {
  static const auto loaded = chars::loadBuiltInLists();
  return loaded;
}

void runMode(benchmark::State& state, generate::GenerationMode mode,
             generate::Algorithm algorithm = generate::Algorithm::Normal) {
  if (lists().boys.empty()) {
    state.SkipWithError("the built-in boys' list is empty");
    return;
  }
  chars::MemoryCharacterLookup lookup({{"李", "李", "lǐ", "7", "木"}});
  generate::GenerationRequest request;
  request.surname = "李";
  request.mode = mode;
  request.algorithm = algorithm;
  request.birthday = {"生日", "2013", "5", "20", "10"};
  std::vector<generate::ResultRow> rows;
  for (auto _ : state) {
    rows.clear();
    const auto outcome = generate::runGenerate(
        request, lists(), lookup, {.row = [&](generate::ResultRow row) { rows.push_back(std::move(row)); }});
    benchmark::DoNotOptimize(outcome);
  }
  state.counters["rows"] = static_cast<double>(rows.size());
  state.counters["list"] = static_cast<double>(lists().boys.size());
}

void BM_HighScoreRun(benchmark::State& state) { runMode(state, generate::GenerationMode::HighScore); }
BENCHMARK(BM_HighScoreRun)->Unit(benchmark::kMillisecond);

void BM_ClassicRun(benchmark::State& state) { runMode(state, generate::GenerationMode::Classic); }
BENCHMARK(BM_ClassicRun)->Unit(benchmark::kMicrosecond);

// "高级算法": the same pairs, each checked by the quality gates, the rest ranked by 音律分.
void BM_AdvancedHighScoreRun(benchmark::State& state) {
  runMode(state, generate::GenerationMode::HighScore, generate::Algorithm::Advanced);
}
BENCHMARK(BM_AdvancedHighScoreRun)->Unit(benchmark::kMillisecond);

void BM_AdvancedClassicRun(benchmark::State& state) {
  runMode(state, generate::GenerationMode::Classic, generate::Algorithm::Advanced);
}
BENCHMARK(BM_AdvancedClassicRun)->Unit(benchmark::kMicrosecond);

// The quality check of one full name whose characters are prepared, as a run checks each pair.
void BM_QualityCheckOfOneName(benchmark::State& state) {
  const quality::QualityChecker checker;
  const quality::SoundedName name({checker.sound("李", "lǐ", false, -1), checker.sound("明", "míng", true, 1),
                                   checker.sound("华", "huá", true, 1)});
  for (auto _ : state) {
    benchmark::DoNotOptimize(checker.judge(name.view()));
  }
}
BENCHMARK(BM_QualityCheckOfOneName);

// One birth chart with its method, at true solar time (the heaviest case: the equation of time).
void BM_BirthChart(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(bazi::birthChart({{2013, 5, 20}, 10, 30, 116.4}));
  }
}
BENCHMARK(BM_BirthChart);

void BM_BirthChartInStandardTime(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(bazi::birthChart({{2013, 5, 20}, 10, 30, std::nullopt}));
  }
}
BENCHMARK(BM_BirthChartInStandardTime);

// 21 lookups (the surname and 20 characters), one request each, then 400 rows.
void BM_SelfChosenTwentyThroughService(benchmark::State& state) {
  if (lists().boys.size() < 20) {
    state.SkipWithError("the built-in boys' list has fewer than 20 entries");
    return;
  }
  service::EmbeddedDataService embedded;
  dataservice::DataServiceClient client(embedded.connect());
  sources::ServiceCharacterLookup lookup(client);
  generate::GenerationRequest request;
  request.surname = "李";
  request.mode = generate::GenerationMode::SelfChosen;
  for (std::size_t i = 0; i < 20; ++i) {
    request.selfChosenText += chars::parseEntry(lists().boys[i * lists().boys.size() / 20]).simplified;
  }
  std::vector<generate::ResultRow> rows;
  for (auto _ : state) {
    rows.clear();
    const auto outcome = generate::runGenerate(
        request, lists(), lookup, {.row = [&](generate::ResultRow row) { rows.push_back(std::move(row)); }});
    if (outcome.status != generate::GenerationStatus::Completed) {
      state.SkipWithError(outcome.message.c_str());
      return;
    }
  }
  state.counters["rows"] = static_cast<double>(rows.size());
}
BENCHMARK(BM_SelfChosenTwentyThroughService)->Unit(benchmark::kMillisecond);

}  // namespace
