#include "board/tip_picture.h"

#include <gtest/gtest.h>

#include "board/main_screen.h"
#include "model/pool_data.h"
#include "model/row_figures.h"
#include "support/calculation_trace.h"
#include "support/rgb.h"
#include "support/screen_test.h"
#include "support/text_probe.h"
#include "widgets/screen_text.h"

namespace vorlanz {
namespace {

using testing::SetRow;
using testing::SetSeries;

// Where a row's figures stand, from its column x0.
struct Places {
  int f_dx, f_y, f_cells;
  int counts_dx, counts_y;
  int quality_dx, quality_y;
  int g_dx, g_y, g_cells;
};

// Row r differs from the GAME series in its first r - 1 matches, so rows 1
// to 4 win and row 5, four off, does not; the NORM series differs from GAME
// in match 13.
class TipPictureTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    // A white page, so that drawn blanks show as light grey.
    main_screen().FillRect(0, 0, kMainWidth - 1, kMainHeight - 1, rgb::White);
    PoolData& pool = Pool();
    SetSeries(pool.GameSeries, "1111111111111");
    SetSeries(pool.NormSeries, "1111111111110");
    pool.GameReady = kTrue;
    for (int r = 1; r <= kRowCount; ++r) {
      std::string codes(13, '1');
      for (int m = 0; m < r - 1; ++m) codes[static_cast<std::size_t>(m)] = r % 2 == 0 ? '0' : '2';
      SetRow(pool.TipRows, r, codes);
      pool.RowQuality[r] = static_cast<Byte>(10 - r % 10);
    }
  }

  void ExpectRows(const Places& at) {
    const PoolData& pool = Pool();
    const platform::Surface& s = main_screen();
    for (int r = 1; r <= kRowCount; ++r) {
      SCOPED_TRACE(r);
      const int x0 = RowColumn(r);
      EXPECT_TRUE(testing::ShowsText(s, x0, MatchLine(1), Cells(pool.TipRows[1][r], 1)));
      const int f = ColumnDifferences(pool.TipRows, r, pool.NormSeries);
      EXPECT_TRUE(testing::ShowsText(s, x0 + at.f_dx, at.f_y, Cells(f, at.f_cells)));
      const std::string counts = CountsText(CountColumn(pool.TipRows, r), 1);
      EXPECT_TRUE(testing::ShowsText(s, x0 + at.counts_dx, at.counts_y, counts));
      EXPECT_TRUE(
          testing::ShowsText(s, x0 + at.quality_dx, at.quality_y, Cells(pool.RowQuality[r], 1)));
      EXPECT_TRUE(testing::ShowsText(s, x0 + at.g_dx, at.g_y, Cells(r - 1, at.g_cells)));
      EXPECT_EQ(testing::ShowsText(s, x0 - 6, kStatusY, "Win!"), r <= 4);
    }
  }
};

TEST_F(TipPictureTest, ATipSetShowsItsFiguresAndWins) {
  DrawTipSet();
  ExpectRows({0, 288, 1, -7, 314, 1, 337, 2, 362, 1});
}

TEST_F(TipPictureTest, AnOpenedCardStandsTwoPixelsLower) {
  Pool().LoadedCard = 6;
  ShowStoredCard();
  ExpectRows({-8, 290, 2, -7, 316, 1, 339, -6, 364, 2});
  EXPECT_TRUE(testing::ShowsText(main_screen(), 64, 314, "TIPP-BILD"));
  EXPECT_TRUE(testing::ShowsText(main_screen(), 64, kStatusY, "TippNr: 6"));
}

TEST_F(TipPictureTest, ClearingWipesEveryFigureLineButNotTheFrame) {
  DrawMainScreen();
  Pool().LoadedCard = 1;
  ShowStoredCard();
  const platform::Surface& s = main_screen();
  ClearTipPicture();
  EXPECT_TRUE(testing::AreaIs(s, 160, 66, 487, 271, rgb::LightGrey));
  EXPECT_TRUE(testing::ShowsText(s, RowColumn(9), MatchLine(1), "2")) << "rows 9-12 stay";
  EXPECT_TRUE(testing::AreaIs(s, 160, 280, 642, 377, rgb::LightGrey));
  EXPECT_TRUE(testing::AreaIs(s, 64, kStatusY, 642, kStatusY + 13, rgb::LightGrey));
  EXPECT_EQ(s.Pixel(643, 300), rgb::Black) << "the grid line after the tip rows";
  EXPECT_TRUE(testing::ShowsText(s, 64, 337, "GÜTE:   "));
}

}  // namespace
}  // namespace vorlanz
