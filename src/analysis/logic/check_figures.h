#pragma once

// The figures of the check, the test run, the random series and the
// comparison with a card: rows scored against a result series by the prize
// ranks, and rows compared with the rows of a card.

#include <array>
#include <cstdint>

#include "calc/logic/packed_row.h"
#include "model/pool_data.h"
#include "model/random.h"

namespace vorlanz {

inline constexpr int kTrialsPerCheck = 100;

// Per row 1..12 (entry 0 unused).
using RowFigures = std::array<int, kRowCount + 1>;

// Winning rows (of any rank) per 100 calculations of 12 rows each, as a
// whole number; above 100 when a calculation wins more than one row.
std::int64_t WinPercentage(const PoolData& pool, std::int64_t calculations);

// 4 points for each rank I win, 3 for rank II, 2 for III, 1 for IV.
std::int64_t PrizePointsWon(const PoolData& pool);

// The differences of each row of the tip set from GameSeries (all 13 matches
// counted); winning rows are counted into WinsRank1..4 and RowWinTally.
RowFigures ScoreTipSet(PoolData& pool, const PackedTipSet& tips);

// One random series: drawn by the weights in OutcomeQuota into GameSeries,
// and the tip set scored against it.
RowFigures PlayRandomSeries(PoolData& pool, const PackedTipSet& tips, Random& random);

// For each row of the current tip set the fewest matches in which it differs
// from a row of the card, never more than 11.
RowFigures FewestDifferences(const PoolData& pool, int card);

}  // namespace vorlanz
