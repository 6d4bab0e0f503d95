#pragma once

// The input step shared by the tab dialogs and the digit field, the wait that
// empties pending input, and the help call.

#include <string_view>

#include "platform/platform.h"

namespace vorlanz {

// Turns the mouse state, DialogKey and FieldKey into LeaveFlag, OkFlag and
// TabChanged: a press in the tab row gives that tab's hot key, a press on
// "_ABBRUCH" or "_OK" gives "X" or "O"; F1 as the digit field reads it opens
// the dialog's help topic (HelpTopic) and leaves the dialog open; a tab's hot
// key switches to that tab and redraws the tab row.
void DialogInputStep();

// Which of a tab dialog's push buttons a point hits. Each button's hit area
// spans its left edge (OkLeft, CancelLeft) + from .. + to, both included, in
// the rows ButtonTop .. ButtonTop + 30.
enum class ButtonHit { None, Ok, Cancel };
struct ButtonSpan {
  int from;
  int to;
};
ButtonHit HitPushButtons(platform::Point at, ButtonSpan ok, ButtonSpan cancel);

// Discards every pending event and forgets the keys pressed so far (their
// releases are no input), then waits until no mouse button is held.
void FlushInput();

// Waits until no mouse button is held.
void WaitForMouseRelease();

// Opens the user guide at keyword.
void ShowHelpTopic(std::string_view keyword);

}  // namespace vorlanz
