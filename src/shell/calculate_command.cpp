#include "shell/calculate_command.h"

#include "calc/calculation_inputs.h"
#include "calc/calculation_screen.h"
#include "calc/system_quality_input.h"
#include "entry/forecast_entry.h"
#include "entry/series_entry.h"
#include "model/pool_data.h"
#include "shell/calculation_window.h"
#include "widgets/dialog_state.h"

namespace vorlanz {

bool PrepareCalculation() {
  PoolData& pool = Pool();
  DialogState& dialog = Dialog();
  dialog.LeaveFlag = false;
  // The entries leave LeaveFlag set however they end, so their own answer
  // tells: confirmed, the calculation goes on; cancelled, the command ends.
  if (!IsSet(pool.OwnForecastReady)) {
    EnterForecast(kOwnForecastTab);
    if (dialog.DialogKey != "O") return false;
  }
  if (!IsSet(pool.NormReady)) {
    EnterSeries(kNormTab);
    if (dialog.DialogKey != "O") return false;
  }
  dialog.LeaveFlag = false;
  // Asking for the System-Güte is pointless when nothing can be drawn.
  if (!CalculationInputsUsable()) return false;

  AskSystemQuality();
  ShowQualityFigure(pool.SystemQuality);
  return true;
}

void CalculateCommand() {
  if (!PrepareCalculation()) return;
  CalculateTips();
  if (!Dialog().LeaveFlag) CalculationWindow();
}

}  // namespace vorlanz
