#include "model/quota.h"

#include <cstdint>

#include "model/rounding.h"

namespace vorlanz {

namespace {

std::int64_t WeightTotal(const Table<Byte, kOutcomeCount>& weights) {
  return std::int64_t{weights[kHomeColumn]} + weights[kDrawColumn] + weights[kAwayColumn];
}

}  // namespace

void ComputeQuota(PoolData& pool) {
  for (int match = 1; match <= kMatchCount; ++match) {
    const auto& weights = pool.OwnForecast[match];
    const std::int64_t total = WeightTotal(weights);
    if (total == 0) continue;
    const auto home = RoundHalfEven(std::int64_t{kRowCount} * weights[kHomeColumn], total);
    const auto draw = RoundHalfEven(std::int64_t{kRowCount} * weights[kDrawColumn], total);
    auto& quota = pool.OutcomeQuota[match];
    quota[kHomeColumn] = static_cast<Byte>(home);
    quota[kDrawColumn] = static_cast<Byte>(draw);
    quota[kAwayColumn] = static_cast<Byte>(kRowCount - home - draw);
  }

  int fges = 0;
  int draw_sum = 0;
  int away_sum = 0;
  for (int match = 1; match <= kMatchCount; ++match) {
    const auto& quota = pool.OutcomeQuota[match];
    const Byte norm = pool.NormSeries[match];
    if (norm != kHomeWin) fges += quota[kHomeColumn];
    if (norm != kDraw) fges += quota[kDrawColumn];
    if (norm != kAwayWin) fges += quota[kAwayColumn];
    draw_sum += quota[kDrawColumn];
    away_sum += quota[kAwayColumn];
  }
  pool.Fges = static_cast<Byte>(fges);
  pool.DrawQuotaSum = static_cast<Byte>(draw_sum);
  pool.AwayQuotaSum = static_cast<Byte>(away_sum);
}

bool ForecastIsSound(const PoolData& pool) {
  for (int match = 1; match <= kMatchCount; ++match) {
    if (WeightTotal(pool.OwnForecast[match]) == 0) return false;
  }
  return true;
}

}  // namespace vorlanz
