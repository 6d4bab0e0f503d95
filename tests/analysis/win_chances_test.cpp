#include "analysis/logic/win_chances.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace vorlanz {
namespace {

constexpr double kExact = 1e-12;

// The figures by a walk over the result series match by match, leaving out
// only the series on which no row can win any more.
struct SeriesWalk {
  const RowTable& rows;
  const OutcomeChances& chances;
  int row_count;
  int match_count;
  WinChances figures;

  // Every series that goes on from the matches before `match`, with the
  // differences of each row so far.
  void From(int match, double chance, std::array<int, kRowCount + 1> differences) {
    const int best = *std::min_element(&differences[1], &differences[row_count] + 1);
    if (best >= kPrizeRanks) return;
    if (match > match_count) {
      for (int row = 1; row <= row_count; ++row) {
        const int k = differences[row];
        if (k < kPrizeRanks) figures.expected_rows[k] += chance;
        figures.expected_points += PrizePoints(k) * chance;
      }
      for (int k = best; k < kPrizeRanks; ++k) figures.best_rank_at_least[k] += chance;
      return;
    }
    for (Byte code = 0; code < kOutcomeCount; ++code) {
      auto next = differences;
      for (int row = 1; row <= row_count; ++row) next[row] += rows[match][row] != code ? 1 : 0;
      From(match + 1, chance * chances[match][code], next);
    }
  }
};

WinChances WalkAllSeries(const RowTable& rows, const OutcomeChances& chances, int row_count,
                         int match_count) {
  SeriesWalk walk{rows, chances, row_count, match_count, {}};
  walk.From(1, 1.0, {});
  return walk.figures;
}

void ExpectSameFigures(const WinChances& actual, const WinChances& expected, double tolerance) {
  for (int k = 0; k < kPrizeRanks; ++k) {
    EXPECT_NEAR(actual.best_rank_at_least[k], expected.best_rank_at_least[k], tolerance)
        << "rank " << k;
    EXPECT_NEAR(actual.expected_rows[k], expected.expected_rows[k], tolerance) << "rank " << k;
  }
  EXPECT_NEAR(actual.expected_points, expected.expected_points, tolerance);
}

MatchTable RandomWeights(std::mt19937& maker) {
  MatchTable weights{};
  std::uniform_int_distribution<int> weight(0, 12);
  for (int match = 1; match <= kMatchCount; ++match) {
    // Some matches without weight, some with outcomes ruled out.
    const int kind = weight(maker);
    if (kind == 0) continue;
    for (int column = 1; column <= 3; ++column) {
      weights[match][column] = static_cast<Byte>(kind < 3 ? weight(maker) % 2 * 7 : weight(maker));
    }
  }
  return weights;
}

// Rows around a few centres, so that they overlap in every way.
RowTable ClusteredRows(std::mt19937& maker, int match_count) {
  RowTable rows{};
  std::uniform_int_distribution<int> code(0, 2);
  std::uniform_int_distribution<int> spread(0, match_count);
  std::uniform_int_distribution<int> match(1, match_count);
  for (int row = 1; row <= kRowCount; ++row) {
    const int centre = row <= 6 ? row % 2 : row;  // repeats start from the same two rows
    for (int m = 1; m <= kMatchCount; ++m) {
      rows[m][row] =
          centre < 2 ? static_cast<Byte>((m * (centre + 1)) % 3) : static_cast<Byte>(code(maker));
    }
    const int changes = row == 3 || row == 5 ? 0 : spread(maker) / 2;
    for (int c = 0; c < changes; ++c) rows[match(maker)][row] = static_cast<Byte>(code(maker));
  }
  return rows;
}

TEST(WinChancesTest, AgreesWithAWalkOverEverySeriesOfFewMatches) {
  std::mt19937 maker(2024);
  for (int match_count = 1; match_count <= 9; ++match_count) {
    for (int trial = 0; trial < 12; ++trial) {
      const OutcomeChances chances = ChancesFromWeights(RandomWeights(maker));
      RowTable rows = ClusteredRows(maker, match_count);
      if (trial == 0) rows[1][2] = kNoEntry;  // a code that never matches
      const int row_count = 1 + trial % kRowCount;
      SCOPED_TRACE(::testing::Message() << match_count << " matches, " << row_count << " rows");
      ExpectSameFigures(ComputeWinChances(rows, chances, row_count, match_count),
                        WalkAllSeries(rows, chances, row_count, match_count), kExact);
    }
  }
}

// A walk stopped early still counts every series within its reach once, at
// the first row that close, whatever the later rows.
TEST(WinChancesTest, AWalkOfLessReachGivesTheRanksWithinItExactly) {
  std::mt19937 maker(99);
  for (int match_count = 3; match_count <= 9; match_count += 3) {
    for (int trial = 0; trial < 8; ++trial) {
      const OutcomeChances chances = ChancesFromWeights(RandomWeights(maker));
      const RowTable rows = ClusteredRows(maker, match_count);
      const WinChances all = WalkAllSeries(rows, chances, kRowCount, match_count);
      for (int reach = -1; reach < kPrizeRanks; ++reach) {
        SCOPED_TRACE(::testing::Message() << match_count << " matches, reach " << reach);
        const WinChances part = ComputeWinChancesUpTo(rows, chances, reach, kRowCount, match_count);
        for (int k = 0; k < kPrizeRanks; ++k) {
          EXPECT_NEAR(part.best_rank_at_least[k], k <= reach ? all.best_rank_at_least[k] : 0,
                      kExact)
              << "rank " << k;
        }
        EXPECT_NEAR(part.expected_points, all.expected_points, kExact);
      }
    }
  }
}

TEST(WinChancesTest, AgreesWithAWalkOverAllSeriesOfAFullMatchday) {
  std::mt19937 maker(7);
  for (int trial = 0; trial < 6; ++trial) {
    const OutcomeChances chances = ChancesFromWeights(RandomWeights(maker));
    const RowTable rows = ClusteredRows(maker, kMatchCount);
    ExpectSameFigures(ComputeWinChances(rows, chances),
                      WalkAllSeries(rows, chances, kRowCount, kMatchCount), kExact);
  }
}

TEST(WinChancesTest, ConvertsWeightsColumnByColumnAndTreatsNoWeightAsEvenChances) {
  MatchTable weights{};
  weights[1] = {0, 6, 4, 2};
  weights[2] = {0, 0, 0, 0};
  const OutcomeChances chances = ChancesFromWeights(weights);
  EXPECT_DOUBLE_EQ(chances[1][kHomeWin], 0.5);
  EXPECT_DOUBLE_EQ(chances[1][kDraw], 1.0 / 3);
  EXPECT_DOUBLE_EQ(chances[1][kAwayWin], 1.0 / 6);
  for (Byte code = 0; code < 3; ++code) EXPECT_DOUBLE_EQ(chances[2][code], 1.0 / 3);
}

double Binomial(int n, int k) {
  double value = 1;
  for (int i = 1; i <= k; ++i) value = value * (n - k + i) / i;
  return value;
}

TEST(WinChancesTest, OneRowUnderEvenChancesFollowsTheBinomialLaw) {
  RowTable rows{};
  for (int match = 1; match <= kMatchCount; ++match) rows[match][1] = static_cast<Byte>(match % 3);
  const WinChances figures = ComputeWinChances(rows, ChancesFromWeights(MatchTable{}), 1);
  const double all = std::pow(3.0, kMatchCount);
  EXPECT_NEAR(figures.best_rank_at_least[0], 1 / all, 1e-20);
  double at_most = 0;
  double points = 0;
  for (int k = 0; k < kPrizeRanks; ++k) {
    const double exactly = Binomial(kMatchCount, k) * std::pow(2.0, k) / all;
    at_most += exactly;
    points += PrizePoints(k) * exactly;
    EXPECT_NEAR(figures.expected_rows[k], exactly, 1e-15);
    EXPECT_NEAR(figures.best_rank_at_least[k], at_most, 1e-15);
  }
  EXPECT_NEAR(figures.expected_points_per_run, kSeriesPerRun * points, 1e-12);
  EXPECT_EQ(figures.series_walked, 2627);
}

}  // namespace
}  // namespace vorlanz
