#include <gtest/gtest.h>

#include "support/screen_test.h"
#include "support/text_probe.h"
#include "widgets/palette.h"
#include "widgets/primitives.h"
#include "widgets/screen_text.h"

namespace vorlanz {
namespace {

using platform::PenMode;
using platform::Rgb;

constexpr Rgb kGroove{63, 63, 63};  // white XOR light grey

int CountColour(const platform::Surface& s, Rgb colour, int x1, int y1, int x2, int y2) {
  int count = 0;
  for (int y = y1; y <= y2; ++y) {
    for (int x = x1; x <= x2; ++x) count += s.Pixel(x, y) == colour ? 1 : 0;
  }
  return count;
}

TEST(Palette, HasTheProgramsSixteenColours) {
  EXPECT_EQ(PaletteColour(kBlue), (Rgb{0, 0, 188}));
  EXPECT_EQ(PaletteColour(kBrightBlue), ColBlue);
  EXPECT_EQ(PaletteColour(kYellow), PaletteColour(kYellow2));
  EXPECT_EQ(PaletteColour(kLightGrey), ColLightGrey);
  EXPECT_EQ(PaletteColour(kDarkGrey), ColDarkGrey);
  EXPECT_EQ(PaletteColour(kDarkRed), ColDarkRed);
  EXPECT_EQ(PaletteColour(kWhite), ColWhite);
  EXPECT_EQ(PaletteColour(16), ColBlack);
  EXPECT_EQ(PaletteColour(-1), ColBlack);
}

class PrimitivesTest : public ScreenTest {};

TEST_F(PrimitivesTest, SelectFontMapsUnknownCodesToTheSystemFont) {
  SelectFont(24);
  EXPECT_EQ(main_screen().font(), 24);
  SelectFont(8);
  EXPECT_EQ(main_screen().font(), 8);
  SelectFont(16);
  EXPECT_EQ(main_screen().font(), 16);
  SelectFont(3);
  EXPECT_EQ(main_screen().font(), 16);
  SelectFont(14);
  EXPECT_EQ(main_screen().font(), 14);
}

TEST_F(PrimitivesTest, BevelBoxOfDepthZero) {
  const platform::Surface& s = main_screen();
  FillArea(0, 0, 100, 100, kRed);
  BevelBox(0, 0, 10, 10, 30, 20);
  EXPECT_EQ(s.Pixel(15, 10), ColWhite);  // one light line at the top
  EXPECT_EQ(s.Pixel(10, 15), ColWhite);  // and at the left
  EXPECT_EQ(s.Pixel(15, 20), ColDarkGrey);
  EXPECT_EQ(s.Pixel(30, 15), ColDarkGrey);
  EXPECT_EQ(s.Pixel(30, 20), ColDarkGrey);
  EXPECT_TRUE(testing::AreaIs(s, 11, 11, 29, 19, ColLightGrey));
  EXPECT_EQ(CountColour(s, ColWhite, 0, 0, 100, 100), 20 + 10 - 1);
  EXPECT_EQ(s.Pixel(31, 15), ColRed);  // nothing outside the corners
  EXPECT_EQ(s.Pixel(15, 21), ColRed);

  BevelBox(1, 0, 40, 10, 60, 20);  // sunken: no edge lines at all
  EXPECT_TRUE(testing::AreaIs(s, 40, 10, 60, 20, ColLightGrey));
  EXPECT_EQ(s.pen_colour(), ColBlack);
  EXPECT_EQ(s.pen_mode(), PenMode::Copy);
}

TEST_F(PrimitivesTest, BevelBoxRaisedAndSunkenEdges) {
  const platform::Surface& s = main_screen();
  BevelBox(0, 2, 10, 10, 40, 30);
  for (int i = 0; i <= 2; ++i) {
    EXPECT_EQ(s.Pixel(25, 10 + i), ColWhite) << i;
    EXPECT_EQ(s.Pixel(10 + i, 20), ColWhite) << i;
    EXPECT_EQ(s.Pixel(25, 30 - i), ColDarkGrey) << i;
    EXPECT_EQ(s.Pixel(40 - i, 20), ColDarkGrey) << i;
  }
  EXPECT_EQ(s.Pixel(25, 13), ColLightGrey);

  BevelBox(1, 2, 50, 10, 80, 30);
  for (int i = 0; i <= 1; ++i) {
    EXPECT_EQ(s.Pixel(65, 10 + i), ColDarkGrey) << i;
    EXPECT_EQ(s.Pixel(50 + i, 20), ColDarkGrey) << i;
    EXPECT_EQ(s.Pixel(65, 30 - i), ColWhite) << i;
    EXPECT_EQ(s.Pixel(80 - i, 20), ColWhite) << i;
  }
  EXPECT_EQ(s.Pixel(65, 12), ColLightGrey);
  EXPECT_EQ(s.Pixel(78, 20), ColLightGrey);
}

TEST_F(PrimitivesTest, EtchedLineIsADarkGrooveWithAWhiteEdge) {
  const platform::Surface& s = main_screen();
  EtchedLine(10, 50, 60, 50);
  EXPECT_EQ(s.Pixel(10, 50), kGroove);
  EXPECT_EQ(s.Pixel(59, 50), kGroove);
  EXPECT_EQ(s.Pixel(60, 50), ColLightGrey);
  EXPECT_EQ(s.Pixel(11, 51), ColWhite);
  EXPECT_EQ(s.Pixel(60, 51), ColWhite);
  EXPECT_EQ(s.pen_mode(), PenMode::Copy);
  EXPECT_TRUE(s.opaque());
}

TEST_F(PrimitivesTest, EtchedFrameIsBlackOverWhite) {
  const platform::Surface& s = main_screen();
  EtchedFrame(10, 10, 30, 20);
  EXPECT_EQ(s.Pixel(20, 10), ColBlack);
  EXPECT_EQ(s.Pixel(30, 15), ColBlack);
  EXPECT_EQ(s.Pixel(20, 21), ColWhite);
  EXPECT_EQ(s.Pixel(31, 15), ColWhite);
  EXPECT_EQ(s.Pixel(20, 11), ColWhite);
  EXPECT_EQ(s.Pixel(20, 15), ColLightGrey);
}

TEST_F(PrimitivesTest, EmbossedTextLeavesFontEightAndCopyMode) {
  const platform::Surface& s = main_screen();
  EmbossedText(24, kBlack, 100, 200, "X");
  EXPECT_EQ(s.font(), 8);
  EXPECT_EQ(s.pen_mode(), PenMode::Copy);
  EXPECT_TRUE(s.opaque());
  EXPECT_EQ(s.text_colour(), ColBlack);
  EXPECT_EQ(s.back_colour(), ColLightGrey);

  // Font 8 text whose line ends at y = 80: white shadow cells from y = 66,
  // the dark text one pixel up and left.
  EmbossedText(8, kBlue, 50, 80, "HM");
  EXPECT_GT(CountColour(s, ColWhite, 50, 66, 65, 81), 0);
  EXPECT_GT(CountColour(s, PaletteColour(kBlue), 49, 65, 64, 80), 0);
  EXPECT_EQ(CountColour(s, PaletteColour(kBlue), 0, 0, 48, 100), 0);
  EXPECT_EQ(CountColour(s, ColWhite, 0, 82, 100, 100), 0);
}

TEST_F(PrimitivesTest, ShadedLabelKeepsItsFontAndMergeMode) {
  const platform::Surface& s = main_screen();
  ShadedLabel(1, 20, 50, 80, "A");
  EXPECT_EQ(s.font(), 20);
  EXPECT_EQ(s.pen_mode(), PenMode::Merge);
  EXPECT_TRUE(s.opaque());
  EXPECT_GT(CountColour(s, ColDarkRed, 0, 0, 120, 120), 0);

  ShadedLabel(0, 8, 200, 80, "A");
  EXPECT_GT(CountColour(s, ColDarkCyan, 150, 0, 250, 120), 0);
}

TEST_F(PrimitivesTest, AlertPanelHasAnOutlineAndAnEtchedFrame) {
  const platform::Surface& s = main_screen();
  AlertPanel(0, 10, 10, 200, 100);
  EXPECT_EQ(s.Pixel(50, 10), ColBlack);
  EXPECT_EQ(s.Pixel(199, 50), ColBlack);
  EXPECT_EQ(s.Pixel(50, 99), ColBlack);
  EXPECT_EQ(s.Pixel(200, 50), ColDarkGrey);
  EXPECT_EQ(s.Pixel(50, 100), ColDarkGrey);
  EXPECT_EQ(s.Pixel(50, 11), ColWhite);
  EXPECT_EQ(s.Pixel(50, 17), ColBlack);  // the etched frame
  EXPECT_EQ(s.Pixel(50, 18), ColWhite);
  EXPECT_EQ(s.Pixel(100, 50), ColLightGrey);
}

TEST_F(PrimitivesTest, ScreenTextHelpers) {
  const platform::Surface& s = main_screen();
  SetColours(kWhite, kBlue);
  EXPECT_EQ(s.text_colour(), ColWhite);
  EXPECT_EQ(s.pen_colour(), ColWhite);
  EXPECT_EQ(s.back_colour(), PaletteColour(kBlue));
  DrawText(100, 100, "Tipp");
  EXPECT_TRUE(testing::ShowsText(s, 100, 100, "Tipp", ColWhite, PaletteColour(kBlue)));
  DrawLine(10, 10, 20, 10, kRed);
  EXPECT_EQ(s.Pixel(19, 10), ColRed);
  EXPECT_EQ(s.Pixel(20, 10), ColLightGrey);
  FillArea(30, 30, 32, 32, kGreen);
  EXPECT_TRUE(testing::AreaIs(s, 30, 30, 32, 32, ColGreen));
}

}  // namespace
}  // namespace vorlanz
