#include "analysis/logic/contest_standings.h"

#include <algorithm>
#include <cstdint>

#include "analysis/logic/draw_weights.h"
#include "calc/logic/win_count.h"

namespace vorlanz {

ContestField PackContestField(const PoolData& pool) {
  ContestField field;
  for (int card = 0; card <= kLastCard; ++card) {
    field.occupied[card] = IsSet(pool.CardOccupied[card]);
    field.rows[card] = PackTipSet(pool.CardTips[card]);
  }
  return field;
}

void StartContestRun(PoolData& pool) {
  if (pool.ContestRun < INT16_MAX) ++pool.ContestRun;
  pool.ContestHits1.fill(0);
  pool.ContestHits2.fill(0);
  pool.ContestHits3.fill(0);
  pool.ContestHits4.fill(0);
  pool.ContestPoints.fill(0);
}

void ScoreContestSeries(PoolData& pool, const ContestField& field) {
  const PackedRow game = PackSeries(pool.GameSeries);
  for (int card = 0; card <= kLastCard; ++card) {
    if (!field.occupied[card]) continue;
    std::array<int, kPrizeRanks + 1> by_differences{};
    for (int row = 1; row <= kRowCount; ++row) {
      ++by_differences[std::min(Distance(field.rows[card][row], game), kPrizeRanks)];
    }
    pool.ContestHits1[card] += by_differences[0];
    pool.ContestHits2[card] += by_differences[1];
    pool.ContestHits3[card] += by_differences[2];
    pool.ContestHits4[card] += by_differences[3];
    for (int differences = 0; differences < kPrizeRanks; ++differences) {
      pool.ContestPoints[card] += by_differences[differences] * PrizePoints(differences);
    }
  }
}

void PlayContestSeries(PoolData& pool, const ContestField& field, Random& random) {
  DrawResultSeries(pool, random);
  ScoreContestSeries(pool, field);
}

void AddRunPoints(PoolData& pool) {
  for (int card = 0; card <= kLastCard; ++card) {
    const std::int64_t total = std::int64_t{pool.ContestTotal[card]} + pool.ContestPoints[card];
    pool.ContestTotal[card] = static_cast<std::int32_t>(std::min<std::int64_t>(total, INT32_MAX));
  }
}

void RankAfterRun(PoolData& pool) {
  SortContestOrder(pool);
  pool.ContestAverage = pool.ContestRun == 0
                            ? 0.0f
                            : static_cast<float>(pool.ContestTotal[pool.ContestOrder[0]]) /
                                  static_cast<float>(pool.ContestRun);
}

void SortContestOrder(PoolData& pool) {
  auto& order = pool.ContestOrder;
  const auto& total = pool.ContestTotal;
  for (int place = 1; place <= kLastCard; ++place) {
    const Byte card = order[place];
    if (total[order[place - 1]] >= total[card]) continue;
    int free = place;
    while (free > 0 && total[order[free - 1]] <= total[card]) {
      order[free] = order[free - 1];
      --free;
    }
    order[free] = card;
  }
}

int ContestPlace(const PoolData& pool, int card) {
  for (int place = 0; place <= kLastCard; ++place) {
    if (pool.ContestOrder[place] == card) return place;
  }
  return 0;
}

}  // namespace vorlanz
