#pragma once

// A push button of the program's own dialogs: a raised face in a sunken
// ring, its caption engraved and centred, the hot-key letter in dark red.

#include <string_view>

namespace vorlanz {

// Draws a button `chars` characters wide whose face's top left corner is
// (x, y), in its normal (pressed 0) or pressed (1) look. With its ring it
// covers x - 2 .. x + 8 * chars + 22 and y - 2 .. y + 29. Leaves font 8,
// black on light grey in copy mode.
void DrawPushButton(int pressed, int x, int y, int chars, std::string_view label);

}  // namespace vorlanz
