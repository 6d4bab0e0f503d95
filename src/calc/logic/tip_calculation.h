#pragma once

// The tip calculation: twelve rows drawn at random, outcome by outcome,
// weighted by the quota still left, each kept only if it passes the mean,
// count and distance tests. Together the rows carry every outcome of every
// match exactly as often as the quota says.

#include "calc/logic/calculation_observer.h"
#include "model/pool_data.h"
#include "model/random.h"

namespace vorlanz {

// After this many wraps of the working quality from 0 to 7 within one row, a
// candidate that passes the other tests and is not too close is taken without
// touching the working quality. Without it a row whose every candidate stays
// further away than any working quality would never end; rows that can still
// finish by the rules need far fewer wraps (three at most in thousands of
// calculations), so they are not cut short.
inline constexpr int kWrapsBeforeRelaxing = 6;

enum class CalculationResult {
  Complete,        // rows 1..12 are in TipRows with their figures
  Cancelled,       // the observer asked to stop; rows accepted before stay
  FaultyForecast,  // nothing was drawn: a match has no weight (or no quota) to draw from
};

// Runs the quota step and builds rows 1..12 into the pool's tip set, counting
// wins against the GAME series if it is entered.
CalculationResult CalculateTips(PoolData& pool, Random& random, CalculationObserver& observer);

// Continues a calculation at `first_row`: rows 1..first_row-1 are taken from
// TipRows, the quota left from OutcomeQuota (each match must have 13 -
// first_row units left) and Fges, DrawQuotaSum, AwayQuotaSum as they stand.
CalculationResult ResumeTips(PoolData& pool, int first_row, Random& random,
                             CalculationObserver& observer);

}  // namespace vorlanz
