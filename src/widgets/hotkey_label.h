#pragma once

// Labels with a hot-key letter: "_" before the letter, which is drawn in dark
// red in the cell where the "_" stood.

#include <string>
#include <string_view>

namespace vorlanz {

// Scans label for its hot key, leaving HotkeyPos and HotkeyLetter in the
// dialog state (0 and empty for a label without "_"); returns the text to
// show, one character shorter than a label with "_".
std::string ScanHotkeyLabel(std::string_view label);

// Draws label in black on light grey in the current font, its text line's
// bottom at y (the text's top at y - 14), with the hot-key letter in dark
// red. Leaves black on light grey.
void DrawHotkeyLabel(int x, int y, std::string_view label);

}  // namespace vorlanz
