#pragma once

// The contest of the stored cards: every row of every stored card is scored
// against drawn result series by the prize ranks, points are summed per run
// of 100 series and over all runs, and the cards are ranked by their total.

#include <array>

#include "calc/logic/packed_row.h"
#include "model/pool_data.h"
#include "model/random.h"

namespace vorlanz {

inline constexpr int kSeriesPerRun = 100;

// The rows of the stored cards, packed once per contest.
struct ContestField {
  std::array<PackedTipSet, kLastCard + 1> rows{};
  std::array<bool, kLastCard + 1> occupied{};
};
ContestField PackContestField(const PoolData& pool);

// The next run: ContestRun goes up by one, the run's hits and points start
// from 0.
void StartContestRun(PoolData& pool);

// Scores every stored card against GameSeries: each row with 0..3
// differences adds one hit of its rank and 4..1 points to the card's run.
void ScoreContestSeries(PoolData& pool, const ContestField& field);

// Draws one result series by the weights in OutcomeQuota into GameSeries and
// scores the stored cards against it.
void PlayContestSeries(PoolData& pool, const ContestField& field, Random& random);

// The run's points go onto the totals (which stop at their largest value).
void AddRunPoints(PoolData& pool);
// The cards ranked again by their totals, and ContestAverage the leader's
// total per run.
void RankAfterRun(PoolData& pool);

// Sorts ContestOrder by ContestTotal, highest first. A card that overtakes
// moves in front of every card with the total it reached; cards that do not
// overtake keep their order.
void SortContestOrder(PoolData& pool);

// The place (0 = leader) of a card in ContestOrder.
int ContestPlace(const PoolData& pool, int card);

}  // namespace vorlanz
