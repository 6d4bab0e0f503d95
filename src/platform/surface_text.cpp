#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <array>
#include <cstring>

#include "model/characters.h"
#include "platform/glyph_cache.h"
#include "platform/qt_text.h"
#include "platform/scaled_text.h"
#include "platform/screen_fonts.h"
#include "platform/surface.h"

namespace vorlanz::platform {
namespace {

constexpr int kScreenFont = 8;

// The four pixels of every 4-bit piece of a glyph row in one pair of text
// and back colours, so that an opaque row is two 16-byte copies. Rebuilt
// only when the colours change.
struct NibblePixels {
  std::uint32_t text = 0;
  std::uint32_t back = 0;
  bool filled = false;
  std::array<std::array<std::uint32_t, 4>, 16> pixels{};
};

const NibblePixels& OpaqueNibbles(std::uint32_t text, std::uint32_t back) {
  static NibblePixels table;
  if (!table.filled || table.text != text || table.back != back) {
    for (std::size_t nibble = 0; nibble < 16; ++nibble) {
      for (std::size_t bit = 0; bit < 4; ++bit) {
        table.pixels[nibble][bit] = (nibble & (8u >> bit)) != 0 ? text : back;
      }
    }
    table.text = text;
    table.back = back;
    table.filled = true;
  }
  return table;
}

// All-ones for the set pixels of every 4-bit piece of a glyph row.
constexpr std::array<std::array<std::uint32_t, 4>, 16> MakeNibbleMasks() {
  std::array<std::array<std::uint32_t, 4>, 16> masks{};
  for (std::size_t nibble = 0; nibble < 16; ++nibble) {
    for (std::size_t bit = 0; bit < 4; ++bit) {
      masks[nibble][bit] = (nibble & (8u >> bit)) != 0 ? 0xffffffffu : 0u;
    }
  }
  return masks;
}
constexpr auto kNibbleMasks = MakeNibbleMasks();

// Sets the masked ones of four pixels to the colour, without branches.
inline void BlendNibble(std::uint32_t* dest, const std::array<std::uint32_t, 4>& mask,
                        std::uint32_t colour) {
  std::array<std::uint32_t, 4> pixels;
  std::memcpy(pixels.data(), dest, sizeof pixels);
  for (std::size_t i = 0; i < 4; ++i) pixels[i] = (pixels[i] & ~mask[i]) | (colour & mask[i]);
  std::memcpy(dest, pixels.data(), sizeof pixels);
}

}  // namespace

void Surface::Text(int x, int y, std::string_view utf8) {
  if (font_ == kScreenFont) {
    TextFont8(x, y, utf8);
  } else {
    TextScaled(x, y, utf8);
  }
  ++generation_;
}

int Surface::TextWidth(std::string_view utf8) const {
  if (font_ == kScreenFont) return kCellWidth * CodePointCount(utf8);
  const QFontMetrics metrics(QtScreenFont(font_));
  return metrics.horizontalAdvance(Utf8ToQString(utf8));
}

void Surface::TextFont8(int x, int y, std::string_view utf8) {
  if (y >= height_ || y + kCellHeight <= 0) return;
  const Glyph* latin1 = Latin1Glyphs();
  const std::uint32_t text = PackRgb(text_);
  const std::uint32_t back = PackRgb(back_);
  const NibblePixels* nibbles = opaque_ ? &OpaqueNibbles(text, back) : nullptr;
  const bool rows_inside = y >= 0 && y + kCellHeight <= height_;
  const std::size_t stride = static_cast<std::size_t>(width_);
  int cell_x = x;
  for (std::size_t pos = 0; pos < utf8.size() && cell_x < width_; cell_x += kCellWidth) {
    const char32_t code_point = NextCodePoint(utf8, pos);
    if (cell_x + kCellWidth <= 0) continue;
    const Glyph& glyph = ScreenGlyph(latin1, code_point);
    if (rows_inside && cell_x >= 0 && cell_x + kCellWidth <= width_) {
      std::uint32_t* dest = pixels_.data() + static_cast<std::size_t>(y) * stride + cell_x;
      if (nibbles != nullptr) {
        for (const std::uint8_t bits : glyph.rows) {
          std::memcpy(dest, nibbles->pixels[bits >> 4].data(), 4 * sizeof(std::uint32_t));
          std::memcpy(dest + 4, nibbles->pixels[bits & 15u].data(), 4 * sizeof(std::uint32_t));
          dest += stride;
        }
      } else {
        for (const std::uint8_t bits : glyph.rows) {
          if (bits != 0) {
            BlendNibble(dest, kNibbleMasks[bits >> 4], text);
            BlendNibble(dest + 4, kNibbleMasks[bits & 15u], text);
          }
          dest += stride;
        }
      }
      continue;
    }
    // A cell across the edge of the surface: pixel by pixel.
    for (int row = 0; row < kCellHeight; ++row) {
      const int py = y + row;
      if (py < 0 || py >= height_) continue;
      const std::uint8_t bits = glyph.rows[static_cast<std::size_t>(row)];
      for (int col = 0; col < kCellWidth; ++col) {
        const int px = cell_x + col;
        if (px < 0 || px >= width_) continue;
        const bool set = (bits & (0x80u >> col)) != 0;
        if (set || opaque_) {
          pixels_[static_cast<std::size_t>(py) * width_ + px] = set ? text : back;
        }
      }
    }
  }
}

void Surface::TextScaled(int x, int y, std::string_view utf8) {
  if (utf8.empty() || width_ == 0 || height_ == 0) return;
  const ScaledText& text = RenderedText(font_, utf8);
  if (opaque_ && text.advance > 0) {
    FillRect(x, y, x + text.advance - 1, y + text.height - 1, back_);
  }
  const std::uint32_t colour = PackRgb(text_);
  const int x0 = x + text.left;
  const int y0 = y + text.top;
  const int first_col = std::max(0, -x0);
  const int end_col = std::min(text.mask_width, width_ - x0);
  for (int row = std::max(0, -y0); row < text.mask_height && y0 + row < height_; ++row) {
    const std::uint8_t* mask = text.mask.data() + static_cast<std::size_t>(row) * text.mask_width;
    std::uint32_t* dest = pixels_.data() + static_cast<std::size_t>(y0 + row) * width_ + x0;
    for (int col = first_col; col < end_col; ++col) {
      if (mask[col] != 0) dest[col] = colour;
    }
  }
}

}  // namespace vorlanz::platform
