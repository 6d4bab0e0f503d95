// Properties every completed calculation must have, checked over many
// forecasts, NORM and GAME series, qualities and seeds.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>

#include "calc/logic/tip_calculation.h"
#include "model/quota.h"
#include "model/rounding.h"
#include "support/calculation_trace.h"

namespace vorlanz {
namespace {

using testing::CalculationTrace;
using testing::RowDistance;
using testing::SeriesDistance;

enum class ForecastKind { Twelfths, AnyBytes, Skewed };

Byte Pick(std::mt19937& maker, int low, int high) {
  return static_cast<Byte>(std::uniform_int_distribution<int>(low, high)(maker));
}

void MakeForecast(PoolData& pool, ForecastKind kind, std::mt19937& maker) {
  for (int match = 1; match <= kMatchCount; ++match) {
    auto& weights = pool.OwnForecast[match];
    do {
      switch (kind) {
        case ForecastKind::Twelfths: {
          const Byte home = Pick(maker, 0, 12);
          const Byte draw = Pick(maker, 0, 12 - home);
          weights = {0, home, draw, static_cast<Byte>(12 - home - draw)};
          break;
        }
        case ForecastKind::AnyBytes:
          weights = {0, Pick(maker, 0, 255), Pick(maker, 0, 255), Pick(maker, 0, 255)};
          break;
        case ForecastKind::Skewed: {
          const Byte fixed = Pick(maker, 0, 3);
          if (fixed != 0) {
            weights = {0, 0, 0, 0};
            weights[fixed] = 12;
          } else {
            weights = {0, Pick(maker, 0, 3), Pick(maker, 0, 3), Pick(maker, 0, 3)};
          }
          break;
        }
      }
    } while (weights[1] + weights[2] + weights[3] == 0);
  }
}

void MakeSeries(Series& series, std::mt19937& maker) {
  for (int match = 1; match <= kMatchCount; ++match) series[match] = Pick(maker, 0, 2);
}

// The minimum the distance scan reports: from 11 down, stopping at the first
// earlier row closer than the quality.
int ScannedMinimum(const PoolData& pool, int row, int quality) {
  int minimum = 11;
  for (int earlier = 1; earlier < row; ++earlier) {
    const int distance = RowDistance(pool, earlier, row);
    minimum = std::min(minimum, distance);
    if (distance < quality) break;
  }
  return minimum;
}

int TrueMinimum(const PoolData& pool, int row) {
  int minimum = kMatchCount;
  for (int earlier = 1; earlier < row; ++earlier) {
    minimum = std::min(minimum, RowDistance(pool, earlier, row));
  }
  return minimum;
}

void CheckCompletedCalculation(const PoolData& before, const PoolData& pool,
                               const CalculationTrace& trace) {
  PoolData quota_only = before;
  ComputeQuota(quota_only);
  const int quality = pool.SystemQuality;

  for (int match = 1; match <= kMatchCount; ++match) {
    std::array<int, 4> carried{};
    for (int row = 1; row <= kRowCount; ++row) {
      const Byte code = pool.TipRows[match][row];
      ASSERT_LE(code, kAwayWin);
      ++carried[QuotaColumn(code)];
    }
    for (int column = 1; column <= kOutcomeCount; ++column) {
      ASSERT_EQ(carried[column], quota_only.OutcomeQuota[match][column])
          << "match " << match << " column " << column;
      ASSERT_EQ(pool.OutcomeQuota[match][column], 0);
    }
  }
  ASSERT_EQ(pool.Fges, quota_only.Fges);

  // Row 12 is settled by the quota left: its first candidate is taken.
  ASSERT_EQ(trace.rows[12].candidates, 1);
  ASSERT_EQ(trace.accepted.size(), 12u);

  const auto mean_target = RoundHalfEven(pool.Fges, 12);
  const auto draw_target = RoundHalfEven(pool.DrawQuotaSum, 12);
  const auto away_target = RoundHalfEven(pool.AwayQuotaSum, 12);
  int norm_total = 0;
  for (int row = 1; row <= kRowCount; ++row) {
    SCOPED_TRACE("row " + std::to_string(row));
    const int norm_errors = SeriesDistance(pool, row, pool.NormSeries);
    ASSERT_EQ(pool.RowNormErrors[row], norm_errors);
    norm_total += norm_errors;
    if (row < kRowCount) {
      ASSERT_EQ(RoundHalfEven(norm_total, row), mean_target);
    }

    // Relaxed only after the sixth wrap.
    const bool relaxed = trace.Wraps(row, quality) >= 6;
    int draws = 0;
    int aways = 0;
    for (int match = 1; match <= kMatchCount; ++match) {
      draws += pool.TipRows[match][row] == kDraw ? 1 : 0;
      aways += pool.TipRows[match][row] == kAwayWin ? 1 : 0;
    }
    if (row <= 6) {
      ASSERT_LE(std::abs(draw_target - draws), 1);
      ASSERT_LE(std::abs(away_target - aways), 1);
    }

    const int working = trace.QualityAtAcceptance(row, quality);
    if (row == 1) {
      ASSERT_EQ(pool.RowQuality[1], working);
    } else if (row < kRowCount) {
      // Not too close to any earlier row, and touching one at exactly the
      // working quality unless the row had to be relaxed.
      ASSERT_EQ(pool.RowMinDistance[row], std::min(TrueMinimum(pool, row), 11));
      ASSERT_EQ(pool.RowQuality[row], pool.RowMinDistance[row]);
      if (relaxed) {
        ASSERT_GE(pool.RowQuality[row], working);
      } else {
        ASSERT_EQ(pool.RowQuality[row], working);
      }
    } else {
      ASSERT_EQ(pool.RowMinDistance[12], ScannedMinimum(pool, 12, quality));
      ASSERT_EQ(pool.RowQuality[12], pool.RowMinDistance[12]);
    }

    const AcceptedRow& accepted = trace.accepted[row - 1];
    ASSERT_EQ(accepted.row, row);
    ASSERT_EQ(accepted.quality, pool.RowQuality[row]);
  }

  std::array<int, 4> wins{};
  for (int row = 1; row <= kRowCount; ++row) {
    const int game_errors = SeriesDistance(pool, row, pool.GameSeries);
    for (int errors = 0; errors < 4; ++errors) {
      const int expected = IsSet(pool.GameReady) && game_errors == errors ? 1 : 0;
      ASSERT_EQ(pool.RowWinTally[row][errors], expected);
      wins[errors] += expected;
    }
  }
  ASSERT_EQ(pool.WinsRank1, wins[0]);
  ASSERT_EQ(pool.WinsRank2, wins[1]);
  ASSERT_EQ(pool.WinsRank3, wins[2]);
  ASSERT_EQ(pool.WinsRank4, wins[3]);
}

class CompletedCalculationTest : public ::testing::TestWithParam<ForecastKind> {};

TEST_P(CompletedCalculationTest, KeepsQuotaMeanCountAndDistanceRules) {
  std::mt19937 maker(static_cast<unsigned>(GetParam()) * 7919u + 1u);
  for (int round = 0; round < 600; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    PoolData pool;
    MakeForecast(pool, GetParam(), maker);
    MakeSeries(pool.NormSeries, maker);
    MakeSeries(pool.GameSeries, maker);
    pool.GameReady = ToFlag(round % 2 == 0);
    pool.SystemQuality = static_cast<Byte>(1 + round % 9);
    const PoolData before = pool;

    Random random(static_cast<std::uint64_t>(round) * 1000003u + 17u);
    CalculationTrace trace;
    ASSERT_EQ(CalculateTips(pool, random, trace), CalculationResult::Complete);
    CheckCompletedCalculation(before, pool, trace);
    if (HasFatalFailure()) return;
  }
}

// On 5:4:3 everywhere a few rows touch the working quality only in their
// third wrap from 0 to 7. They finish by the rules like every other row: not
// relaxed, their quality the working quality at their acceptance.
TEST(CompletedCalculationTest, RowsInTheirThirdWrapStillFinishByTheRules) {
  int third_wrap_rows = 0;
  for (int round = 0; round < 400; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    PoolData pool;
    testing::SetAllWeights(pool, 5, 4, 3);
    testing::SetSeries(pool.NormSeries, "1111111111111");
    pool.SystemQuality = 5;
    const PoolData before = pool;
    Random random(static_cast<std::uint64_t>(round));
    CalculationTrace trace;
    ASSERT_EQ(CalculateTips(pool, random, trace), CalculationResult::Complete);
    CheckCompletedCalculation(before, pool, trace);
    if (HasFatalFailure()) return;
    for (int row = 2; row < kRowCount; ++row) {
      if (trace.Wraps(row, 5) < 2) continue;
      ++third_wrap_rows;
      EXPECT_EQ(pool.RowQuality[row], trace.QualityAtAcceptance(row, 5)) << "row " << row;
    }
  }
  EXPECT_GT(third_wrap_rows, 0);
}

INSTANTIATE_TEST_SUITE_P(Forecasts, CompletedCalculationTest,
                         ::testing::Values(ForecastKind::Twelfths, ForecastKind::AnyBytes,
                                           ForecastKind::Skewed));

}  // namespace
}  // namespace vorlanz
