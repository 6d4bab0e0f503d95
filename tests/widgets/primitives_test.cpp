#include <gtest/gtest.h>

#include "support/rgb.h"
#include "support/screen_test.h"
#include "support/text_probe.h"
#include "widgets/palette.h"
#include "widgets/primitives.h"
#include "widgets/screen_text.h"

namespace vorlanz {
namespace {

using platform::PenMode;
using platform::Rgb;
using testing::CountColour;
using testing::ExpectPixels;

constexpr Rgb kGroove{63, 63, 63};  // white XOR light grey

class PrimitivesTest : public ScreenTest {};

TEST_F(PrimitivesTest, BevelBoxOfDepthZero) {
  const platform::Surface& s = main_screen();
  FillArea(0, 0, 100, 100, kRed);
  BevelBox(0, 0, 10, 10, 30, 20);
  // One light line at the top and left, dark at the bottom and right,
  // nothing outside the corners.
  ExpectPixels(s, rgb::White, {15, 10, 10, 15});
  ExpectPixels(s, rgb::DarkGrey, {15, 20, 30, 15});
  ExpectPixels(s, rgb::Red, {31, 15, 15, 21});
  EXPECT_TRUE(testing::AreaIs(s, 11, 11, 29, 19, rgb::LightGrey));
  EXPECT_EQ(CountColour(s, rgb::White, 0, 0, 100, 100), 20 + 10 - 1);
  BevelBox(1, 0, 40, 10, 60, 20);  // sunken: no edge lines at all
  EXPECT_TRUE(testing::AreaIs(s, 40, 10, 60, 20, rgb::LightGrey));
  EXPECT_EQ(s.pen_colour(), rgb::Black);
}

TEST_F(PrimitivesTest, BevelBoxRaisedAndSunkenEdges) {
  const platform::Surface& s = main_screen();
  BevelBox(0, 2, 10, 10, 40, 30);
  for (int i = 0; i <= 2; ++i) {
    EXPECT_EQ(s.Pixel(25, 10 + i), rgb::White) << i;
    EXPECT_EQ(s.Pixel(10 + i, 20), rgb::White) << i;
    EXPECT_EQ(s.Pixel(25, 30 - i), rgb::DarkGrey) << i;
    EXPECT_EQ(s.Pixel(40 - i, 20), rgb::DarkGrey) << i;
  }
  BevelBox(1, 2, 50, 10, 80, 30);
  for (int i = 0; i <= 1; ++i) {
    EXPECT_EQ(s.Pixel(65, 10 + i), rgb::DarkGrey) << i;
    EXPECT_EQ(s.Pixel(80 - i, 20), rgb::White) << i;
  }
  EXPECT_EQ(s.Pixel(65, 12), rgb::LightGrey);
  EXPECT_EQ(s.Pixel(78, 20), rgb::LightGrey);
}

TEST_F(PrimitivesTest, EtchedShapes) {
  const platform::Surface& s = main_screen();
  EtchedLine(10, 50, 60, 50);        // dark on the light-grey face, white below
  AlertPanel(0, 100, 10, 300, 100);  // outline, then an etched frame
  ExpectPixels(s, kGroove, {10, 50});
  ExpectPixels(s, rgb::LightGrey, {60, 50});
  ExpectPixels(s, rgb::White, {11, 51, 150, 11, 150, 18});
  ExpectPixels(s, rgb::Black, {150, 10, 299, 50, 150, 17});
  ExpectPixels(s, rgb::DarkGrey, {300, 50});
  EXPECT_EQ(s.pen_mode(), PenMode::Copy);
  EXPECT_TRUE(s.opaque());
}

TEST_F(PrimitivesTest, EngravedTextAndTheStateItLeaves) {
  const platform::Surface& s = main_screen();
  EmbossedText(24, kBlack, 100, 200, "X");
  EXPECT_EQ(s.font(), 8);
  EXPECT_EQ(s.pen_mode(), PenMode::Copy);
  EXPECT_EQ(s.text_colour(), rgb::Black);
  EXPECT_EQ(s.back_colour(), rgb::LightGrey);

  // Line bottom at y = 80: white shadow cells from y = 66, the text one
  // pixel up and left.
  EmbossedText(8, kBlue, 50, 80, "HM");
  EXPECT_GT(CountColour(s, rgb::White, 50, 66, 65, 81), 0);
  EXPECT_GT(CountColour(s, PaletteColour(kBlue), 49, 65, 64, 80), 0);
  EXPECT_EQ(CountColour(s, PaletteColour(kBlue), 0, 0, 48, 100), 0);

  ShadedLabel(1, 20, 300, 80, "A");
  EXPECT_EQ(s.font(), 20);
  EXPECT_EQ(s.pen_mode(), PenMode::Merge);
  EXPECT_GT(CountColour(s, rgb::DarkRed, 290, 50, 360, 100), 0);
  ShadedLabel(0, 8, 400, 80, "A");
  EXPECT_GT(CountColour(s, rgb::DarkCyan, 390, 50, 420, 100), 0);

  SelectFont(3);
  EXPECT_EQ(s.font(), 16);
}

}  // namespace
}  // namespace vorlanz
