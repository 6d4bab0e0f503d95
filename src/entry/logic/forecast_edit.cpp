#include "entry/logic/forecast_edit.h"

namespace vorlanz {

void LoadForecastEdits(PoolData& pool) {
  pool.OwnForecastEdit = pool.OwnForecast;
  pool.OfficialForecastEdit = pool.OfficialForecast;
}

MatchTable& ForecastEditOfTab(PoolData& pool, int tab) {
  return tab == 1 ? pool.OwnForecastEdit : pool.OfficialForecastEdit;
}

void CommitForecastEdits(PoolData& pool, int shown_tab) {
  for (int m = 1; m <= kMatchCount; ++m) {
    for (int o = 1; o <= kOutcomeCount; ++o) {
      pool.OwnForecast[m][o] = pool.OwnForecastEdit[m][o];
      pool.OfficialForecast[m][o] = pool.OfficialForecastEdit[m][o];
    }
  }
  pool.OwnForecastReady = kTrue;
  pool.OfficialForecastReady = ToFlag(shown_tab != 1);
}

}  // namespace vorlanz
