#include "shell/optimise_command.h"

#include <optional>
#include <string>

#include "analysis/optimiser_screen.h"
#include "board/main_screen.h"
#include "board/tip_picture.h"
#include "model/pool_data.h"
#include "shell/calculate_command.h"
#include "shell/calculation_window.h"

namespace vorlanz {

void OptimiseCommand() {
  PoolData& pool = Pool();
  const Byte system_quality = pool.SystemQuality;
  const Byte working_quality = pool.WorkingQuality;
  if (!PrepareCalculation()) return;
  const std::optional<OptimiserGoal> goal = ChooseOptimiserGoal();
  if (!goal) {
    pool.SystemQuality = system_quality;
    pool.WorkingQuality = working_quality;
    return;
  }
  const std::optional<std::string> line = OptimiseOnScreen(*goal);
  if (!line) return;
  DrawMainScreen();
  DrawTipSet();
  CalculationWindow(*line);
}

}  // namespace vorlanz
