#pragma once

// An image-backed drawing surface: the client area of one window. Everything
// the program draws goes here; the Qt backend shows the image, the headless
// backend keeps it for tests. Coordinates are pixels, origin top left, and
// everything is clipped to the surface.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vorlanz::platform {

// The character cell of screen font 8, the font of every fixed-pitch text.
inline constexpr int kCellWidth = 8;
inline constexpr int kCellHeight = 14;

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(Rgb, Rgb) = default;
};

// The pixel value of a colour: 0xffRRGGBB.
inline std::uint32_t PackRgb(Rgb colour) {
  return 0xff000000u | (std::uint32_t{colour.r} << 16) | (std::uint32_t{colour.g} << 8) | colour.b;
}

// The light grey of every window's background.
inline constexpr Rgb kLightGrey{192, 192, 192};

// How a line's pixels combine with the pixels below it.
enum class PenMode { Copy, Xor, Merge };
enum class PenStyle { Solid, Dash, Dot, DashDot };

// A saved rectangle of pixels, put back with Surface::RestoreArea.
struct SavedArea {
  int x = 0, y = 0, width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
};

class Surface {
 public:
  // A new surface is light grey, the background of every window of the
  // program.
  Surface(int width, int height);
  ~Surface();
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  int width() const { return width_; }
  int height() const { return height_; }

  // Drawing state; each setter keeps its value until changed again.
  void SetPenColour(Rgb colour) { pen_ = colour; }
  void SetTextColour(Rgb colour) { text_ = colour; }
  void SetBackColour(Rgb colour) { back_ = colour; }
  void SetPenMode(PenMode mode) { mode_ = mode; }
  void SetPenStyle(PenStyle style) { style_ = style; }
  void SetOpaque(bool opaque) { opaque_ = opaque; }
  // Font codes: 8 is the fixed 8 x 14 screen font; 5, 6, 14, 16, 20 and 24
  // are the other screen fonts of the program.
  void SetFont(int code) { font_ = code; }

  Rgb pen_colour() const { return pen_; }
  Rgb text_colour() const { return text_; }
  Rgb back_colour() const { return back_; }
  PenMode pen_mode() const { return mode_; }
  PenStyle pen_style() const { return style_; }
  bool opaque() const { return opaque_; }
  int font() const { return font_; }

  // A line from (x1, y1) up to, but not including, (x2, y2), in the pen
  // colour, mode and style.
  void Line(int x1, int y1, int x2, int y2);
  // The outline of the rectangle with corners (x1, y1) and (x2, y2), both
  // included, drawn with Line's pen.
  void RectOutline(int x1, int y1, int x2, int y2);
  // Fills the rectangle with corners (x1, y1) and (x2, y2), both included.
  void FillRect(int x1, int y1, int x2, int y2, Rgb colour);
  // Text (UTF-8) in the current font and text colour, its top left corner at
  // (x, y). An opaque background fills the character cells with the back
  // colour first. Text ignores the pen mode.
  void Text(int x, int y, std::string_view utf8);
  // Width in pixels of the text in the current font.
  int TextWidth(std::string_view utf8) const;

  SavedArea SaveArea(int x1, int y1, int x2, int y2) const;
  void RestoreArea(const SavedArea& area);
  // Puts back only the part of a saved area inside the rectangle with corners
  // (x1, y1) and (x2, y2), both included.
  void RestoreAreaPart(const SavedArea& area, int x1, int y1, int x2, int y2);

  // Off the surface a pixel reads black.
  Rgb Pixel(int x, int y) const;
  // Pixels as 0xffRRGGBB, row by row.
  const std::uint32_t* bits() const { return pixels_.data(); }
  std::uint32_t* bits() { return pixels_.data(); }
  bool SavePng(const std::string& path) const;
  // Counts changes; the Qt backend repaints only a surface that changed.
  std::uint64_t generation() const { return generation_; }

 private:
  // Combines one pen pixel with the surface in the pen mode (clipped).
  void Plot(int x, int y, std::uint32_t colour);
  // Line without the end point and without counting a change; the pen
  // style's pattern starts at pattern_step. Returns the step after the line.
  int DrawLine(int x1, int y1, int x2, int y2, int pattern_step);
  void TextFont8(int x, int y, std::string_view utf8);
  void TextScaled(int x, int y, std::string_view utf8);

  int width_;
  int height_;
  std::vector<std::uint32_t> pixels_;
  Rgb pen_{0, 0, 0};
  Rgb text_{0, 0, 0};
  Rgb back_{255, 255, 255};
  PenMode mode_ = PenMode::Copy;
  PenStyle style_ = PenStyle::Solid;
  bool opaque_ = true;
  int font_ = 8;
  std::uint64_t generation_ = 0;
};

}  // namespace vorlanz::platform
