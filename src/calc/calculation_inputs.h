#pragma once

// Whether the own forecast and the NORM series allow a calculation.

namespace vorlanz {

// True if the NORM series is entered and every match of the own forecast has
// a weight to draw from. Otherwise tells the user what is missing, opens the
// entry that mends it and returns false: a missing NORM series gives "Die
// NORM-Reihe fehlt noch!" and the series entry, a match whose weights are all
// 0 gives "Ihre Vorlanz ist fehlerhaft!" and the forecast entry.
bool CalculationInputsUsable();

}  // namespace vorlanz
