#pragma once

// The modal entry of the NORM and GAME series: one outcome code per match
// under the tabs "Norm" and "Game".

namespace vorlanz {

inline constexpr int kNormTab = 1;
inline constexpr int kGameTab = 2;

// Runs the entry opened on the tab `kind` (1 NORM, 2 GAME). OK stores both
// series and sets their readiness flags; cancelling changes nothing. Redraws
// the series columns of the tip picture afterwards.
void EnterSeries(int kind);

}  // namespace vorlanz
