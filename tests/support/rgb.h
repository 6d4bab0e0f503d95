#pragma once

// The colours tests expect on the screen.

#include "platform/surface.h"

namespace vorlanz::rgb {

inline constexpr platform::Rgb Black{0, 0, 0};
inline constexpr platform::Rgb White{255, 255, 255};
inline constexpr platform::Rgb LightGrey{192, 192, 192};
inline constexpr platform::Rgb DarkGrey{64, 64, 64};
inline constexpr platform::Rgb DarkRed{128, 0, 0};
inline constexpr platform::Rgb DarkCyan{0, 128, 128};
inline constexpr platform::Rgb Red{255, 0, 0};
// White drawn in XOR mode over light grey: the dark line of an etched edge.
inline constexpr platform::Rgb Groove{63, 63, 63};

}  // namespace vorlanz::rgb
