#pragma once

// Printing the current tip set onto the betting slip of the federal state.

#include <vector>

#include "output/logic/slip_geometry.h"
#include "platform/platform.h"

namespace vorlanz {

// Every mark is this letter in this font.
inline const platform::PrintFont kSlipMarkFont{"Courier", 12, true};
inline constexpr const char* kSlipMark = "x";

// The marks as the printer takes them.
std::vector<platform::PrintMark> PrintedMarks(const std::vector<SlipMark>& marks);

// Prints one page: an "x" in the box of every tip, and in the "Super 6" and
// "Spiel 77" boxes, shifted by the alignment values. The page is made wide
// enough for the state's slip; marks that still fall outside the printable
// area are reported before anything is printed.
void PrintSlip();

}  // namespace vorlanz
