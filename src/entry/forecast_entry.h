#pragma once

// The modal entry of the own and the official forecast: three weights per
// match under the tabs "Eigene" and "Amtliche".

namespace vorlanz {

inline constexpr int kOwnForecastTab = 1;
inline constexpr int kOfficialForecastTab = 2;

// Runs the entry opened on the tab `kind` (1 own, 2 official). OK stores both
// forecasts and sets the readiness flags; cancelling changes nothing.
void EnterForecast(int kind);

}  // namespace vorlanz
