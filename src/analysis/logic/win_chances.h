#pragma once

// The exact win chances of a tip set: with every match's outcome drawn
// independently by fixed probabilities, the chance that the best of the rows
// reaches each prize rank, the expected number of rows per rank and the
// expected points, taken over all 3^13 result series at once instead of
// sampled as the contest does.

#include <array>
#include <cstdint>

#include "analysis/logic/contest_standings.h"
#include "model/pool_data.h"
#include "model/prize_ranks.h"

namespace vorlanz {

// The probability of each outcome code per match: [match 1..13][code], code 0
// a draw, 1 a home win, 2 an away win. Each match's three add up to 1.
using OutcomeChances = Table<std::array<double, kOutcomeCount>, kMatchCount>;

// Draw weights [match][column 1..3] (home win, draw, away win) as
// probabilities: each weight divided by its match's sum; a match whose weights
// are all 0 gets three equally likely outcomes.
OutcomeChances ChancesFromWeights(const MatchTable& weights);

struct WinChances {
  // [k]: probability that the best row has at most k differences, so [0] is
  // rank I, [1] at least rank II, [2] at least III, [3] at least IV.
  std::array<double, kPrizeRanks> best_rank_at_least{};
  // [k]: expected number of rows with exactly k differences (rank I + k).
  std::array<double, kPrizeRanks> expected_rows{};
  double expected_points = 0;          // per drawn series, all rows together
  double expected_points_per_run = 0;  // per run of kSeriesPerRun series
  std::int32_t series_walked = 0;      // result series looked at for the best-row chances
};

// The figures of rows 1..row_count of `rows` ([match][row], as TipRows and
// each card of CardTips hold them) over matches 1..match_count; the matches
// after match_count take no part (tests compare small cases with a full walk).
// A code outside 0..2 never matches.
WinChances ComputeWinChances(const RowTable& rows, const OutcomeChances& chances,
                             int row_count = kRowCount, int match_count = kMatchCount);

// The same, but the best row's chances only for ranks within `reach`
// differences (0 rank I .. 3 rank IV, -1 none), which needs only the series
// that close to a row: best_rank_at_least[k] is exact for k <= reach and 0
// beyond. Expected rows and points are always whole.
WinChances ComputeWinChancesUpTo(const RowTable& rows, const OutcomeChances& chances, int reach,
                                 int row_count = kRowCount, int match_count = kMatchCount);

}  // namespace vorlanz
