#pragma once

// The win counts of the rows that reach a prize rank.

#include <cstdint>

#include "model/pool_data.h"
#include "model/prize_ranks.h"

namespace vorlanz {

// One more, but never past the largest value.
inline void CountUp(std::int32_t& count) {
  if (count < INT32_MAX) ++count;
}

// Counts a winning row into WinsRank1..4 and RowWinTally[row][differences].
void CountRowWin(PoolData& pool, int row, int differences);

// Clears WinsRank1..4 and every entry of RowWinTally.
void ClearWinCounts(PoolData& pool);

}  // namespace vorlanz
