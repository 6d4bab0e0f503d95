#pragma once

// The frame of the tab dialogs: a row of tabs along the top edge of the
// current window over a raised panel. Tab items end with "|"; text after the
// last "|" is not a tab.

#include <string_view>

namespace vorlanz {

// Draws the panel frame and the tab row of items with tab number selected
// (1-based) open. Fills TabRight, TabHotkey and TabCount of the dialog state.
// Each tab is 8 n + 7 pixels wide for an item of n characters ("_" counted);
// the first starts at x = 8, the texts' tops are at y = 15.
void DrawTabRow(int selected, std::string_view items);

// The frame of one tab for an item of length characters starting at x; an
// open tab is one pixel taller and merges into the panel below.
void DrawTab(bool selected, int x, int length);

// Where a tab dialog's button row sits, in pixels.
struct TabDialogButtons {
  int separator_margin = 0;    // the separator above the buttons ends this far from the right edge
  int ok_from_middle = 0;      // left edge of "OK" from the middle of the window
  int cancel_from_middle = 0;  // left edge of "ABBRUCH" from the middle of the window
};

// Everything of a tab dialog in a window of the given client size but its
// contents: the separator above the button row, the "OK" and "ABBRUCH"
// buttons where `buttons` puts them, and the tab row of TabItems with
// CurrentTab open. Sets ButtonTop, OkLeft and CancelLeft of the dialog state.
void DrawTabDialogFrame(int width, int height, const TabDialogButtons& buttons);

// The buttons of a tab dialog are this many characters wide.
inline constexpr int kTabButtonChars = 7;

enum class TabButton { Ok, Cancel };
enum class ButtonLook { Normal = 0, Pressed = 1 };  // the values DrawPushButton takes

// Draws the open tab dialog's "OK" or "ABBRUCH" button in the given look.
void DrawTabDialogButton(TabButton button, ButtonLook look);

// A raised frame: one light line top and left, two dark lines bottom and
// right.
void DrawPanelFrame(int x1, int y1, int x2, int y2);

}  // namespace vorlanz
