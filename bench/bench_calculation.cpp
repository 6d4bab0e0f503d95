// The pure tip calculation: time per complete tip set and per candidate row,
// for System-Güte 1 to 9 on a balanced, a realistic and a skewed forecast.

#include <benchmark/benchmark.h>

#include <cstdint>

#include "bench_forecasts.h"
#include "calc/logic/calculation_observer.h"
#include "calc/logic/tip_calculation.h"
#include "model/pool_data.h"
#include "model/random.h"

namespace vorlanz {
namespace {

using bench::kForecasts;
using bench::PoolFor;

// Counts candidates, never cancels.
class CandidateCounter final : public CalculationObserver {
 public:
  bool CancelRequested(int /*row*/) override {
    ++candidates;
    return false;
  }
  std::int64_t candidates = 0;
};

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
