#include "calc/logic/win_count.h"

namespace vorlanz {

void CountRowWin(PoolData& pool, int row, int differences) {
  std::int32_t* const ranks[kPrizeRanks] = {&pool.WinsRank1, &pool.WinsRank2, &pool.WinsRank3,
                                            &pool.WinsRank4};
  CountUp(*ranks[differences]);
  CountUp(pool.RowWinTally[row][differences]);
}

void ClearWinCounts(PoolData& pool) {
  pool.WinsRank1 = pool.WinsRank2 = pool.WinsRank3 = pool.WinsRank4 = 0;
  for (auto& row : pool.RowWinTally) row.fill(0);
}

}  // namespace vorlanz
