#include "widgets/palette.h"

#include <array>

namespace vorlanz {

namespace {

constexpr std::array<platform::Rgb, kPaletteSize> kPalette = {{
    {0, 0, 0},             // black
    {128, 0, 0},           // dark red
    {0, 128, 0},           // dark green
    {255, 255, 0},         // yellow
    {0, 0, 188},           // blue
    {128, 0, 128},         // dark magenta
    {0, 128, 128},         // dark cyan
    platform::kLightGrey,  // light grey
    {64, 64, 64},          // dark grey
    {255, 0, 0},           // red
    {0, 255, 0},           // green
    {255, 255, 0},         // yellow again
    {0, 0, 255},           // bright blue
    {255, 0, 255},         // magenta
    {0, 255, 255},         // cyan
    {255, 255, 255},       // white
}};

}  // namespace

platform::Rgb PaletteColour(int index) {
  if (index < 0 || index >= kPaletteSize) return kPalette[kBlack];
  return kPalette[static_cast<std::size_t>(index)];
}

}  // namespace vorlanz
