#include "analysis/series_draw.h"

#include "analysis/logic/draw_weights.h"
#include "entry/forecast_entry.h"
#include "model/pool_data.h"

namespace vorlanz {

void LoadDrawWeightsAskingForecast() {
  if (!IsSet(Pool().OwnForecastReady)) EnterForecast(kOfficialForecastTab);
  LoadDrawWeights(Pool());
}

void RestoreGameSeries() {
  RestoreGameSeries(Pool());
}

SimulationRate& SimulationRefresh() {
  static SimulationRate rate;
  return rate;
}

SimulationClock::SimulationClock(SimulationRate rate)
    : rate_(rate), countdown_(rate.steps), next_(Clock::now() + rate.interval) {}

bool SimulationClock::Due() {
  if (--countdown_ > 0) return false;
  countdown_ = rate_.steps;
  const Clock::time_point now = Clock::now();
  if (now < next_) return false;
  next_ = now + rate_.interval;
  return true;
}

}  // namespace vorlanz
