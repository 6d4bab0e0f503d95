#pragma once

// Labels with a hot-key letter: "_" before the letter, which is drawn in dark
// red in the cell where the "_" stood.

#include <string>
#include <string_view>

namespace vorlanz {

// Draws label in black on light grey in the current font, its text line's
// bottom at y (the text's top at y - 14), with the hot-key letter in dark
// red. Leaves black on light grey. Returns the hot-key letter as written in
// the label, empty for a label without "_".
std::string DrawHotkeyLabel(int x, int y, std::string_view label);

}  // namespace vorlanz
