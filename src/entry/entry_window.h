#pragma once

// The window scheme shared by the forecast and the series entry: a window
// over the main window with a tab row, a separator, the buttons OK and
// ABBRUCH, and an entry panel of platform edit fields; and the modal loop that
// runs it until the user confirms or cancels. Each entry supplies its fields
// and the edit copies behind them; switching tabs moves what was typed into
// the edit copy of the tab that was shown.

#include <functional>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace vorlanz {

// What tells one entry dialog from the other.
struct EntryLayout {
  std::string_view title;
  int left = 0;  // x of the window in the main window's client area
  int panel_height = 0;
  std::string_view tab_items;
  // Commands: base + 0 confirms, + 2 cancels, + 4 shows tab 1, + 6 tab 2.
  int command_base = 0;
  // Alt+letter accelerators of the panel and the commands they send.
  struct Accelerator {
    char letter;
    int command;
  };
  std::vector<Accelerator> accelerators;
  std::string_view help_topics[2];  // by tab
  // Keypad digits 0 to 2, Return and Down move on to the next field.
  bool keys_move_on = false;
  // The field that has the keyboard focus when the panel opens.
  int first_field = 0;
};

// The entry's fields, bound to the edit copies of the two tabs.
struct EntryFields {
  // Creates the fields in the panel, filled from the edit copy of the tab,
  // and draws their labels into the panel.
  std::function<void(platform::WindowId panel, int tab)> create;
  // Reads every field into the edit copy of the tab.
  std::function<void(int tab)> store;
  // Sets every field from the edit copy of the tab.
  std::function<void(int tab)> show;
};

struct EntryWindow {
  platform::WindowId window = 0;
  platform::WindowId panel = 0;
};

// Opens the window on tab `kind` and draws its frame: tab row, separator and
// buttons. Sets up the tab dialog state for it.
EntryWindow OpenEntryWindow(const EntryLayout& layout, int kind);
// Builds the entry panel and runs the dialog until it is confirmed (DialogKey
// "O", OkFlag set, the shown fields stored) or cancelled (DialogKey "X").
// LeaveFlag is set on return.
void RunEntryDialog(EntryWindow& entry, const EntryLayout& layout, const EntryFields& fields);
// Draws the OK or the ABBRUCH button pressed.
void DrawOkPressed(const EntryWindow& entry);
void DrawCancelPressed(const EntryWindow& entry);
// Pauses a moment, closes panel and window and makes the main window current.
void CloseEntryWindow(EntryWindow& entry);

// Draws a match label "nn" + suffix (the number right-aligned in two
// characters) at (x, y) of the current window in screen font 8.
void DrawMatchLabel(int x, int y, int match, std::string_view suffix);

}  // namespace vorlanz
