#pragma once

#include <string_view>

// The command mode after a calculation, or after a stored card was opened:
// the tip picture stays in view, a left click opens the command menu and a
// released hot-key letter runs its command directly.

namespace vorlanz {

// The command menu of the calculation window.
inline constexpr const char* kCalculationMenu =
    "-TIPPS| _berechnen| _merken| auswä_hlen| _vergleichen| _drucken|-REIHE| _Game| _Zufall| "
    "_Testlauf|-DATEN| _sichern| _laden|-ANALYSE| _Wettstreit| _Prüfung";

// Runs commands until the user leaves: the X key, a right click, a click in
// the top 20 pixel rows, or a click that chooses no command (at the bottom
// right after opening the help "Berechnung"). A note about how the tip set
// came about stands in the status line until the first command runs.
void CalculationWindow(std::string_view note = {});

}  // namespace vorlanz
