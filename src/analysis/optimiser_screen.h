#pragma once

// "Optimieren" on the screen: the choice of the goal and the live picture of
// the optimiser while it calculates, scores and improves the tip sets.

#include <optional>
#include <string>

#include "analysis/logic/optimiser.h"

namespace vorlanz {

// Asks for the goal in an alert box, "mind. III" shown first; Return takes
// the goal shown, Escape or the right button gives nothing. F1 opens the help
// "Optimieren".
std::optional<OptimiserGoal> ChooseOptimiserGoal();

// Runs the optimiser for `goal` on the main window from the pool's own
// forecast, NORM series and System-Güte, scored by the draw weights of the
// contest. Escape or the right button asks whether to stop; "JA" keeps the
// best tip set so far. A found tip set becomes the current one with its
// figures, and its line ("Optimiert: ...") is returned; nothing if the user
// stopped before the first whole tip set. The main screen is not redrawn.
std::optional<std::string> OptimiseOnScreen(OptimiserGoal goal);

}  // namespace vorlanz
