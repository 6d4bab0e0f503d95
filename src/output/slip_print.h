#pragma once

// Printing the current tip set onto the betting slip of the federal state.

namespace vorlanz {

// Prints one page: an "x" in the box of every tip, and in the "Super 6" and
// "Spiel 77" boxes, shifted by the alignment values. The page is made wide
// enough for the state's slip; marks that still fall outside the printable
// area are reported before anything is printed.
void PrintSlip();

}  // namespace vorlanz
