#pragma once

// The edit copies of the forecast entry: loaded when the entry opens, one per
// tab, and copied back only when the user confirms.

#include "model/pool_data.h"

namespace vorlanz {

// Copies both forecasts into their edit copies.
void LoadForecastEdits(PoolData& pool);
// The edit copy shown under a tab: 1 the own forecast, any other the official.
MatchTable& ForecastEditOfTab(PoolData& pool, int tab);
// Confirms the entry with `shown_tab` in front: both edit copies become the
// forecasts; OwnForecastReady becomes true and OfficialForecastReady tells
// whether the official tab was the one shown.
void CommitForecastEdits(PoolData& pool, int shown_tab);

}  // namespace vorlanz
