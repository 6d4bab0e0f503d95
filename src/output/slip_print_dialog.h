#pragma once

// The slip print dialog "SCHEINDRUCK:": card, federal state, the add-on
// games, the printer alignment, then the print.

#include "platform/platform.h"

namespace vorlanz {

inline constexpr const char* kPrintCardPrompt = "Welcher Tipp soll ausgedruckt werden?";

// The dialog's control ids.
namespace slip_dialog {
inline constexpr int kPrint = 1;
inline constexpr int kCancel = 2;
inline constexpr int kStateList = 100;
inline constexpr int kAlignment = 110;
inline constexpr int kPreview = 112;
inline constexpr int kSpiel77Yes = 392;
inline constexpr int kSpiel77No = 394;
inline constexpr int kSuper6Yes = 396;
inline constexpr int kSuper6No = 398;
inline constexpr int kHelp = 400;
}  // namespace slip_dialog

// The dialog's controls, frames and place.
platform::DialogLayout SlipPrintDialogLayout();

// Asks for the card to print; a free card is only told and ends it. After OK
// on a stored card it becomes the current tip set and the dialog opens.
// "&Drucken" prints it, "&Abbruch" ends; both, and "&Ausrichtung ändern...",
// take the state from the list (and move the menu tick). "&Vorschau" takes
// the state as well and shows the page as it would print. The close box ends
// and changes nothing.
void ShowSlipPrintDialog();

}  // namespace vorlanz
