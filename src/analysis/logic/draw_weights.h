#pragma once

// The draw weights of the simulations and the weighted draw of a result
// series from them. The contest, the test run and "Zufall" draw their series
// this way; the exact win chances work from the same weights.

#include "model/pool_data.h"
#include "model/random.h"

namespace vorlanz {

// Copies the forecast the draws follow into OutcomeQuota: the official one if
// it is entered, else the own one. The weights stay as they are, whatever
// their total; a match whose weights are all 0 draws each outcome alike.
void LoadDrawWeights(PoolData& pool);
// Whether LoadDrawWeights takes the official forecast.
bool DrawsFromOfficialForecast(const PoolData& pool);
// The forecast LoadDrawWeights copies.
const MatchTable& DrawWeights(const PoolData& pool);

// One outcome drawn with the chance weight / total of its weight; each of the
// three alike when all weights are 0.
Byte DrawWeightedOutcome(const Table<Byte, kOutcomeCount>& weights, Random& random);

// A new result for every match, drawn by the weights in OutcomeQuota, into
// GameSeries. The weights are not changed.
void DrawResultSeries(PoolData& pool, Random& random);

// Puts the entered GAME series (GameSeriesEdit) back into GameSeries.
void RestoreGameSeries(PoolData& pool);

}  // namespace vorlanz
