#include "widgets/palette.h"

#include <array>

namespace vorlanz {

namespace {

constexpr std::array<platform::Rgb, kPaletteSize> kPalette = {{
    {0, 0, 0},
    {128, 0, 0},
    {0, 128, 0},
    {255, 255, 0},
    {0, 0, 188},
    {128, 0, 128},
    {0, 128, 128},
    ColLightGrey,
    {64, 64, 64},
    {255, 0, 0},
    {0, 255, 0},
    {255, 255, 0},
    {0, 0, 255},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
}};

}  // namespace

platform::Rgb PaletteColour(int index) {
  if (index < 0 || index >= kPaletteSize) return ColBlack;
  return kPalette[static_cast<std::size_t>(index)];
}

}  // namespace vorlanz
