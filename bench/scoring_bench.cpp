// Names scored per second from stroke counts: grids, luck, elements, three talents and the score,
// with no text formatting, on one thread.
#include <benchmark/benchmark.h>

#include <array>

#include "scoring/ScoringState.h"

namespace {

void BM_ScoreNames(benchmark::State& state) {
  quillan::scoring::ScoringState scoring;
  scoring.computeHeavenGrid(std::array{7});
  int g1 = 1;
  int g2 = 1;
  for (auto _ : state) {
    const std::array given{g1, g2};
    benchmark::DoNotOptimize(scoring.scoreGivenName(given));
    if (++g2 > 30) {
      g2 = 1;
      g1 = g1 % 30 + 1;
    }
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ScoreNames);

}  // namespace
