#include "analysis/logic/draw_weights.h"

namespace vorlanz {

namespace {

constexpr Byte kOutcomeOfColumn[kOutcomeCount] = {kHomeWin, kDraw, kAwayWin};

}  // namespace

bool DrawsFromOfficialForecast(const PoolData& pool) {
  return IsSet(pool.OfficialForecastReady);
}

const MatchTable& DrawWeights(const PoolData& pool) {
  return DrawsFromOfficialForecast(pool) ? pool.OfficialForecast : pool.OwnForecast;
}

void LoadDrawWeights(PoolData& pool) {
  const MatchTable& source = DrawWeights(pool);
  for (int match = 1; match <= kMatchCount; ++match) {
    for (int column = 1; column <= kOutcomeCount; ++column) {
      pool.OutcomeQuota[match][column] = source[match][column];
    }
  }
}

Byte DrawWeightedOutcome(const Table<Byte, kOutcomeCount>& weights, Random& random) {
  const int home = weights[kHomeColumn];
  const int draw = weights[kDrawColumn];
  const int away = weights[kAwayColumn];
  if (home + draw + away == 0) return kOutcomeOfColumn[random.Below(kOutcomeCount)];
  return DrawOutcome(home, draw, away, random);
}

void DrawResultSeries(PoolData& pool, Random& random) {
  for (int match = 1; match <= kMatchCount; ++match) {
    pool.GameSeries[match] = DrawWeightedOutcome(pool.OutcomeQuota[match], random);
  }
}

void RestoreGameSeries(PoolData& pool) {
  for (int match = 1; match <= kMatchCount; ++match) {
    pool.GameSeries[match] = pool.GameSeriesEdit[match];
  }
}

}  // namespace vorlanz
