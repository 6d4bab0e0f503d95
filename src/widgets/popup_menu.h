#pragma once

// A pop-up text menu drawn into the current window: a raised grey box with a
// vertical list of items, optionally grouped under headings ("-TITLE"; "-"
// alone is a plain separator). A selection bar follows the mouse pointer and
// the Up and Down keys; a hot key, Return or a click chooses.

#include <string_view>

namespace vorlanz {

inline constexpr int kPopupLeftArrow = 96;
inline constexpr int kPopupRightArrow = 97;
inline constexpr int kPopupClickedOutside = 98;
inline constexpr int kPopupCancelled = 99;

// Shows the menu with its top left corner at (x, y) and returns the index of
// the chosen item (0..last, headings counted), 96 for the Left key, 97 for
// the Right key, 98 for a click outside the menu's columns or into the top
// 21 pixel rows, 99 when a key is handled while the right mouse button is
// held. The keypad digits act as the digit keys. Escape does not close the
// menu. The items' hot keys stay in PopupHotkeys of the dialog state; at
// most 16 items are used. The screen under the menu is
// put back before it returns.
int PopupMenu(int x, int y, std::string_view items);

// Draws (on 1) or removes (on 0) the selection bar of the row whose reference
// line is bar_y in the menu shown last; row_x is its item column.
void SelectionBar(int on, int row_x, int bar_y);

}  // namespace vorlanz
