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

// The game series with its first `count` matches changed.
std::string Changed(int count) {
  std::string row = kGame;
  for (int m = 0; m < count; ++m) row[m] = row[m] == '1' ? '2' : '1';
  return row;
}

void SetCard(PoolData& pool, int card, const int (&differences)[kRowCount]) {
  for (int r = 1; r <= kRowCount; ++r) SetRow(pool.CardTips[card], r, Changed(differences[r - 1]));
  pool.CardOccupied[card] = kTrue;
}

// Card 2 wins 1, 2, 3 and 4 rows of ranks I to IV per series, card 0 wins
// 3, 0, 1 and 2; card 4 would win everything but is not stored.
PoolData TwoCardsAgainstSeries() {
  PoolData pool;
  SetSeries(pool.GameSeries, kGame);
  SetCard(pool, 2, {0, 1, 1, 2, 2, 2, 3, 3, 3, 3, 4, 13});
  SetCard(pool, 0, {5, 0, 6, 0, 7, 2, 8, 3, 0, 9, 12, 3});
  SetRow(pool.CardTips[4], 1, kGame);
  return pool;
}

TEST(ContestScoringTest, EveryRankColumnAndItsPoints) {
  const int points[] = {4, 3, 2, 1, 0, 0, 0};
  for (int d = 0; d <= 5; ++d) EXPECT_EQ(PrizePoints(d), points[d]) << d;
  EXPECT_EQ(PrizePoints(13), 0);

  PoolData pool = TwoCardsAgainstSeries();
  // One run before: 5 points of card 2, 20 of card 7.
  pool.ContestRun = 1;
  pool.ContestTotal[2] = 5;
  pool.ContestTotal[7] = 20;
  pool.ContestHits3[2] = 9;
  StartContestRun(pool);
  const ContestField field = PackContestField(pool);
  ScoreContestSeries(pool, field);
  ScoreContestSeries(pool, field);
  const Table<std::int32_t, kLastCard> hits[4] = {{6, 0, 2, 0, 0, 0, 0, 0, 0, 0},
                                                  {0, 0, 4, 0, 0, 0, 0, 0, 0, 0},
                                                  {2, 0, 6, 0, 0, 0, 0, 0, 0, 0},
                                                  {4, 0, 8, 0, 0, 0, 0, 0, 0, 0}};
  EXPECT_EQ(pool.ContestHits1, hits[0]);
  EXPECT_EQ(pool.ContestHits2, hits[1]);
  EXPECT_EQ(pool.ContestHits3, hits[2]);
  EXPECT_EQ(pool.ContestHits4, hits[3]);
  // Card 2: 2 x (4 + 3 + 3 + 2 + 2 + 2 + 1 + 1 + 1 + 1); card 0: 2 x (12 + 2 + 2).
  EXPECT_EQ(pool.ContestPoints, (Table<std::int32_t, kLastCard>{32, 0, 40, 0, 0, 0, 0, 0, 0, 0}));

  AddRunPoints(pool);
  RankAfterRun(pool);
  EXPECT_EQ(pool.ContestTotal, (Table<std::int32_t, kLastCard>{32, 0, 45, 0, 0, 0, 0, 20, 0, 0}));
  EXPECT_EQ(pool.ContestRun, 2);
  EXPECT_EQ(pool.ContestOrder, (Table<Byte, kLastCard>{2, 0, 7, 1, 3, 4, 5, 6, 8, 9}));
  // The leader's 45 points over 2 runs.
  EXPECT_FLOAT_EQ(pool.ContestAverage, 22.5f);
  StartContestRun(pool);
  EXPECT_EQ(pool.ContestPoints[2], 0);
  EXPECT_EQ(
      pool.ContestHits1[0] + pool.ContestHits2[2] + pool.ContestHits3[2] + pool.ContestHits4[0], 0);
  EXPECT_EQ(pool.ContestTotal[2], 45);
  EXPECT_EQ(pool.ContestRun, 3);
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
  EXPECT_EQ(chart::AverageLineX(0.5), 276);  // 1.5 -> 2 half pixels
  EXPECT_EQ(chart::AverageLineX(0.9), 277);  // 2.7 -> 3 -> 1.5 -> 2
  EXPECT_EQ(chart::AverageLineX(1.0), 277);
  EXPECT_EQ(chart::AverageLineX(22.5), 309);
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
  // A zero in every place, alone and in pairs.
  const int weights[7][3] = {{5, 4, 3}, {12, 0, 0}, {1, 0, 7}, {0, 0, 0},
                             {0, 9, 0}, {0, 0, 6},  {0, 2, 5}};
  for (int m = 1; m <= kMatchCount; ++m) {
    const int* w = weights[(m - 1) % 7];
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
    const int* w = weights[(m - 1) % 7];
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
