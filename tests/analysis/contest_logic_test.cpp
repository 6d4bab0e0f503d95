#include <gtest/gtest.h>

#include <cmath>

#include "analysis/logic/contest_chart.h"
#include "analysis/logic/contest_standings.h"
#include "analysis/logic/draw_weights.h"
#include "calc/logic/win_count.h"
#include "model/pool_data.h"
#include "support/calculation_trace.h"

namespace vorlanz {
namespace {

using testing::SetRow;
using testing::SetSeries;

constexpr const char* kGame = "1102101210121";

// Card 0 holds the drawn series itself in row 1 and copies that differ in
// 1, 2, 3, 4 and 13 matches in rows 2..6; its other rows differ everywhere.
PoolData CardAgainstSeries() {
  PoolData pool;
  SetSeries(pool.GameSeries, kGame);
  const std::string base = kGame;
  auto changed = [&](int count) {
    std::string row = base;
    for (int m = 0; m < count; ++m) row[m] = row[m] == '1' ? '2' : '1';
    return row;
  };
  const int differences[kRowCount] = {0, 1, 2, 3, 4, 13, 13, 13, 13, 13, 13, 13};
  for (int r = 1; r <= kRowCount; ++r) SetRow(pool.CardTips[0], r, changed(differences[r - 1]));
  pool.CardOccupied[0] = kTrue;
  SetRow(pool.CardTips[4], 1, base);  // not stored: not scored
  return pool;
}

TEST(ContestScoringTest, PointsByRankAndNothingFromFourDifferencesOn) {
  EXPECT_EQ(PrizePoints(0), 4);
  EXPECT_EQ(PrizePoints(3), 1);
  EXPECT_EQ(PrizePoints(4), 0);
  EXPECT_EQ(PrizePoints(13), 0);

  PoolData pool = CardAgainstSeries();
  StartContestRun(pool);
  const ContestField field = PackContestField(pool);
  ScoreContestSeries(pool, field);
  ScoreContestSeries(pool, field);
  EXPECT_EQ(pool.ContestHits1[0], 2);
  EXPECT_EQ(pool.ContestHits2[0], 2);
  EXPECT_EQ(pool.ContestHits3[0], 2);
  EXPECT_EQ(pool.ContestHits4[0], 2);
  EXPECT_EQ(pool.ContestPoints[0], 2 * (4 + 3 + 2 + 1));
  EXPECT_EQ(pool.ContestPoints[4], 0);
  EXPECT_EQ(pool.ContestHits1[4], 0);

  AddRunPoints(pool);
  RankAfterRun(pool);
  EXPECT_EQ(pool.ContestTotal[0], 20);
  EXPECT_EQ(pool.ContestRun, 1);
  EXPECT_FLOAT_EQ(pool.ContestAverage, 20.0f);
  StartContestRun(pool);
  EXPECT_EQ(pool.ContestPoints[0], 0);
  EXPECT_EQ(pool.ContestHits1[0], 0);
  EXPECT_EQ(pool.ContestTotal[0], 20);
  EXPECT_EQ(pool.ContestRun, 2);
}

TEST(ContestOrderTest, AnOvertakingCardPassesTheEqualTotal) {
  PoolData pool;
  pool.ContestTotal = {5, 7, 7, 0, 0, 0, 0, 0, 0, 0};
  SortContestOrder(pool);
  EXPECT_EQ(pool.ContestOrder, (Table<Byte, kLastCard>{2, 1, 0, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(ContestPlace(pool, 0), 2);

  // Equal totals that do not overtake keep their order.
  pool.ContestOrder = {3, 1, 2, 0, 4, 5, 6, 7, 8, 9};
  pool.ContestTotal = {1, 1, 1, 1, 0, 0, 0, 0, 0, 2};
  SortContestOrder(pool);
  EXPECT_EQ(pool.ContestOrder, (Table<Byte, kLastCard>{9, 3, 1, 2, 0, 4, 5, 6, 7, 8}));

  ResetContestStandings(pool);
  EXPECT_EQ(pool.ContestOrder, (Table<Byte, kLastCard>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(pool.ContestTotal[9], 0);
  EXPECT_EQ(pool.ContestRun, 0);
}

TEST(ContestChartTest, BarEndsAndAverageLineRoundHalvesToEven) {
  EXPECT_EQ(chart::BarEnd(0), 275);
  EXPECT_EQ(chart::BarEnd(1), 277);  // 1.5 -> 2
  EXPECT_EQ(chart::BarEnd(3), 279);  // 4.5 -> 4
  EXPECT_EQ(chart::BarEnd(200), 575);
  EXPECT_EQ(chart::AverageLineX(0), 275);
  EXPECT_EQ(chart::AverageLineX(1.0), 277);
  EXPECT_EQ(chart::AverageLineX(100.0), 425);
  EXPECT_EQ(chart::GridLinePen(10), chart::GridPen::Solid);
  EXPECT_EQ(chart::GridLinePen(15), chart::GridPen::Dashed);
  EXPECT_EQ(chart::GridLinePen(7), chart::GridPen::DashDot);
}

TEST(DrawWeightsTest, OfficialForecastWhenEnteredElseTheOwn) {
  PoolData pool;
  testing::SetAllWeights(pool, 5, 4, 3);
  pool.OfficialForecast[2] = {0, 1, 2, 9};
  LoadDrawWeights(pool);
  EXPECT_EQ(pool.OutcomeQuota[2], (Table<Byte, 3>{0, 5, 4, 3}));
  pool.OfficialForecastReady = kTrue;
  LoadDrawWeights(pool);
  EXPECT_EQ(pool.OutcomeQuota[2], (Table<Byte, 3>{0, 1, 2, 9}));

  SetSeries(pool.GameSeriesEdit, kGame);
  RestoreGameSeries(pool);
  EXPECT_EQ(pool.GameSeries, pool.GameSeriesEdit);
}

// Chi-square against the weights over 30,000 draws (fixed seed): 2 degrees
// of freedom, 13.8 is the 0.1 % bound. Weights of 0 never come up; all-zero
// weights draw each outcome alike.
TEST(DrawWeightsTest, DrawnSeriesFollowTheWeights) {
  PoolData pool;
  const int weights[4][3] = {{5, 4, 3}, {12, 0, 0}, {1, 0, 7}, {0, 0, 0}};
  for (int m = 1; m <= kMatchCount; ++m) {
    const int* w = weights[(m - 1) % 4];
    pool.OutcomeQuota[m] = {0, static_cast<Byte>(w[0]), static_cast<Byte>(w[1]),
                            static_cast<Byte>(w[2])};
  }
  const MatchTable before = pool.OutcomeQuota;
  Random random(77);
  constexpr int kDraws = 30000;
  std::array<std::array<int, 3>, kMatchCount + 1> seen{};
  for (int i = 0; i < kDraws; ++i) {
    DrawResultSeries(pool, random);
    for (int m = 1; m <= kMatchCount; ++m) {
      ASSERT_LE(pool.GameSeries[m], kAwayWin);
      ++seen[m][QuotaColumn(pool.GameSeries[m]) - 1];
    }
  }
  EXPECT_EQ(pool.OutcomeQuota, before);
  for (int m = 1; m <= kMatchCount; ++m) {
    const int* w = weights[(m - 1) % 4];
    const int total = w[0] + w[1] + w[2];
    double chi = 0;
    for (int o = 0; o < 3; ++o) {
      const double expected = total == 0 ? kDraws / 3.0 : double{kDraws} * w[o] / total;
      if (expected == 0) {
        EXPECT_EQ(seen[m][o], 0) << "match " << m;
        continue;
      }
      chi += std::pow(seen[m][o] - expected, 2) / expected;
    }
    EXPECT_LT(chi, 13.8) << "match " << m;
  }
}

}  // namespace
}  // namespace vorlanz
