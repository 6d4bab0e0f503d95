#pragma once

// Small drawing helpers on the current window: colours by palette index,
// text, lines and filled areas. The text helpers of the fixed-pitch screen
// (Cells, Blanks, CharCount) come with this header.

#include <string_view>

#include "platform/surface.h"
#include "widgets/logic/text_cells.h"

namespace vorlanz {

// The surface of the current window.
platform::Surface& CurrentSurface();

// Text and pen colour, background colour; copy mode, opaque background.
void SetColours(int text_index, int back_index);

// The fixed-pitch screen's text: font 8, black on light grey.
void UseScreenText();

// Text with its top left corner at (x, y) in the current font and colours.
void DrawText(int x, int y, std::string_view utf8);

// A line from (x1, y1) up to, but not including, (x2, y2). Sets the pen
// colour; the pen mode and style stay as they are.
void DrawLine(int x1, int y1, int x2, int y2, int colour_index);

// Fills the rectangle with corners (x1, y1) and (x2, y2), both included.
void FillArea(int x1, int y1, int x2, int y2, int colour_index);

}  // namespace vorlanz
