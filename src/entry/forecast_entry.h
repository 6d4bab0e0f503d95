#pragma once

// The modal entry of the own and the official forecast: three weights per
// match under the tabs "Eigene" and "Amtliche".

#include "model/pool_data.h"

namespace vorlanz {

inline constexpr int kOwnForecastTab = 1;
inline constexpr int kOfficialForecastTab = 2;

// Runs the entry opened on the tab `kind` (1 own, 2 official). OK stores both
// forecasts and sets the readiness flags; cancelling changes nothing.
void EnterForecast(int kind);

// Runs the entry on the own tab with the given weights in its fields instead
// of the own forecast's: OK stores them, cancelling keeps the old forecast.
void EnterForecastFrom(const MatchTable& own);

}  // namespace vorlanz
