// The pure tip calculation: time per complete tip set and per candidate row,
// for System-Güte 1 to 9 on a balanced, a realistic and a skewed forecast.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

#include "calc/logic/calculation_observer.h"
#include "calc/logic/tip_calculation.h"
#include "model/pool_data.h"
#include "model/random.h"

namespace vorlanz {
namespace {

using Weights = std::array<std::array<Byte, 3>, kMatchCount>;

constexpr Weights kBalanced = {{{5, 4, 3},
                                {5, 4, 3},
                                {5, 4, 3},
                                {5, 4, 3},
                                {5, 4, 3},
                                {5, 4, 3},
                                {5, 4, 3},
                                {5, 4, 3},
                                {5, 4, 3},
                                {5, 4, 3},
                                {5, 4, 3},
                                {5, 4, 3},
                                {5, 4, 3}}};
constexpr Weights kMixed = {{{6, 4, 2},
                             {5, 4, 3},
                             {4, 4, 4},
                             {7, 3, 2},
                             {3, 4, 5},
                             {8, 3, 1},
                             {5, 5, 2},
                             {2, 4, 6},
                             {6, 3, 3},
                             {4, 5, 3},
                             {9, 2, 1},
                             {5, 3, 4},
                             {3, 3, 6}}};
constexpr Weights kSkewed = {{{12, 0, 0},
                              {10, 2, 0},
                              {0, 12, 0},
                              {8, 4, 0},
                              {11, 1, 0},
                              {0, 0, 12},
                              {9, 3, 0},
                              {6, 6, 0},
                              {12, 0, 0},
                              {1, 1, 10},
                              {10, 0, 2},
                              {7, 5, 0},
                              {0, 3, 9}}};
constexpr const Weights* kForecasts[] = {&kBalanced, &kMixed, &kSkewed};

// Counts candidates, never cancels.
class CandidateCounter final : public CalculationObserver {
 public:
  bool CancelRequested(int /*row*/) override {
    ++candidates;
    return false;
  }
  std::int64_t candidates = 0;
};

// The forecast, with the favourite of each match as the NORM series.
PoolData PoolFor(const Weights& weights, int quality) {
  PoolData pool;
  for (int match = 1; match <= kMatchCount; ++match) {
    const auto& w = weights[match - 1];
    pool.OwnForecast[match] = {0, w[0], w[1], w[2]};
    pool.NormSeries[match] = w[0] >= w[1] && w[0] >= w[2] ? kHomeWin
                             : w[1] >= w[2]               ? kDraw
                                                          : kAwayWin;
  }
  pool.SystemQuality = static_cast<Byte>(quality);
  return pool;
}

void BM_TipSet(benchmark::State& state) {
  PoolData pool = PoolFor(*kForecasts[state.range(0)], static_cast<int>(state.range(1)));
  Random random(12345);
  CandidateCounter counter;
  for (auto _ : state) {
    const CalculationResult result = CalculateTips(pool, random, counter);
    benchmark::DoNotOptimize(result);
    benchmark::DoNotOptimize(pool.TipRows);
  }
  const auto candidates = static_cast<double>(counter.candidates);
  state.counters["candidates"] = benchmark::Counter(candidates, benchmark::Counter::kAvgIterations);
  state.counters["per_candidate"] =
      benchmark::Counter(candidates, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.counters["tip_sets"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void QualitiesOfEachForecast(benchmark::internal::Benchmark* bench) {
  bench->ArgNames({"forecast", "guete"});
  for (int forecast = 0; forecast < 3; ++forecast) {
    for (int quality = 1; quality <= 9; ++quality) bench->Args({forecast, quality});
  }
}

BENCHMARK(BM_TipSet)->Apply(QualitiesOfEachForecast)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vorlanz

BENCHMARK_MAIN();
