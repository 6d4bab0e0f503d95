#pragma once

// The bitmaps of screen font 8: fixed 8 x 14 pixel character cells, one bit
// per pixel, no anti-aliasing. Each glyph is rendered once per process, the
// first time the font is used, so that drawing text is a few shifts and
// stores per row. Needs the GUI application object to exist.

#include <array>
#include <cstdint>

#include "platform/surface.h"

namespace vorlanz::platform {

// One character cell, row by row from the top; bit 7 is the leftmost pixel.
struct Glyph {
  std::array<std::uint8_t, kCellHeight> rows{};
};

// The 256 glyphs of the Latin-1 characters, indexed by code point. Control
// characters show as a box.
const Glyph* Latin1Glyphs();
// The glyph of any other character; a box when the font lacks it.
const Glyph& ExtraGlyph(char32_t code_point);

inline const Glyph& ScreenGlyph(const Glyph* latin1, char32_t code_point) {
  return code_point < 256 ? latin1[code_point] : ExtraGlyph(code_point);
}

}  // namespace vorlanz::platform
