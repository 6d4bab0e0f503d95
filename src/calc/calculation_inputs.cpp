#include "calc/calculation_inputs.h"

#include "entry/forecast_entry.h"
#include "entry/series_entry.h"
#include "model/pool_data.h"
#include "model/quota.h"
#include "widgets/alert_box.h"

namespace vorlanz {

bool CalculationInputsUsable() {
  const PoolData& pool = Pool();
  if (!IsSet(pool.NormReady)) {
    AlertBox(1, 0, 0, "Die NORM-Reihe fehlt noch!|* * *|Bitte eingeben!", 2, "_MACH ICH");
    EnterSeries(kNormTab);
    return false;
  }
  if (!ForecastIsSound(pool)) {
    AlertBox(1, 0, 0, "Ihre Vorlanz ist fehlerhaft!|* * *|Bitte verbessern!", 2, "_MACH ICH");
    EnterForecast(kOwnForecastTab);
    return false;
  }
  return true;
}

}  // namespace vorlanz
