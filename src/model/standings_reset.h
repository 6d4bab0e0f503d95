#pragma once

// The contest standings start afresh: loading a data file does this, so that
// the contest that follows counts its runs from 1 again.

#include "model/pool_data.h"

namespace vorlanz {

// ContestTotal, ContestRun and ContestAverage 0, ContestOrder the cards in
// their own order.
void ResetContestStandings(PoolData& pool);

}  // namespace vorlanz
