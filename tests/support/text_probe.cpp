#include "support/text_probe.h"

#include <gtest/gtest.h>

namespace vorlanz::testing {

bool ShowsText(const platform::Surface& surface, int x, int y, std::string_view text,
               platform::Rgb ink, platform::Rgb paper) {
  platform::Surface expected(surface.width(), surface.height());
  expected.SetFont(8);
  expected.SetTextColour(ink);
  expected.SetBackColour(paper);
  expected.SetOpaque(true);
  const int width = expected.TextWidth(text);
  expected.Text(x, y, text);
  for (int py = y; py < y + 14; ++py) {
    for (int px = x; px < x + width; ++px) {
      if (px < 0 || py < 0 || px >= surface.width() || py >= surface.height()) continue;
      if (!(surface.Pixel(px, py) == expected.Pixel(px, py))) return false;
    }
  }
  return true;
}

int CountColour(const platform::Surface& surface, platform::Rgb colour, int x1, int y1, int x2,
                int y2) {
  int count = 0;
  for (int y = y1; y <= y2; ++y) {
    for (int x = x1; x <= x2; ++x) count += surface.Pixel(x, y) == colour ? 1 : 0;
  }
  return count;
}

void ExpectPixels(const platform::Surface& surface, platform::Rgb colour,
                  std::initializer_list<int> points) {
  for (const int* p = points.begin(); p + 1 < points.end(); p += 2) {
    EXPECT_EQ(surface.Pixel(p[0], p[1]), colour) << "at " << p[0] << "," << p[1];
  }
}

bool AreaIs(const platform::Surface& surface, int x1, int y1, int x2, int y2,
            platform::Rgb colour) {
  for (int y = y1; y <= y2; ++y) {
    for (int x = x1; x <= x2; ++x) {
      if (!(surface.Pixel(x, y) == colour)) return false;
    }
  }
  return true;
}

}  // namespace vorlanz::testing
