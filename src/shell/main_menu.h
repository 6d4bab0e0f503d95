#pragma once

#include "shell/menu_commands.h"

namespace vorlanz {

// Builds the menu bar from its description, installs it and ticks the
// federal state.
void BuildMainMenu();
// Runs one menu command to completion. While it runs the menu bar is
// disabled, so commands never nest; afterwards pending input is discarded and
// the main screen is redrawn.
void Win_1_MenuEvent(int id);

}  // namespace vorlanz
