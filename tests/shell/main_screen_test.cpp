#include "shell/main_screen.h"

#include <gtest/gtest.h>

#include "calc/logic/pool_data.h"
#include "support/screen_test.h"
#include "support/text_probe.h"

namespace vorlanz {
namespace {

using testing::AreaIs;
using testing::ShowsText;

constexpr platform::Rgb kGrey{192, 192, 192};
constexpr platform::Rgb kWhite{255, 255, 255};
constexpr platform::Rgb kDarkGrey{64, 64, 64};
constexpr platform::Rgb kBlackInk{0, 0, 0};

class MainScreenTest : public ScreenTest {
 protected:
  platform::Surface& screen() { return os.WindowSurface(platform::kMainWindow); }
};

TEST_F(MainScreenTest, EmptyScreenShowsFrameLabelsAndStatusBar) {
  DrawMainScreen();
  // The grid's vertical lines cross the header's blanks, so read its words.
  EXPECT_TRUE(ShowsText(screen(), 32, 39, "#"));
  EXPECT_TRUE(ShowsText(screen(), 32 + 8 * 5, 39, "G  U  V"));
  EXPECT_TRUE(ShowsText(screen(), 32 + 8 * 17, 39, "1    2"));
  EXPECT_TRUE(ShowsText(screen(), 32 + 8 * 78, 39, "NORM"));
  EXPECT_TRUE(ShowsText(screen(), 32 + 8 * 85, 39, "GAME"));
  EXPECT_TRUE(ShowsText(screen(), 64, 314, "TIPP-BILD"));
  EXPECT_TRUE(ShowsText(screen(), 64, 337, "GÜTE:   "));
  EXPECT_TRUE(ShowsText(screen(), 64, 362, "VERGLEICH"));
  EXPECT_TRUE(AreaIs(screen(), 128, 337, 135, 352, kGrey)) << "no quality figure while 0";
  EXPECT_TRUE(AreaIs(screen(), 169, 66, 176, 81, kGrey)) << "no tip rows";
}

TEST_F(MainScreenTest, StatusBarSpansTheWholeWidth) {
  DrawMainScreen();
  EXPECT_EQ(screen().Pixel(0, 395), kWhite);
  EXPECT_EQ(screen().Pixel(786, 395), kWhite);
  EXPECT_EQ(screen().Pixel(787, 400), kDarkGrey);
  EXPECT_EQ(screen().Pixel(0, 416), kDarkGrey) << "bottom edge starts at x 0";
  EXPECT_EQ(screen().Pixel(787, 416), kDarkGrey);
  EXPECT_EQ(screen().Pixel(400, 394), kGrey) << "nothing above the bar";
  EXPECT_EQ(screen().Pixel(400, 417), kGrey) << "nothing below the bar";
  EXPECT_TRUE(ShowsText(screen(), 10, 400, "VORLANZ V5.0 by Zemko"));
  EXPECT_TRUE(ShowsText(screen(), 710, 400, "F1=HILFE"));
}

TEST_F(MainScreenTest, GridLinesSitWhereTheColumnsMeet) {
  DrawMainScreen();
  EXPECT_EQ(screen().Pixel(16, 56), kBlackInk);
  EXPECT_EQ(screen().Pixel(757, 278), kBlackInk);
  for (int x : {52, 144, 643, 701}) {
    EXPECT_EQ(screen().Pixel(x, 30), kBlackInk) << x;
    EXPECT_EQ(screen().Pixel(x, 391), kBlackInk) << x;
    EXPECT_EQ(screen().Pixel(x, 29), kGrey) << x;
  }
}

TEST_F(MainScreenTest, QualityFigureFollowsTheSystemQuality) {
  Pool().SystemQuality = 7;
  DrawMainScreen();
  EXPECT_TRUE(ShowsText(screen(), 128, 337, "7"));
}

TEST_F(MainScreenTest, RedrawWipesEverythingDrawnBefore) {
  screen().FillRect(0, 0, 787, 434, {255, 0, 0});
  DrawMainScreen();
  EXPECT_EQ(screen().Pixel(300, 200), kGrey);
  EXPECT_EQ(screen().Pixel(787, 434), kGrey);
}

}  // namespace
}  // namespace vorlanz
