#include "model/pool_data.h"

namespace vorlanz {

namespace {
PoolData& Instance() {
  static PoolData data;
  return data;
}
}  // namespace

PoolData& Pool() {
  return Instance();
}

void ResetPool() {
  Instance() = PoolData{};
}

void ResetContestStandings(PoolData& pool) {
  const PoolData start;
  pool.ContestTotal = start.ContestTotal;
  pool.ContestRun = start.ContestRun;
  pool.ContestAverage = start.ContestAverage;
  pool.ContestOrder = start.ContestOrder;
}

}  // namespace vorlanz
