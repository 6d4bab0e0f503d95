#include "model/quota.h"

#include <gtest/gtest.h>

#include <array>

#include "model/rounding.h"
#include "support/calculation_trace.h"

namespace vorlanz {
namespace {

using testing::SetAllWeights;
using testing::SetSeries;
using Quota = std::array<int, 3>;

Quota QuotaOf(const PoolData& pool, int match) {
  const auto& quota = pool.OutcomeQuota[match];
  return {quota[kHomeColumn], quota[kDrawColumn], quota[kAwayColumn]};
}

// The quota of one match from its weights; the other twelve are 4:4:4.
Quota ScaledQuota(Byte home, Byte draw, Byte away) {
  PoolData pool;
  SetAllWeights(pool, 4, 4, 4);
  pool.OwnForecast[7] = {0, home, draw, away};
  ComputeQuota(pool);
  return QuotaOf(pool, 7);
}

TEST(RoundHalfEvenTest, IntervalHoldsExactlyTheNumeratorsRoundingToTheQuotient) {
  for (std::int64_t denominator = 1; denominator <= 12; ++denominator) {
    for (std::int64_t quotient = 0; quotient <= 14; ++quotient) {
      const Interval interval = RoundingToHalfEven(quotient, denominator);
      for (std::int64_t numerator = 0; numerator <= 200; ++numerator) {
        const bool inside = numerator >= interval.low && numerator <= interval.high;
        ASSERT_EQ(inside, RoundHalfEven(numerator, denominator) == quotient)
            << numerator << " / " << denominator << " -> " << quotient;
      }
    }
  }
}

TEST(ComputeQuotaTest, ScalesEachMatchToTwelfthsWithoutOverflow) {
  struct Row {
    Byte home, draw, away;
    Quota expected;
  };
  const Row rows[] = {
      {5, 4, 3, {5, 4, 3}},    {12, 0, 0, {12, 0, 0}},     {1, 1, 1, {4, 4, 4}},
      {2, 1, 0, {8, 4, 0}},    {1, 2, 4, {2, 3, 7}},       {1, 3, 4, {2, 4, 6}},
      {0, 0, 7, {0, 0, 12}},   {255, 255, 255, {4, 4, 4}}, {255, 0, 1, {12, 0, 0}},
      {1, 0, 255, {0, 0, 12}}, {255, 255, 0, {6, 6, 0}},   {200, 100, 100, {6, 3, 3}}};
  for (const Row& row : rows) {
    EXPECT_EQ(ScaledQuota(row.home, row.draw, row.away), row.expected)
        << int{row.home} << ":" << int{row.draw} << ":" << int{row.away};
  }
}

TEST(ComputeQuotaTest, MatchWithoutWeightsKeepsItsStaleQuota) {
  PoolData pool;
  SetAllWeights(pool, 5, 4, 3);
  pool.OwnForecast[3] = {0, 0, 0, 0};
  pool.OutcomeQuota[3] = {0, 1, 2, 3};
  ComputeQuota(pool);
  EXPECT_EQ(QuotaOf(pool, 3), (Quota{1, 2, 3}));
  EXPECT_EQ(QuotaOf(pool, 4), (Quota{5, 4, 3}));
}

TEST(ComputeQuotaTest, FgesCountsTheQuotaOffTheNormOutcome) {
  PoolData pool;
  SetAllWeights(pool, 12, 0, 0);
  pool.OwnForecast[1] = {0, 5, 4, 3};
  SetSeries(pool.NormSeries, "1111111111111");
  ComputeQuota(pool);
  EXPECT_EQ(pool.Fges, 7);  // match 1 adds 4 + 3, the others nothing
  EXPECT_EQ(pool.DrawQuotaSum, 4);
  EXPECT_EQ(pool.AwayQuotaSum, 3);

  SetSeries(pool.NormSeries, "0111111111111");
  ComputeQuota(pool);
  EXPECT_EQ(pool.Fges, 8);  // 5 + 3
  SetSeries(pool.NormSeries, "2111111111111");
  ComputeQuota(pool);
  EXPECT_EQ(pool.Fges, 9);         // 5 + 4
  pool.NormSeries.fill(kNoEntry);  // a missing entry differs from every outcome
  ComputeQuota(pool);
  EXPECT_EQ(pool.Fges, 12 * 13);
}

TEST(ForecastIsSoundTest, EveryMatchNeedsAPositiveWeight) {
  PoolData pool;
  EXPECT_FALSE(ForecastIsSound(pool));
  SetAllWeights(pool, 0, 0, 1);
  EXPECT_TRUE(ForecastIsSound(pool));
  pool.OwnForecast[13] = {0, 0, 0, 0};
  EXPECT_FALSE(ForecastIsSound(pool));
  pool.OwnForecast[13] = {0, 255, 255, 255};
  EXPECT_TRUE(ForecastIsSound(pool));
}

}  // namespace
}  // namespace vorlanz
