#pragma once

namespace vorlanz {

// The main-menu command "Optimieren": prepares as "berechnen" does, asks for
// the goal, finds the best tip set of many by it and opens the calculation
// window with that set and its line. Cancelling the goal choice changes
// nothing, the System-Güte included.
void OptimiseCommand();

}  // namespace vorlanz
