// Conversions of a date-time to its lunar date and four pillars, spread over 1901-2100. The first
// pass computes the solar terms and lunar months of each year; the figures are for the warm
// tables a running program uses, and the cold cost is measured apart.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "calendar/Calendar.h"
#include "calendar/NewMoon.h"
#include "calendar/SolarTermSolver.h"

namespace {

using namespace quillan::calendar;

std::vector<DateTime> sampleMoments() {
  std::vector<DateTime> moments;
  const std::int64_t first = dayNumber(kFirstDate);
  const std::int64_t span = dayNumber(kLastDate) - first + 1;
  std::uint32_t state = 12345;
  for (int i = 0; i < 4096; ++i) {
    state = state * 1103515245u + 12345u;
    const auto day = first + static_cast<std::int64_t>(state % static_cast<std::uint32_t>(span));
    moments.push_back(DateTime{dateOfDayNumber(day), static_cast<int>((state >> 8) % 24), 30, 0});
  }
  return moments;
}

void BM_LunarDateAndFourPillars(benchmark::State& state) {
  const auto moments = sampleMoments();
  for (const auto& m : moments) {
    benchmark::DoNotOptimize(lunarDateOf(m.date));
  }
  std::size_t i = 0;
  for (auto _ : state) {
    const DateTime& moment = moments[i++ % moments.size()];
    benchmark::DoNotOptimize(lunarDateOf(moment.date));
    benchmark::DoNotOptimize(fourPillarsOf(moment));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LunarDateAndFourPillars);

void BM_LunarDateAndPillarTexts(benchmark::State& state) {
  const auto moments = sampleMoments();
  std::size_t i = 0;
  for (auto _ : state) {
    const DateTime& moment = moments[i++ % moments.size()];
    benchmark::DoNotOptimize(lunarDateOf(moment.date)->text());
    benchmark::DoNotOptimize(fourPillarTexts(moment));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LunarDateAndPillarTexts);

// The cold cost: the 24 terms of one year, and one new moon.
void BM_SolarTermsOfAYear(benchmark::State& state) {
  int year = 1901;
  for (auto _ : state) {
    for (int index = 0; index < 24; ++index) {
      benchmark::DoNotOptimize(solarTermJde(year, index));
    }
    year = year == 2100 ? 1901 : year + 1;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SolarTermsOfAYear);

void BM_NewMoon(benchmark::State& state) {
  int k = -1200;
  for (auto _ : state) {
    benchmark::DoNotOptimize(newMoonJde(k));
    k = k == 1300 ? -1200 : k + 1;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NewMoon);

}  // namespace
