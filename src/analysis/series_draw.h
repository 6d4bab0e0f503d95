#pragma once

// The draw weights and the GAME series around the simulations, on the
// process-wide tables.

namespace vorlanz {

// Prepares the draw weights: asks for the official forecast first if no own
// forecast is entered, then copies the forecast in use into OutcomeQuota.
void LoadDrawWeightsAskingForecast();

// Puts the entered GAME series back after the simulations drew into it.
void RestoreGameSeries();

}  // namespace vorlanz
