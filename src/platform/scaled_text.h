#pragma once

// Texts in the screen fonts other than 8, rendered once by Qt and kept as
// one-bit masks, so that drawing a text the program has drawn before (the
// figures of the check and the test run are drawn over and over) is a few
// pixel stores instead of a painter set up on the whole surface. The fonts
// are drawn without anti-aliasing, so the mask loses nothing.

#include <cstdint>
#include <string_view>
#include <vector>

namespace vorlanz::platform {

struct ScaledText {
  int advance = 0;  // the box an opaque background fills, from the text's
  int height = 0;   // top left corner
  // The drawn pixels: a box of mask_width x mask_height at (left, top)
  // relative to the text's top left corner, one byte per pixel.
  int left = 0, top = 0, mask_width = 0, mask_height = 0;
  std::vector<std::uint8_t> mask;
};

// The rendered text; kept until many different texts have been drawn. Needs
// the GUI application object to exist.
const ScaledText& RenderedText(int font_code, std::string_view utf8);

}  // namespace vorlanz::platform
