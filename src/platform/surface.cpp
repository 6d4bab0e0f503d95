#include "platform/surface.h"

#include <QImage>
#include <algorithm>
#include <array>
#include <cstdlib>

namespace vorlanz::platform {
namespace {

constexpr std::uint32_t kOpaque = 0xff000000u;

// On/off run lengths of the styled pens, in pixels, starting with "on".
struct DashPattern {
  int runs = 0;
  std::array<int, 4> lengths{};
  int period = 0;
};

constexpr DashPattern kDash{2, {18, 6, 0, 0}, 24};
constexpr DashPattern kDot{2, {3, 3, 0, 0}, 6};
constexpr DashPattern kDashDot{4, {9, 6, 3, 6}, 24};

const DashPattern* PatternOf(PenStyle style) {
  switch (style) {
    case PenStyle::Dash:
      return &kDash;
    case PenStyle::Dot:
      return &kDot;
    case PenStyle::DashDot:
      return &kDashDot;
    case PenStyle::Solid:
      break;
  }
  return nullptr;
}

// Whether the pixel at this distance along a line is drawn.
bool PatternOn(const DashPattern& pattern, int step) {
  int position = step % pattern.period;
  for (int run = 0; run < pattern.runs; ++run) {
    if (position < pattern.lengths[static_cast<std::size_t>(run)]) return run % 2 == 0;
    position -= pattern.lengths[static_cast<std::size_t>(run)];
  }
  return false;
}

}  // namespace

Surface::Surface(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_),
              PackRgb(kLightGrey)) {}

Surface::~Surface() = default;

void Surface::Plot(int x, int y, std::uint32_t colour) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  std::uint32_t& pixel = pixels_[static_cast<std::size_t>(y) * width_ + x];
  switch (mode_) {
    case PenMode::Copy:
      pixel = colour;
      break;
    case PenMode::Xor:
      pixel = kOpaque | ((pixel ^ colour) & 0x00ffffffu);
      break;
    case PenMode::Merge:
      pixel |= colour;
      break;
  }
}

void Surface::Line(int x1, int y1, int x2, int y2) {
  DrawLine(x1, y1, x2, y2, 0);
  ++generation_;
}

int Surface::DrawLine(int x1, int y1, int x2, int y2, int pattern_step) {
  const DashPattern* pattern = PatternOf(style_);
  const std::uint32_t colour = PackRgb(pen_);
  // Bresenham along the major axis; the end point itself is left out.
  const int dx = std::abs(x2 - x1);
  const int dy = std::abs(y2 - y1);
  const int sx = x2 >= x1 ? 1 : -1;
  const int sy = y2 >= y1 ? 1 : -1;
  const int steps = std::max(dx, dy);
  int x = x1;
  int y = y1;
  int error = 0;
  for (int i = 0; i < steps; ++i, ++pattern_step) {
    if (pattern == nullptr || PatternOn(*pattern, pattern_step)) Plot(x, y, colour);
    if (dx >= dy) {
      x += sx;
      error += 2 * dy;
      if (error > dx) {
        y += sy;
        error -= 2 * dx;
      }
    } else {
      y += sy;
      error += 2 * dx;
      if (error > dy) {
        x += sx;
        error -= 2 * dy;
      }
    }
  }
  return pattern_step;
}

void Surface::RectOutline(int x1, int y1, int x2, int y2) {
  if (x1 == x2 || y1 == y2) {
    // A single line or point: the end point is part of the outline.
    const int step = DrawLine(x1, y1, x2, y2, 0);
    const DashPattern* pattern = PatternOf(style_);
    if (pattern == nullptr || PatternOn(*pattern, step)) Plot(x2, y2, PackRgb(pen_));
  } else {
    // Once round, each side up to the next corner, so that every pixel is
    // drawn exactly once (matters in XOR mode).
    int step = DrawLine(x1, y1, x2, y1, 0);
    step = DrawLine(x2, y1, x2, y2, step);
    step = DrawLine(x2, y2, x1, y2, step);
    DrawLine(x1, y2, x1, y1, step);
  }
  ++generation_;
}

void Surface::FillRect(int x1, int y1, int x2, int y2, Rgb colour) {
  const int left = std::max(std::min(x1, x2), 0);
  const int right = std::min(std::max(x1, x2), width_ - 1);
  const int top = std::max(std::min(y1, y2), 0);
  const int bottom = std::min(std::max(y1, y2), height_ - 1);
  const std::uint32_t packed = PackRgb(colour);
  for (int y = top; y <= bottom; ++y) {
    std::uint32_t* row = pixels_.data() + static_cast<std::size_t>(y) * width_;
    std::fill(row + left, row + right + 1, packed);
  }
  ++generation_;
}

SavedArea Surface::SaveArea(int x1, int y1, int x2, int y2) const {
  SavedArea area;
  const int left = std::max(std::min(x1, x2), 0);
  const int right = std::min(std::max(x1, x2), width_ - 1);
  const int top = std::max(std::min(y1, y2), 0);
  const int bottom = std::min(std::max(y1, y2), height_ - 1);
  if (left > right || top > bottom) return area;
  area.x = left;
  area.y = top;
  area.width = right - left + 1;
  area.height = bottom - top + 1;
  area.pixels.reserve(static_cast<std::size_t>(area.width) * area.height);
  for (int y = top; y <= bottom; ++y) {
    const std::uint32_t* row = pixels_.data() + static_cast<std::size_t>(y) * width_;
    area.pixels.insert(area.pixels.end(), row + left, row + right + 1);
  }
  return area;
}

void Surface::RestoreArea(const SavedArea& area) {
  if (area.pixels.size() != static_cast<std::size_t>(area.width) * area.height) return;
  const int first_col = std::max(0, -area.x);
  const int end_col = std::min(area.width, width_ - area.x);
  for (int row = 0; row < area.height && first_col < end_col; ++row) {
    const int y = area.y + row;
    if (y < 0 || y >= height_) continue;
    const std::uint32_t* source = area.pixels.data() + static_cast<std::size_t>(row) * area.width;
    std::copy(source + first_col, source + end_col,
              pixels_.data() + static_cast<std::size_t>(y) * width_ + area.x + first_col);
  }
  ++generation_;
}

void Surface::RestoreAreaPart(const SavedArea& area, int x1, int y1, int x2, int y2) {
  if (area.pixels.size() != static_cast<std::size_t>(area.width) * area.height) return;
  const int left = std::max({std::min(x1, x2), area.x, 0});
  const int right = std::min({std::max(x1, x2), area.x + area.width - 1, width_ - 1});
  const int top = std::max({std::min(y1, y2), area.y, 0});
  const int bottom = std::min({std::max(y1, y2), area.y + area.height - 1, height_ - 1});
  for (int y = top; y <= bottom && left <= right; ++y) {
    const std::uint32_t* source =
        area.pixels.data() + static_cast<std::size_t>(y - area.y) * area.width + (left - area.x);
    std::copy(source, source + (right - left + 1),
              pixels_.data() + static_cast<std::size_t>(y) * width_ + left);
  }
  ++generation_;
}

Rgb Surface::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return {};
  const std::uint32_t pixel = pixels_[static_cast<std::size_t>(y) * width_ + x];
  return {static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
          static_cast<std::uint8_t>(pixel)};
}

bool Surface::SavePng(const std::string& path) const {
  if (width_ == 0 || height_ == 0) return false;
  const QImage image(reinterpret_cast<const uchar*>(pixels_.data()), width_, height_,
                     static_cast<qsizetype>(width_) * 4, QImage::Format_RGB32);
  return image.save(QString::fromStdString(path), "PNG");
}

}  // namespace vorlanz::platform
