#include "calc/logic/tip_calculation.h"

#include <gtest/gtest.h>

#include <set>

#include "support/calculation_trace.h"

namespace vorlanz {
namespace {

using testing::CalculationTrace;
using testing::RowText;
using testing::SetAllWeights;
using testing::SetRow;
using testing::SetSeries;

// 12:0:0 on every match: only one row exists, so every row after the first is
// at distance 0 and waits until the working quality has come down to 0.
class OnlyOneRowTest : public ::testing::TestWithParam<int> {};

TEST_P(OnlyOneRowTest, EachRowWaitsForTheQualityToComeDownToZero) {
  const int quality = GetParam();
  PoolData pool;
  SetAllWeights(pool, 12, 0, 0);
  SetSeries(pool.NormSeries, "2101210121012");
  pool.SystemQuality = static_cast<Byte>(quality);
  Random random(1);
  CalculationTrace trace;
  ASSERT_EQ(CalculateTips(pool, random, trace), CalculationResult::Complete);

  std::vector<int> lowerings;
  for (int q = quality - 1; q >= 0; --q) lowerings.push_back(q);
  for (int row = 1; row <= kRowCount; ++row) {
    SCOPED_TRACE("row " + std::to_string(row));
    EXPECT_EQ(RowText(pool, row), "1111111111111");
    if (row == 1 || row == kRowCount) {
      EXPECT_EQ(trace.rows[row].candidates, 1);
      EXPECT_TRUE(trace.rows[row].lowerings.empty());
    } else {
      // quality x 81 rejections, then the candidate that touches at 0.
      EXPECT_EQ(trace.rows[row].candidates, quality * 81 + 1);
      EXPECT_EQ(trace.rows[row].lowerings, lowerings);
      EXPECT_EQ(pool.RowMinDistance[row], 0);
      EXPECT_EQ(pool.RowQuality[row], 0);
    }
  }
  EXPECT_EQ(pool.RowQuality[1], quality);
  EXPECT_EQ(pool.RowMinDistance[12], 0);
  EXPECT_EQ(pool.RowQuality[12], 0);
  // The "GÜTE:" line shows the last lowered value, the pool's working
  // quality was reset for row 12.
  EXPECT_EQ(trace.last_shown_quality, 0);
  EXPECT_EQ(pool.WorkingQuality, quality);
  EXPECT_EQ(int{pool.Fges}, 12 * 7);  // seven matches with a NORM other than 1
}

INSTANTIATE_TEST_SUITE_P(Qualities, OnlyOneRowTest, ::testing::Values(1, 4, 9));

// Only home wins are left and every row is all home wins, but about five
// draws a row are expected: rows up to 6 never pass the count test, row 7
// is not held to it.
TEST(TipCalculationTest, TheCountTestEndsAfterRowSix) {
  for (const int first : {6, 7}) {
    SCOPED_TRACE(first);
    PoolData pool;
    SetSeries(pool.NormSeries, "1111111111111");
    pool.DrawQuotaSum = 60;
    for (int row = 1; row < first; ++row) SetRow(pool, row, "1111111111111");
    for (int m = 1; m <= kMatchCount; ++m) {
      pool.OutcomeQuota[m] = {0, static_cast<Byte>(13 - first), 0, 0};
    }
    Random random(3);
    CalculationTrace trace;
    trace.CancelAt(first, 2000);
    EXPECT_EQ(ResumeTips(pool, first, random, trace),
              first == 6 ? CalculationResult::Cancelled : CalculationResult::Complete);
    if (first == 7) {
      EXPECT_EQ(trace.rows[7].candidates, 1);
    }
  }
}

// Row 1 passes the count test only with 12 or 13 draws, about once in 600
// candidates: the working quality comes down on the way, and row 1 keeps the
// quality at which it was taken, not the System-Güte.
TEST(TipCalculationTest, RowOneKeepsTheQualityItWasTakenAt) {
  PoolData pool;
  SetSeries(pool.NormSeries, "2222222222222");
  pool.Fges = 156;
  pool.DrawQuotaSum = 156;
  pool.SystemQuality = 9;
  for (int m = 1; m <= kMatchCount; ++m) pool.OutcomeQuota[m] = {0, 6, 6, 0};
  Random random(5);
  CalculationTrace trace;
  trace.CancelAt(2, 1);
  ASSERT_EQ(ResumeTips(pool, 1, random, trace), CalculationResult::Cancelled);
  ASSERT_FALSE(trace.rows[1].lowerings.empty());
  EXPECT_LT(pool.RowQuality[1], 9);
  EXPECT_EQ(pool.RowQuality[1], trace.rows[1].lowerings.back());
  EXPECT_EQ(trace.accepted.at(0).quality, pool.RowQuality[1]);
}

TEST(TipCalculationTest, WinsAddUpOverCalculationsAndStopAtTheirLimits) {
  PoolData pool;
  SetAllWeights(pool, 12, 0, 0);
  pool.OwnForecast[13] = {0, 0, 0, 12};
  SetSeries(pool.NormSeries, "1111111111111");
  SetSeries(pool.GameSeries, "1111111111100");  // every row has 2 errors: rank III
  pool.GameReady = kTrue;
  pool.SystemQuality = 1;
  Random random(3);
  SilentObserver silent;
  ASSERT_EQ(CalculateTips(pool, random, silent), CalculationResult::Complete);
  ASSERT_EQ(CalculateTips(pool, random, silent), CalculationResult::Complete);
  EXPECT_EQ(pool.WinsRank3, 24);
  EXPECT_EQ(pool.WinsRank1 + pool.WinsRank2 + pool.WinsRank4, 0);
  EXPECT_EQ(pool.RowWinTally[5][2], 2);

  // Past the 16 and 8 bits they once had, up to their limit.
  pool.WinsRank3 = INT16_MAX;
  pool.RowWinTally[5][2] = 255;
  ASSERT_EQ(CalculateTips(pool, random, silent), CalculationResult::Complete);
  EXPECT_EQ(pool.WinsRank3, INT16_MAX + 12);
  EXPECT_EQ(pool.RowWinTally[5][2], 256);
  pool.WinsRank3 = INT32_MAX;
  pool.RowWinTally[5][2] = INT32_MAX;
  ASSERT_EQ(CalculateTips(pool, random, silent), CalculationResult::Complete);
  EXPECT_EQ(pool.WinsRank3, INT32_MAX);
  EXPECT_EQ(pool.RowWinTally[5][2], INT32_MAX);
  EXPECT_EQ(pool.RowWinTally[6][2], 4);

  SetSeries(pool.GameSeries, "0001111111100");  // 4 errors win nothing
  ASSERT_EQ(CalculateTips(pool, random, silent), CalculationResult::Complete);
  EXPECT_EQ(pool.RowWinTally[6], (Table<std::int32_t, 3>{0, 0, 4, 0}));
}

TEST(TipCalculationTest, FaultyForecastIsRefusedWithoutTouchingThePool) {
  PoolData pool;
  SetAllWeights(pool, 5, 4, 3);
  pool.OwnForecast[6] = {0, 0, 0, 0};
  pool.OutcomeQuota[6] = {0, 4, 4, 4};  // a stale quota does not make it sound
  pool.SystemQuality = 4;
  pool.TipRows[1][1] = 2;
  const PoolData before = pool;
  Random random(5);
  CalculationTrace trace;
  EXPECT_EQ(CalculateTips(pool, random, trace), CalculationResult::FaultyForecast);
  EXPECT_EQ(pool.TipRows, before.TipRows);
  EXPECT_EQ(pool.OutcomeQuota, before.OutcomeQuota);
  EXPECT_EQ(pool.Fges, before.Fges);
  EXPECT_EQ(trace.rows[1].candidates, 0);
}

// Fges 30 aims at round(30 / 12) = round(2.5) = 2 NORM differences per row.
// With 2 differences in row 1, row 2 passes the mean test with a total of
// 3, 4 or 5 (5 / 2 = 2.5 rounds to 2 as well), so the candidate brings 1, 2
// or 3 differences. Rounding halves upwards would take 3 or 4 instead.
TEST(TipCalculationTest, MeanTestRoundsHalvesToEvenOnBothSides) {
  std::set<int> passed;
  for (int seed = 0; seed < 40; ++seed) {
    PoolData pool;
    SetSeries(pool.NormSeries, "1111111111111");
    SetRow(pool, 1, "1111111111100");
    for (int match = 1; match <= kMatchCount; ++match) pool.OutcomeQuota[match] = {0, 5, 3, 3};
    pool.Fges = 30;
    pool.SystemQuality = 1;
    Random random(static_cast<std::uint64_t>(seed));
    CalculationTrace trace;
    trace.CancelAt(3, 1);
    ASSERT_EQ(ResumeTips(pool, 2, random, trace), CalculationResult::Cancelled);
    passed.insert(trace.rows[2].statuses.begin(), trace.rows[2].statuses.end());
  }
  EXPECT_EQ(passed, (std::set<int>{1, 2, 3}));
}

}  // namespace
}  // namespace vorlanz
