#pragma once

// The program's 16-colour palette and its named RGB colours. Every widget and
// screen chooses colours by palette index.

#include "platform/surface.h"

namespace vorlanz {

// Palette indexes.
inline constexpr int kBlack = 0;
inline constexpr int kDarkRed = 1;  // hot-key letters, highlighted labels
inline constexpr int kDarkGreen = 2;
inline constexpr int kYellow = 3;
inline constexpr int kBlue = 4;  // a softer blue, (0, 0, 188)
inline constexpr int kDarkMagenta = 5;
inline constexpr int kDarkCyan = 6;   // text of an inactive label
inline constexpr int kLightGrey = 7;  // every background and panel face
inline constexpr int kDarkGrey = 8;   // shadow edges
inline constexpr int kRed = 9;
inline constexpr int kGreen = 10;
inline constexpr int kYellow2 = 11;  // the same yellow as kYellow
inline constexpr int kBrightBlue = 12;
inline constexpr int kMagenta = 13;
inline constexpr int kCyan = 14;
inline constexpr int kWhite = 15;  // light edges, text shadow
inline constexpr int kPaletteSize = 16;

// The colour of a palette index; black for an index outside 0..15.
platform::Rgb PaletteColour(int index);

// Named colours.
inline constexpr platform::Rgb ColRed{255, 0, 0};
inline constexpr platform::Rgb ColGreen{0, 255, 0};
inline constexpr platform::Rgb ColBlue{0, 0, 255};
inline constexpr platform::Rgb ColYellow{255, 255, 0};
inline constexpr platform::Rgb ColCyan{0, 255, 255};
inline constexpr platform::Rgb ColMagenta{255, 0, 255};
inline constexpr platform::Rgb ColWhite{255, 255, 255};
inline constexpr platform::Rgb ColBlack{0, 0, 0};
inline constexpr platform::Rgb ColDarkRed{128, 0, 0};
inline constexpr platform::Rgb ColDarkGreen{0, 128, 0};
inline constexpr platform::Rgb ColDarkBlue{0, 0, 128};
inline constexpr platform::Rgb ColDarkYellow{128, 128, 0};
inline constexpr platform::Rgb ColDarkCyan{0, 128, 128};
inline constexpr platform::Rgb ColDarkMagenta{128, 0, 128};
inline constexpr platform::Rgb ColGrey{128, 128, 128};
inline constexpr platform::Rgb ColLightGrey = platform::kLightGrey;
inline constexpr platform::Rgb ColDarkGrey{64, 64, 64};

}  // namespace vorlanz
