#include "model/standings_reset.h"

namespace vorlanz {

void ResetContestStandings(PoolData& pool) {
  pool.ContestTotal.fill(0);
  pool.ContestRun = 0;
  pool.ContestAverage = 0;
  for (int place = 0; place <= kLastCard; ++place)
    pool.ContestOrder[place] = static_cast<Byte>(place);
}

}  // namespace vorlanz
