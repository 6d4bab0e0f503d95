// Cancelling: asked before every candidate of every row, it ends the
// calculation at once and keeps exactly the rows accepted before.

#include <gtest/gtest.h>

#include "calc/logic/tip_calculation.h"
#include "model/quota.h"
#include "support/calculation_trace.h"

namespace vorlanz {
namespace {

using testing::CalculationTrace;
using testing::SetSeries;

constexpr Byte kOldContent = 7;

PoolData MixedForecast() {
  PoolData pool;
  const Byte weights[13][3] = {{6, 4, 2}, {5, 4, 3}, {4, 4, 4}, {7, 3, 2}, {3, 4, 5},
                               {8, 3, 1}, {5, 5, 2}, {2, 4, 6}, {6, 3, 3}, {4, 5, 3},
                               {9, 2, 1}, {5, 3, 4}, {3, 3, 6}};
  for (int match = 1; match <= kMatchCount; ++match) {
    const auto& w = weights[match - 1];
    pool.OwnForecast[match] = {0, w[0], w[1], w[2]};
  }
  SetSeries(pool.NormSeries, "1111211112112");
  SetSeries(pool.GameSeries, "1011201112102");
  pool.GameReady = kTrue;
  pool.SystemQuality = 5;
  for (int row = 1; row <= kRowCount; ++row) {
    for (int match = 1; match <= kMatchCount; ++match) pool.TipRows[match][row] = kOldContent;
    pool.RowNormErrors[row] = kOldContent;
    pool.RowMinDistance[row] = kOldContent;
    pool.RowQuality[row] = kOldContent;
  }
  return pool;
}

void ExpectCancelledAt(int row, long candidate, std::uint64_t seed) {
  SCOPED_TRACE("row " + std::to_string(row) + " candidate " + std::to_string(candidate));
  PoolData reference = MixedForecast();
  Random reference_random(seed);
  SilentObserver silent;
  ASSERT_EQ(CalculateTips(reference, reference_random, silent), CalculationResult::Complete);

  PoolData pool = MixedForecast();
  Random random(seed);
  CalculationTrace trace;
  trace.CancelAt(row, candidate);
  ASSERT_EQ(CalculateTips(pool, random, trace), CalculationResult::Cancelled);
  EXPECT_EQ(trace.rows[row].candidates, candidate);
  EXPECT_EQ(trace.accepted.size(), static_cast<std::size_t>(row - 1));

  PoolData quota = MixedForecast();
  ComputeQuota(quota);
  int wins = 0;
  for (int r = 1; r <= kRowCount; ++r) {
    const bool accepted = r < row;
    for (int match = 1; match <= kMatchCount; ++match) {
      ASSERT_EQ(pool.TipRows[match][r], accepted ? reference.TipRows[match][r] : kOldContent);
      if (accepted) --quota.OutcomeQuota[match][QuotaColumn(pool.TipRows[match][r])];
    }
    ASSERT_EQ(pool.RowQuality[r], accepted ? reference.RowQuality[r] : kOldContent);
    ASSERT_EQ(pool.RowNormErrors[r], accepted ? reference.RowNormErrors[r] : kOldContent);
    if (accepted)
      wins += pool.RowWinTally[r][0] + pool.RowWinTally[r][1] + pool.RowWinTally[r][2] +
              pool.RowWinTally[r][3];
  }
  EXPECT_EQ(pool.OutcomeQuota, quota.OutcomeQuota);
  EXPECT_EQ(pool.WinsRank1 + pool.WinsRank2 + pool.WinsRank3 + pool.WinsRank4, wins);
}

TEST(CancelTest, EveryRowCanBeCancelledAtAnyCandidate) {
  for (std::uint64_t seed = 30; seed < 33; ++seed) {
    PoolData pool = MixedForecast();
    Random random(seed);
    CalculationTrace trace;
    ASSERT_EQ(CalculateTips(pool, random, trace), CalculationResult::Complete);
    for (int row = 1; row <= kRowCount; ++row) {
      for (long candidate :
           {1L, (trace.rows[row].candidates + 1) / 2, trace.rows[row].candidates}) {
        ExpectCancelledAt(row, candidate, seed);
      }
    }
  }
}

// A row whose every candidate fails the mean test can only be left by
// cancelling, so the question comes before the mean test. Here the quota left
// allows only away wins, 13 NORM differences, where the mean asks for none.
TEST(CancelTest, ReachesCandidatesThatFailTheMeanTest) {
  PoolData pool;
  SetSeries(pool.NormSeries, "1111111111111");
  for (int match = 1; match <= kMatchCount; ++match) {
    pool.TipRows[match][1] = kHomeWin;
    pool.OutcomeQuota[match] = {0, 0, 0, 11};
  }
  pool.Fges = 0;
  pool.SystemQuality = 3;
  Random random(8);
  CalculationTrace trace;
  trace.CancelAt(2, 1000);
  ASSERT_EQ(ResumeTips(pool, 2, random, trace), CalculationResult::Cancelled);
  EXPECT_EQ(trace.rows[2].candidates, 1000);
  EXPECT_TRUE(trace.rows[2].statuses.empty());
}

}  // namespace
}  // namespace vorlanz
