#include "analysis/logic/optimiser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "../bench/bench_forecasts.h"
#include "analysis/logic/win_chances.h"
#include "model/pool_data.h"
#include "model/random.h"
#include "model/rounding.h"

namespace vorlanz {
namespace {

using bench::kMixed;
using bench::kSkewed;
using bench::Weights;

// The bench forecast, entered; its weights add up to 12, so the quota is the
// forecast itself.
PoolData PoolFor(const Weights& weights, int quality) {
  PoolData pool = bench::PoolFor(weights, quality);
  pool.OwnForecastReady = pool.NormReady = kTrue;
  return pool;
}

int Code(int column) {
  return column == 1 ? kHomeWin : column == 2 ? kDraw : kAwayWin;
}

int Differences(const RowTable& rows, int a, int b) {
  int d = 0;
  for (int m = 1; m <= kMatchCount; ++m) d += rows[m][a] != rows[m][b];
  return d;
}

int NormErrors(const PoolData& pool, const RowTable& rows, int row) {
  int d = 0;
  for (int m = 1; m <= kMatchCount; ++m) d += rows[m][row] != pool.NormSeries[m];
  return d;
}

// Every rule the calculation holds a tip set to, worked out afresh.
void ExpectRulesHold(const PoolData& pool, const OptimiserResult& result) {
  const RowTable& rows = result.rows;
  int fges = 0;
  int draws = 0;
  int aways = 0;
  for (int m = 1; m <= kMatchCount; ++m) {
    for (int column = 1; column <= 3; ++column) {
      const int wanted = pool.OwnForecast[m][column];
      int found = 0;
      for (int r = 1; r <= kRowCount; ++r) found += rows[m][r] == Code(column);
      EXPECT_EQ(found, wanted) << "match " << m << " column " << column;
      if (Code(column) != pool.NormSeries[m]) fges += wanted;
    }
    draws += pool.OwnForecast[m][2];
    aways += pool.OwnForecast[m][3];
  }
  int errors = 0;
  for (int r = 1; r <= 11; ++r) {
    errors += NormErrors(pool, rows, r);
    EXPECT_EQ(RoundHalfEven(errors, r), RoundHalfEven(fges, 12)) << "mean test, row " << r;
  }
  for (int r = 1; r <= 6; ++r) {
    int row_draws = 0;
    int row_aways = 0;
    for (int m = 1; m <= kMatchCount; ++m) {
      row_draws += rows[m][r] == kDraw;
      row_aways += rows[m][r] == kAwayWin;
    }
    EXPECT_LE(std::abs(row_draws - RoundHalfEven(draws, 12)), 1) << "count test, row " << r;
    EXPECT_LE(std::abs(row_aways - RoundHalfEven(aways, 12)), 1) << "count test, row " << r;
  }
  EXPECT_LE(result.min_distance, pool.SystemQuality);
  for (int a = 1; a <= kRowCount; ++a) {
    for (int b = a + 1; b <= kRowCount; ++b) {
      EXPECT_GE(Differences(rows, a, b), result.min_distance) << "rows " << a << ", " << b;
    }
  }
}

class Never final : public OptimiserObserver {
 public:
  bool CancelRequested(const OptimiserState& /*state*/) override { return false; }
};

// Stops once `sets` tip sets are scored.
class StopAfter final : public OptimiserObserver {
 public:
  explicit StopAfter(int sets) : sets_(sets) {}
  bool CancelRequested(const OptimiserState& state) override {
    return static_cast<int>(state.values.size()) >= sets_;
  }

 private:
  int sets_;
};

double FreshValue(const OptimiserResult& result, const PoolData& pool) {
  return GoalValue(ComputeWinChances(result.rows, ChancesFromWeights(pool.OwnForecast)),
                   result.goal);
}

struct RuleCase {
  const Weights* weights;
  int quality;
  OptimiserGoal goal;
};

TEST(OptimiserTest, TheResultKeepsEveryRuleAndBeatsEveryCalculatedSet) {
  const RuleCase cases[] = {
      {&kMixed, 4, OptimiserGoal::AtLeastIII}, {&kMixed, 1, OptimiserGoal::AtLeastII},
      {&kMixed, 7, OptimiserGoal::Points},     {&kSkewed, 4, OptimiserGoal::RankI},
      {&kSkewed, 2, OptimiserGoal::AtLeastIV},
  };
  for (const RuleCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << "Güte " << c.quality << ", goal " << GoalName(c.goal));
    const PoolData pool = PoolFor(*c.weights, c.quality);
    Random random(77);
    Never never;
    const OptimiserResult result =
        Optimise(pool, c.goal, ChancesFromWeights(pool.OwnForecast), random, never, 40);
    ASSERT_TRUE(result.found);
    EXPECT_FALSE(result.cancelled);
    EXPECT_EQ(result.tip_sets, 40);
    ASSERT_EQ(result.values.size(), 40u);
    ExpectRulesHold(pool, result);
    EXPECT_EQ(result.best_calculated,
              *std::max_element(result.values.begin(), result.values.end()));
    EXPECT_GE(result.value, result.best_calculated);
    EXPECT_NEAR(FreshValue(result, pool), result.value, 1e-12);
    if (c.goal != OptimiserGoal::RankI) {
      EXPECT_GT(result.moves_kept, 0);
    }
  }
}

TEST(OptimiserTest, ASeededRunGivesTheSameTipSetAgain) {
  const PoolData pool = PoolFor(kMixed, 4);
  const OutcomeChances chances = ChancesFromWeights(pool.OwnForecast);
  Never never;
  Random first(5);
  Random second(5);
  const OptimiserResult a = Optimise(pool, OptimiserGoal::AtLeastII, chances, first, never, 20);
  const OptimiserResult b = Optimise(pool, OptimiserGoal::AtLeastII, chances, second, never, 20);
  EXPECT_EQ(a.rows, b.rows);
  EXPECT_EQ(a.value, b.value);
  EXPECT_EQ(a.values, b.values);
}

TEST(OptimiserTest, ACancelKeepsTheBestSetSoFarAndSearchesNoMore) {
  const PoolData pool = PoolFor(kMixed, 3);
  const OutcomeChances chances = ChancesFromWeights(pool.OwnForecast);
  Random random(11);
  StopAfter stop(6);
  const OptimiserResult result = Optimise(pool, OptimiserGoal::AtLeastIII, chances, random, stop);
  ASSERT_TRUE(result.found);
  EXPECT_TRUE(result.cancelled);
  EXPECT_EQ(result.tip_sets, 6);
  EXPECT_EQ(result.moves_scored, 0);
  EXPECT_EQ(result.value, *std::max_element(result.values.begin(), result.values.end()));
  EXPECT_NEAR(FreshValue(result, pool), result.value, 1e-12);

  Random again(11);
  StopAfter before(0);
  const OptimiserResult none = Optimise(pool, OptimiserGoal::AtLeastIII, chances, again, before);
  EXPECT_FALSE(none.found);
  EXPECT_TRUE(none.cancelled);
}

TEST(OptimiserTest, ASingleRowForecastEndsAtOnceWithThatRow) {
  Weights sure{};
  for (auto& w : sure) w = {12, 0, 0};
  const PoolData pool = PoolFor(sure, 4);
  Random random(3);
  Never never;
  const OptimiserResult result = Optimise(pool, OptimiserGoal::AtLeastIII,
                                          ChancesFromWeights(pool.OwnForecast), random, never);
  ASSERT_TRUE(result.found);
  EXPECT_EQ(result.tip_sets, 1);
  EXPECT_EQ(result.moves_scored, 0);
  EXPECT_DOUBLE_EQ(result.value, 1.0);
  for (int m = 1; m <= kMatchCount; ++m) {
    for (int r = 1; r <= kRowCount; ++r) EXPECT_EQ(result.rows[m][r], kHomeWin);
  }
}

TEST(OptimiserTest, MedianAndSpread) {
  EXPECT_EQ(Median({}), 0);
  EXPECT_EQ(Median({3, 1, 2}), 2);
  EXPECT_EQ(Median({4, 1, 3, 2}), 2.5);
  EXPECT_EQ(Median({7, 7, 1, 9}), 7);

  const Spread tight = SpreadOf({1, 2, 3, 5}, 4, 0);
  EXPECT_EQ(tight.low, 1);
  EXPECT_EQ(tight.high, 5);
  EXPECT_EQ(tight.counts, (std::vector<int>{1, 1, 1, 1}));
  // A best beyond every value widens the range to it.
  const Spread wide = SpreadOf({1, 2, 3, 5}, 4, 9);
  EXPECT_EQ(wide.high, 9);
  EXPECT_EQ(wide.counts, (std::vector<int>{2, 1, 1, 0}));
  EXPECT_EQ(wide.BinOf(9), 3);
  const Spread same = SpreadOf({2, 2}, 3, 2);
  EXPECT_EQ(same.counts, (std::vector<int>{2, 0, 0}));
}

TEST(OptimiserTest, TheResultLineWritesChancesAsTheWinChancesScreenDoes) {
  OptimiserResult result;
  result.goal = OptimiserGoal::AtLeastIII;
  result.value = 0.0159;
  result.median = 0.0101;
  result.tip_sets = 1000;
  EXPECT_EQ(ResultLine(result), "Optimiert: mind. III 1.5900 % (Median 1.0100 %, 1000 Tipp-Sätze)");
  result.goal = OptimiserGoal::RankI;
  result.value = 0.123456;
  result.median = 0.000012;
  result.tip_sets = 1;
  EXPECT_EQ(ResultLine(result), "Optimiert: Rang I 12.346 % (Median 0.0012 %, 1 Tipp-Satz)");
  result.goal = OptimiserGoal::Points;
  result.value = 0.18471;
  result.median = 0.08;
  result.tip_sets = 37;
  EXPECT_EQ(ResultLine(result), "Optimiert: Punkte 0.1847 (Median 0.0800, 37 Tipp-Sätze)");
}

TEST(OptimiserTest, TakingTheResultGivesTheFiguresOfACalculation) {
  PoolData pool = PoolFor(kMixed, 5);
  // Rows 1 and 2 differ in matches 1..4, row 3 from row 1 in match 1 only;
  // the rest repeat row 1. Quotas need not hold for the figures.
  OptimiserResult result;
  result.found = true;
  for (int m = 1; m <= kMatchCount; ++m) {
    for (int r = 1; r <= kRowCount; ++r) result.rows[m][r] = pool.NormSeries[m];
  }
  for (int m = 1; m <= 4; ++m)
    result.rows[m][2] = pool.NormSeries[m] == kHomeWin ? kDraw : kHomeWin;
  result.rows[1][3] = result.rows[1][2];
  for (int m = 1; m <= kMatchCount; ++m) {
    pool.GameSeries[m] = pool.GameSeriesEdit[m] = result.rows[m][2];
  }
  pool.GameReady = kTrue;
  pool.WorkingQuality = 2;  // left by an earlier calculation
  TakeOptimisedTipSet(pool, result);

  EXPECT_TRUE(IsSet(pool.TipSetReady));
  EXPECT_EQ(pool.TipRows, result.rows);
  EXPECT_EQ(pool.RowNormErrors[1], 0);
  EXPECT_EQ(pool.RowNormErrors[2], 4);
  EXPECT_EQ(pool.RowNormErrors[3], 1);
  EXPECT_EQ(pool.RowMinDistance[2], 4);
  EXPECT_EQ(pool.RowMinDistance[3], 1);  // row 1 is nearer than row 2
  EXPECT_EQ(pool.RowMinDistance[4], 0);
  EXPECT_EQ(pool.RowQuality[1], 5);
  EXPECT_EQ(pool.RowQuality[2], 4);
  EXPECT_EQ(pool.RowQuality[3], 1);
  EXPECT_EQ(pool.WorkingQuality, 5);
  // GAME is row 2: row 2 is rank I, row 3 three away (rank IV), the others
  // four away and without a win.
  EXPECT_EQ(pool.WinsRank1, 1);
  EXPECT_EQ(pool.WinsRank4, 1);
  EXPECT_EQ(pool.WinsRank2 + pool.WinsRank3, 0);
  EXPECT_EQ(pool.RowWinTally[2][0], 1);
  EXPECT_EQ(pool.RowWinTally[3][3], 1);
  EXPECT_EQ(pool.Fges, 79);
}

}  // namespace
}  // namespace vorlanz
