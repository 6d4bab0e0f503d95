#pragma once

// The federal state's tick in the main window's menu.

namespace vorlanz {

// Menu ids of the federal states: the state's index plus 10.
inline constexpr int kFirstStateCommand = 10;

// Ticks the menu item of Bundesland and clears every other tick of the
// state group (ids 10 to 25).
void MarkBundesland();

}  // namespace vorlanz
