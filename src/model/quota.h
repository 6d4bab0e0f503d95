#pragma once

// The quota step: the own forecast scaled to twelfths per match, and the
// expected numbers of NORM differences, draws and away wins of a row (in
// twelfths) that the calculation aims at.

#include "model/pool_data.h"

namespace vorlanz {

// Fills OutcomeQuota, Fges, DrawQuotaSum and AwayQuotaSum from OwnForecast and
// NormSeries. A match whose three weights are all 0 keeps the quota it had.
void ComputeQuota(PoolData& pool);

// True if every match of the own forecast has at least one positive weight,
// which the calculation needs to draw a row. A forecast failing this is told
// to the user as "Ihre Vorlanz ist fehlerhaft!".
bool ForecastIsSound(const PoolData& pool);

}  // namespace vorlanz
