#include "entry/logic/series_edit.h"

namespace vorlanz {

void LoadSeriesEdits(PoolData& pool) {
  for (int m = 1; m <= kMatchCount; ++m) {
    pool.NormSeriesEdit[m] = pool.NormSeries[m];
    pool.GameSeriesEdit[m] = pool.GameSeries[m];
  }
  if (!IsSet(pool.NormReady)) pool.NormSeriesEdit.fill(kNoEntry);
  if (!IsSet(pool.GameReady)) pool.GameSeriesEdit.fill(kNoEntry);
}

Series& SeriesEditOfTab(PoolData& pool, int tab) {
  return tab == 1 ? pool.NormSeriesEdit : pool.GameSeriesEdit;
}

bool SeriesComplete(const Series& series) {
  for (int m = 1; m <= kMatchCount; ++m) {
    if (series[m] == kNoEntry) return false;
  }
  return true;
}

void CommitSeriesEdits(PoolData& pool) {
  for (int m = 1; m <= kMatchCount; ++m) {
    pool.NormSeries[m] = pool.NormSeriesEdit[m];
    pool.GameSeries[m] = pool.GameSeriesEdit[m];
  }
  pool.NormReady = ToFlag(SeriesComplete(pool.NormSeries));
  pool.GameReady = ToFlag(SeriesComplete(pool.GameSeries));
}

}  // namespace vorlanz
