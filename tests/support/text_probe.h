#pragma once

// Reads the screen back: does a text stand at a position, what colours
// fill an area?

#include <initializer_list>
#include <string_view>

#include "platform/surface.h"

namespace vorlanz::testing {

// True when the cells at (x, y) show the text in font 8, drawn opaque in the
// given colours (black on light grey unless told).
bool ShowsText(const platform::Surface& surface, int x, int y, std::string_view text,
               platform::Rgb ink = {0, 0, 0}, platform::Rgb paper = {192, 192, 192});

// True when every pixel of the rectangle (corners included) has the colour.
// Number of pixels of the colour in the rectangle (corners included).
int CountColour(const platform::Surface& surface, platform::Rgb colour, int x1, int y1, int x2,
                int y2);

// Expects the colour at every point of a flat x, y, x, y, ... list.
void ExpectPixels(const platform::Surface& surface, platform::Rgb colour,
                  std::initializer_list<int> points);

bool AreaIs(const platform::Surface& surface, int x1, int y1, int x2, int y2, platform::Rgb colour);

}  // namespace vorlanz::testing
