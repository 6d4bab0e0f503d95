#include "analysis/logic/check_figures.h"

#include "analysis/logic/draw_weights.h"
#include "calc/logic/win_count.h"
#include "model/prize_ranks.h"
#include "model/row_figures.h"

namespace vorlanz {

std::int64_t WinPercentage(const PoolData& pool, std::int64_t calculations) {
  if (calculations <= 0) return 0;
  const std::int64_t wins =
      std::int64_t{pool.WinsRank1} + pool.WinsRank2 + pool.WinsRank3 + pool.WinsRank4;
  return 100 * wins / calculations;
}

std::int64_t PrizePointsWon(const PoolData& pool) {
  return PrizePoints(0) * std::int64_t{pool.WinsRank1} +
         PrizePoints(1) * std::int64_t{pool.WinsRank2} +
         PrizePoints(2) * std::int64_t{pool.WinsRank3} +
         PrizePoints(3) * std::int64_t{pool.WinsRank4};
}

RowFigures ScoreTipSet(PoolData& pool, const PackedTipSet& tips) {
  const PackedRow game = PackSeries(pool.GameSeries);
  RowFigures errors{};
  for (int row = 1; row <= kRowCount; ++row) {
    errors[row] = Distance(tips[row], game);
    if (WinsPrize(errors[row])) CountRowWin(pool, row, errors[row]);
  }
  return errors;
}

RowFigures PlayRandomSeries(PoolData& pool, const PackedTipSet& tips, Random& random) {
  DrawResultSeries(pool, random);
  return ScoreTipSet(pool, tips);
}

RowFigures FewestDifferences(const PoolData& pool, int card) {
  RowFigures fewest{};
  for (int row = 1; row <= kRowCount; ++row) {
    fewest[row] = NearestRowDistance(pool.TipRows, row, pool.CardTips[card]);
  }
  return fewest;
}

}  // namespace vorlanz
