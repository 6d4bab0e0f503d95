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

}  // namespace vorlanz
