#pragma once

// The edit copies of the series entry: loaded when the entry opens (a series
// not yet ready shows no entries at all), one per tab, and copied back only
// when the user confirms.

#include "model/pool_data.h"

namespace vorlanz {

// Copies both series into their edit copies; the copy of a series that is not
// ready is filled with 255 (no entry) throughout, index 0 included.
void LoadSeriesEdits(PoolData& pool);
// The edit copy shown under a tab: 1 NORM, any other GAME.
Series& SeriesEditOfTab(PoolData& pool, int tab);
// Confirms the entry: both edit copies become the series, and each series is
// ready only if every match 1..13 has an entry.
void CommitSeriesEdits(PoolData& pool);
// Every match 1..13 holds an entry other than 255.
bool SeriesComplete(const Series& series);

}  // namespace vorlanz
