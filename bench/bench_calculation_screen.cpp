// The tip calculation with its screen observer drawing into the headless
// surface: time per complete tip set for System-Güte 1 to 9 on the balanced
// 5 : 4 : 3 forecast, to hold against the pure calculation of
// bench_calculation (BM_TipSet/forecast:0).

#include <benchmark/benchmark.h>

#include "calc/calculation_screen.h"
#include "calc/logic/tip_calculation.h"
#include "headless_main.h"
#include "model/pool_data.h"
#include "model/random.h"

namespace vorlanz {
namespace {

// 5 : 4 : 3 for every match, the favourite (home win) as the NORM series.
void BalancedPool(int quality) {
  ResetPool();
  PoolData& pool = Pool();
  for (int match = 1; match <= kMatchCount; ++match) {
    pool.OwnForecast[match] = {0, 5, 4, 3};
    pool.NormSeries[match] = kHomeWin;
  }
  pool.OwnForecastReady = kTrue;
  pool.NormReady = kTrue;
  pool.SystemQuality = static_cast<Byte>(quality);
}

// The calculation with the screen observer, as the calculation window runs it.
void BM_TipSetOnScreen(benchmark::State& state) {
  BalancedPool(static_cast<int>(state.range(0)));
  Random random(12345);
  for (auto _ : state) {
    CalculationScreen screen;
    const CalculationResult result = CalculateTips(Pool(), random, screen);
    screen.Flush();
    benchmark::DoNotOptimize(result);
  }
  state.counters["tip_sets"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// The whole screen command: clearing the picture, the quota figure and the
// calculation.
void BM_CalculateTipsCommand(benchmark::State& state) {
  BalancedPool(static_cast<int>(state.range(0)));
  ProcessRandom().Seed(12345);
  for (auto _ : state) {
    CalculateTips();
    benchmark::DoNotOptimize(Pool().TipRows);
  }
}

// Drawing the twelve accepted rows of a tip set alone.
void BM_DrawAcceptedRows(benchmark::State& state) {
  BalancedPool(1);
  Random random(12345);
  CalculationScreen screen;
  CalculateTips(Pool(), random, screen);
  for (auto _ : state) {
    for (int row = 1; row <= kRowCount; ++row) {
      screen.RowAccepted(AcceptedRow{row, 1});
    }
  }
}
BENCHMARK(BM_DrawAcceptedRows)->Unit(benchmark::kMicrosecond);

void Qualities(benchmark::internal::Benchmark* bench) {
  bench->ArgNames({"guete"});
  for (int quality = 1; quality <= 9; ++quality) bench->Args({quality});
}

BENCHMARK(BM_TipSetOnScreen)->Apply(Qualities)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalculateTipsCommand)->Apply(Qualities)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vorlanz

int main(int argc, char** argv) {
  return vorlanz::RunHeadlessBenchmarks(argc, argv);
}
