#include "board/main_screen.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <tuple>

#include "model/pool_data.h"
#include "support/screen_test.h"
#include "support/text_probe.h"

namespace vorlanz {
namespace {

using testing::AreaIs;
using testing::ExpectPixels;
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
  for (const auto& [x, y, text] : {std::tuple{32, 39, "#"},
                                   {32 + 8 * 5, 39, "G  U  V"},
                                   {32 + 8 * 17, 39, "1    2"},
                                   {32 + 8 * 78, 39, "NORM"},
                                   {32 + 8 * 85, 39, "GAME"},
                                   {64, 314, "TIPP-BILD"},
                                   {64, 337, "GÜTE:   "},
                                   {64, 362, "VERGLEICH"}}) {
    EXPECT_TRUE(ShowsText(screen(), x, y, text)) << text;
  }
  EXPECT_TRUE(AreaIs(screen(), 128, 337, 135, 352, kGrey)) << "no quality figure while 0";
  EXPECT_TRUE(AreaIs(screen(), 169, 66, 176, 81, kGrey)) << "no tip rows";
}

TEST_F(MainScreenTest, StatusBarAndGridLines) {
  DrawMainScreen();
  // The bar spans the whole width, its bottom edge starts at x 0, nothing
  // above or below it.
  ExpectPixels(screen(), kWhite, {0, 395, 786, 395});
  ExpectPixels(screen(), kDarkGrey, {787, 400, 0, 416, 787, 416});
  ExpectPixels(screen(), kGrey, {400, 394, 400, 417});
  ExpectPixels(screen(), kBlackInk, {16, 56, 757, 278});
  for (int x : {52, 144, 643, 701}) {
    EXPECT_EQ(screen().Pixel(x, 30), kBlackInk) << x;
    EXPECT_EQ(screen().Pixel(x, 391), kBlackInk) << x;
    EXPECT_EQ(screen().Pixel(x, 29), kGrey) << x;
  }
  EXPECT_TRUE(ShowsText(screen(), 10, 400, "VORLANZ V5.0 by Zemko"));
  EXPECT_TRUE(ShowsText(screen(), 710, 400, "F1=HILFE"));
}

TEST_F(MainScreenTest, RedrawWipesEverythingAndShowsTheSystemQuality) {
  screen().FillRect(0, 0, 787, 434, {255, 0, 0});
  Pool().SystemQuality = 7;
  DrawMainScreen();
  EXPECT_EQ(screen().Pixel(300, 200), kGrey);
  EXPECT_EQ(screen().Pixel(787, 434), kGrey);
  EXPECT_TRUE(ShowsText(screen(), 128, 337, "7"));
}

// Whatever the screen before it left behind (the last font of the contest,
// the check, the win chances and the data commands; the chart's dashed and
// dotted pens; the merge mode and see-through text of the engraved labels;
// other colours), the main screen is the same picture.
TEST_F(MainScreenTest, IsTheSamePictureWhateverWasDrawnBefore) {
  PoolData& pool = Pool();
  pool.SystemQuality = 5;
  for (int m = 1; m <= kMatchCount; ++m) {
    pool.OwnForecast[m] = {0, 6, 3, 3};
    pool.NormSeries[m] = kHomeWin;
    pool.GameSeries[m] = kAwayWin;
  }
  pool.OwnForecastReady = pool.NormReady = pool.GameReady = kTrue;
  DrawMainScreen();
  const std::uint64_t fresh = Checksum(screen());

  using platform::PenMode;
  using platform::PenStyle;
  struct Left {
    const char* what;
    std::function<void(platform::Surface&)> set;
  };
  const Left left_behind[] = {
      {"font 6", [](platform::Surface& s) { s.SetFont(6); }},
      {"font 14", [](platform::Surface& s) { s.SetFont(14); }},
      {"font 16", [](platform::Surface& s) { s.SetFont(16); }},
      {"font 20", [](platform::Surface& s) { s.SetFont(20); }},
      {"font 24", [](platform::Surface& s) { s.SetFont(24); }},
      {"xor pen", [](platform::Surface& s) { s.SetPenMode(PenMode::Xor); }},
      {"merge pen", [](platform::Surface& s) { s.SetPenMode(PenMode::Merge); }},
      {"dashed pen", [](platform::Surface& s) { s.SetPenStyle(PenStyle::Dash); }},
      {"dotted pen", [](platform::Surface& s) { s.SetPenStyle(PenStyle::Dot); }},
      {"dash-dot pen", [](platform::Surface& s) { s.SetPenStyle(PenStyle::DashDot); }},
      {"see-through text", [](platform::Surface& s) { s.SetOpaque(false); }},
      {"white pen, red on blue text",
       [](platform::Surface& s) {
         s.SetPenColour(kWhite);
         s.SetTextColour({255, 0, 0});
         s.SetBackColour({0, 0, 255});
       }},
  };
  for (const Left& state : left_behind) {
    screen().FillRect(0, 0, 787, 434, {0, 128, 0});
    state.set(screen());
    DrawMainScreen();
    EXPECT_EQ(Checksum(screen()), fresh) << state.what;
  }
}

}  // namespace
}  // namespace vorlanz
