// The contest, the check and the test run: each as pure logic and as the
// screen runs it, drawing into the headless surface. Balanced 5 : 4 : 3
// forecast, the favourite (home win) as NORM, ten stored cards.

#include <benchmark/benchmark.h>

#include "analysis/check.h"
#include "analysis/contest.h"
#include "analysis/logic/check_figures.h"
#include "analysis/logic/contest_standings.h"
#include "analysis/logic/draw_weights.h"
#include "calc/logic/tip_calculation.h"
#include "calc/logic/win_count.h"
#include "headless_main.h"
#include "model/pool_data.h"
#include "model/random.h"

namespace vorlanz {
namespace {

void BalancedPool() {
  ResetPool();
  PoolData& pool = Pool();
  for (int match = 1; match <= kMatchCount; ++match) {
    pool.OwnForecast[match] = {0, 5, 4, 3};
    pool.NormSeries[match] = kHomeWin;
    pool.GameSeries[match] = kHomeWin;
  }
  pool.OwnForecastReady = kTrue;
  pool.NormReady = kTrue;
  pool.GameReady = kTrue;
  pool.SystemQuality = 4;
  Random random(7);
  SilentObserver silent;
  for (int card = 0; card <= kLastCard; ++card) {
    CalculateTips(pool, random, silent);
    pool.CardTips[card] = pool.TipRows;
    pool.CardOccupied[card] = kTrue;
  }
  LoadDrawWeights(pool);
}

// One run of 100 series, scoring the ten cards.
void BM_ContestRunPure(benchmark::State& state) {
  BalancedPool();
  PoolData& pool = Pool();
  const ContestField field = PackContestField(pool);
  Random random(1);
  for (auto _ : state) {
    StartContestRun(pool);
    for (int series = 0; series < kSeriesPerRun; ++series) {
      PlayContestSeries(pool, field, random);
    }
    AddRunPoints(pool);
    RankAfterRun(pool);
    benchmark::DoNotOptimize(pool.ContestTotal);
  }
}

// The same run with its table and bar chart.
void BM_ContestRunOnScreen(benchmark::State& state) {
  BalancedPool();
  const ContestField field = PackContestField(Pool());
  ContestBoard board(field);
  ProcessRandom().Seed(1);
  for (auto _ : state) {
    PlayContestRun(board);
    benchmark::DoNotOptimize(Pool().ContestTotal);
  }
}

// 100 calculations scored against the GAME series.
void BM_CheckPure(benchmark::State& state) {
  BalancedPool();
  PoolData& pool = Pool();
  Random random(3);
  SilentObserver silent;
  for (auto _ : state) {
    ClearWinCounts(pool);
    for (int trial = 0; trial < kTrialsPerCheck; ++trial) CalculateTips(pool, random, silent);
    benchmark::DoNotOptimize(pool.WinsRank1);
  }
}

void BM_CheckOnScreen(benchmark::State& state) {
  BalancedPool();
  ProcessRandom().Seed(3);
  for (auto _ : state) {
    CheckCalculation();
    benchmark::DoNotOptimize(Pool().WinsRank1);
  }
}

// The tip set against 100 drawn series.
void BM_TestRunPure(benchmark::State& state) {
  BalancedPool();
  PoolData& pool = Pool();
  const PackedTipSet tips = PackTipSet(pool.CardTips[0]);
  Random random(5);
  for (auto _ : state) {
    ClearWinCounts(pool);
    for (int series = 0; series < kTrialsPerCheck; ++series) {
      benchmark::DoNotOptimize(PlayRandomSeries(pool, tips, random));
    }
  }
}

void BM_TestRunOnScreen(benchmark::State& state) {
  BalancedPool();
  Pool().TipRows = Pool().CardTips[0];
  ProcessRandom().Seed(5);
  for (auto _ : state) {
    TestRun();
    benchmark::DoNotOptimize(Pool().WinsRank1);
  }
}

// The fixed screen work of every run and of every test run's end.
void BM_ContestRunStart(benchmark::State& state) {
  BalancedPool();
  const ContestField field = PackContestField(Pool());
  ContestBoard board(field);
  for (auto _ : state) board.StartRun();
}

void BM_DrawRankTable(benchmark::State& state) {
  BalancedPool();
  for (auto _ : state) DrawRankTable();
}

BENCHMARK(BM_ContestRunStart)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawRankTable)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ContestRunPure)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ContestRunOnScreen)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CheckPure)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckOnScreen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TestRunPure)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TestRunOnScreen)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vorlanz

int main(int argc, char** argv) {
  return vorlanz::RunHeadlessBenchmarks(argc, argv);
}
