#pragma once

// The program's 16-colour palette and its named RGB colours. Every widget and
// screen chooses colours by palette index.

#include "platform/surface.h"

namespace vorlanz {

// Palette indexes of the colours the program draws with.
inline constexpr int kBlack = 0;
inline constexpr int kDarkRed = 1;    // hot-key letters, highlighted labels
inline constexpr int kBlue = 4;       // a softer blue, (0, 0, 188)
inline constexpr int kDarkCyan = 6;   // text of an inactive label
inline constexpr int kLightGrey = 7;  // every background and panel face
inline constexpr int kDarkGrey = 8;   // shadow edges
inline constexpr int kRed = 9;
inline constexpr int kWhite = 15;  // light edges, text shadow
inline constexpr int kPaletteSize = 16;

// The colour of a palette index; black for an index outside 0..15.
platform::Rgb PaletteColour(int index);

}  // namespace vorlanz
