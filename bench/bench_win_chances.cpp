// The exact win chances: time for one tip set and for ten cards, with the
// result series walked and the time per series and per row, on tip sets the
// calculation makes from the balanced 5 : 4 : 3, the mixed and the skewed
// forecast. Goal: 5 ms for one tip set, 50 ms for ten cards.

#include <benchmark/benchmark.h>

#include <vector>

#include "analysis/logic/win_chances.h"
#include "bench_forecasts.h"
#include "calc/logic/calculation_observer.h"
#include "calc/logic/tip_calculation.h"
#include "model/pool_data.h"
#include "model/random.h"

namespace vorlanz {
namespace {

using bench::kForecasts;
using bench::PoolFor;

// `count` tip sets calculated one after the other from one seed.
std::vector<RowTable> TipSets(PoolData& pool, int count) {
  Random random(12345);
  SilentObserver silent;
  std::vector<RowTable> sets;
  while (static_cast<int>(sets.size()) < count) {
    if (CalculateTips(pool, random, silent) == CalculationResult::Complete) {
      sets.push_back(pool.TipRows);
    }
  }
  return sets;
}

void ReportRates(benchmark::State& state, double series_walked, int tip_sets) {
  const auto iterations = static_cast<double>(state.iterations());
  state.counters["series"] = series_walked / tip_sets;
  state.counters["per_series"] = benchmark::Counter(
      series_walked * iterations, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.counters["per_row"] =
      benchmark::Counter(double{kRowCount} * tip_sets * iterations,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_OneTipSet(benchmark::State& state) {
  PoolData pool = PoolFor(*kForecasts[state.range(0)], static_cast<int>(state.range(1)));
  const RowTable rows = TipSets(pool, 1).front();
  const OutcomeChances chances = ChancesFromWeights(pool.OwnForecast);
  WinChances figures;
  for (auto _ : state) {
    figures = ComputeWinChances(rows, chances);
    benchmark::DoNotOptimize(figures);
  }
  ReportRates(state, figures.series_walked, 1);
  for (int k = 0; k < kPrizeRanks; ++k) {
    static const char* const kNames[] = {"I_pct", "II_pct", "III_pct", "IV_pct"};
    state.counters[kNames[k]] = 100 * figures.best_rank_at_least[k];
  }
  state.counters["pts_run"] = figures.expected_points_per_run;
}

void BM_TenCards(benchmark::State& state) {
  PoolData pool = PoolFor(*kForecasts[state.range(0)], static_cast<int>(state.range(1)));
  const std::vector<RowTable> cards = TipSets(pool, kLastCard + 1);
  const OutcomeChances chances = ChancesFromWeights(pool.OwnForecast);
  double series_walked = 0;
  double best_points = 0;
  for (auto _ : state) {
    series_walked = 0;
    for (const RowTable& card : cards) {
      const WinChances figures = ComputeWinChances(card, chances);
      benchmark::DoNotOptimize(figures);
      series_walked += figures.series_walked;
      best_points = std::max(best_points, figures.expected_points_per_run);
    }
  }
  ReportRates(state, series_walked, static_cast<int>(cards.size()));
  state.counters["best_pts_run"] = best_points;
}

void ForecastsAndQualities(benchmark::internal::Benchmark* bench) {
  bench->ArgNames({"forecast", "guete"});
  for (int forecast = 0; forecast < 3; ++forecast) {
    for (int quality : {1, 4, 7}) bench->Args({forecast, quality});
  }
}

BENCHMARK(BM_OneTipSet)->Apply(ForecastsAndQualities)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TenCards)->Apply(ForecastsAndQualities)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vorlanz

BENCHMARK_MAIN();
