#pragma once

// The prize ranks of the 13er Ergebniswette: a row that differs from the
// result series in 0, 1, 2 or 3 matches wins rank I, II, III or IV and earns
// 4, 3, 2 or 1 points; 4 or more differences win nothing.

#include <cstdint>

#include "model/pool_data.h"

namespace vorlanz {

inline constexpr int kPrizeRanks = 4;

constexpr bool Wins(int differences) {
  return differences < kPrizeRanks;
}

constexpr int PrizePoints(int differences) {
  return Wins(differences) ? kPrizeRanks - differences : 0;
}

// One more, but never past the largest value.
inline void CountUp(std::int32_t& count) {
  if (count < INT32_MAX) ++count;
}

// Counts a winning row into WinsRank1..4 and RowWinTally[row][differences].
void CountRowWin(PoolData& pool, int row, int differences);

// Clears WinsRank1..4 and every entry of RowWinTally.
void ClearWinCounts(PoolData& pool);

}  // namespace vorlanz
