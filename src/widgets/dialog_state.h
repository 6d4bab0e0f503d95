#pragma once

// The dialog state shared by all modal loops of the program: the key that
// ended a step, the flags that end a loop, the open tab dialog's layout and
// the tables of the tab row and of the pop-up menu. One modal loop is open at
// a time, so one set of this state serves them all.

#include <array>
#include <string>

namespace vorlanz {

inline constexpr int kTabSlots = 16;    // tabs 1..15; entry 0 is the row's left edge
inline constexpr int kPopupSlots = 16;  // pop-up items 0..15

struct DialogState {
  // The current dialog key: "O" (OK), "X" (cancel), a hot-key letter, or
  // empty.
  std::string DialogKey;
  // The key the digit field read last: the character whose code is the key's
  // virtual-key code.
  std::string FieldKey;
  // The digit field's text; also scratch text of the entry dialogs.
  std::string FieldText;
  bool LeaveFlag = false;   // the current input loop is to end (cancel)
  bool OkFlag = false;      // OK was chosen
  bool TabChanged = false;  // the shown tab was switched in this step

  // The open tab dialog.
  std::string TabItems;  // e.g. "_Eigene|_Amtliche|"
  int CurrentTab = 0;    // 1-based
  int TabIndex = 0;
  int ButtonTop = 0;  // y of the push-button row
  int OkLeft = 0;
  int CancelLeft = 0;
  std::string HelpTopic;

  // The tab row drawn last: TabRight[0] is the row's left edge, TabRight[i]
  // and TabHotkey[i] the right edge and hot key of tab i (1..TabCount).
  std::array<int, kTabSlots> TabRight{};
  std::array<std::string, kTabSlots> TabHotkey{};
  int TabCount = 0;

  // The upper-cased hot keys of the pop-up menu shown last (empty for
  // headings). They stay after the menu closes.
  std::array<std::string, kPopupSlots> PopupHotkeys{};
};

DialogState& Dialog();

// Everything back to its start-up state.
void ResetDialog();

// Empties the tab row tables.
void InitTabRow();

// Forgets the open tab dialog's tab row and button row, so that the keys and
// clicks of a later loop (the digit field) cannot switch a tab that is no
// longer on the screen. A tab dialog calls this when it closes.
void EndTabDialog();

}  // namespace vorlanz
