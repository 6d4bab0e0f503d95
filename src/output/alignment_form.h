#pragma once

// The printer alignment form: shifts the slip print in steps of 0.1 mm.

#include "platform/platform.h"

namespace vorlanz {

namespace alignment_form {
inline constexpr int kHorizontalBar = 4;    // scl4: PrintOffsetA
inline constexpr int kVerticalBar = 5;      // scl5: PrintOffsetB
inline constexpr int kHorizontalField = 6;  // ed6: millimetres
inline constexpr int kVerticalField = 7;    // ed7
inline constexpr int kConfirm = 16;         // cmd16
inline constexpr int kCancel = 17;          // cmd17
inline constexpr int kHelp = 18;            // F1: the help of the print dialog
}  // namespace alignment_form

platform::DialogLayout AlignmentFormLayout();

// Shows both offsets as a scroll bar over the stored byte and an edit field
// in millimetres, kept in step. Confirm stores the fields' values and
// Bundesland in the parameter file; cancel and the close box store nothing.
// F1 opens the help of the print dialog, and the form stays.
void ShowAlignmentForm();

}  // namespace vorlanz
