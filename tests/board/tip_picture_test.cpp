#include "board/tip_picture.h"

#include <gtest/gtest.h>

#include "calc/card_preview.h"
#include "model/pool_data.h"
#include "support/calculation_trace.h"
#include "support/screen_test.h"
#include "support/text_probe.h"
#include "widgets/dialog_state.h"

namespace vorlanz {
namespace {

using testing::SetRow;
using testing::SetSeries;
using testing::ShowsText;

constexpr platform::Rgb kWhiteRgb{255, 255, 255};

int MatchLine(int match) {
  return 66 + 16 * (match - 1);
}
int RowColumn(int row) {
  return 129 + 40 * row;
}

// Card 3 holds recognisable rows; row 2 is one off the GAME series.
class StoredCardTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    // A white page, so that drawn blanks show as light grey.
    main_screen().FillRect(0, 0, kMainWidth - 1, kMainHeight - 1, kWhiteRgb);
    PoolData& pool = Pool();
    SetSeries(pool.NormSeries, "1111111111111");
    SetSeries(pool.GameSeries, "1111111111111");
    pool.GameReady = kTrue;
    RowTable& card = pool.CardTips[3];
    for (int r = 1; r <= kRowCount; ++r) {
      SetRow(card, r, "0000000000000");
      card[0][r] = static_cast<Byte>(r % 10);
    }
    SetRow(card, 2, "1111111111112");  // one off the GAME series
    pool.CardOccupied[3] = kTrue;
    for (int r = 1; r <= kRowCount; ++r) SetRow(pool.TipRows, r, "2222222222222");
    pool.ChosenCard = 3;
  }
  bool Shows(int x, int y, std::string_view text) { return ShowsText(main_screen(), x, y, text); }
};

TEST_F(StoredCardTest, ACancelledChoiceOnlyRedrawsTheMainScreen) {
  Dialog().DialogKey = "X";
  const RowTable before = Pool().TipRows;
  ShowStoredCard();
  EXPECT_EQ(Pool().TipRows, before);
  EXPECT_TRUE(Shows(64, 314, "TIPP-BILD"));
  EXPECT_TRUE(ShowsText(main_screen(), 169, MatchLine(1), " ", {0, 0, 0}, {192, 192, 192}));
}

TEST_F(StoredCardTest, OpensTheCardWithItsFiguresTwoPixelsLower) {
  Dialog().DialogKey = "O";
  ShowStoredCard();
  const PoolData& pool = Pool();
  EXPECT_EQ(pool.LoadedCard, 3);
  EXPECT_EQ(pool.TipRows, [&] {
    RowTable expected = pool.CardTips[3];
    for (int r = 0; r <= kRowCount; ++r) expected[0][r] = 0;
    return expected;
  }());
  EXPECT_EQ(pool.RowQuality[7], 7);

  const int x0 = RowColumn(2);
  EXPECT_TRUE(Shows(x0, MatchLine(13), "2"));
  EXPECT_TRUE(Shows(x0 - 8, 290, " 1"));
  EXPECT_TRUE(Shows(x0 - 7, 316, "1201"));
  EXPECT_TRUE(Shows(x0 + 1, 339, "2"));
  EXPECT_TRUE(Shows(x0 - 6, 364, " 1"));
  EXPECT_TRUE(Shows(x0 - 6, 380, "Win!"));
  const int x1 = RowColumn(1);
  EXPECT_TRUE(Shows(x1 - 8, 290, "13"));
  EXPECT_TRUE(Shows(x1 - 6, 364, "13"));
  EXPECT_FALSE(Shows(x1 - 6, 380, "Win!"));
  EXPECT_TRUE(Shows(64, 380, "TippNr: 3"));
}

class CardPreviewTest : public StoredCardTest {
 protected:
  void SetUp() override {
    StoredCardTest::SetUp();
    window_ = os.OpenWindow("Bitte einen Tipp auswählen:", 138, 10, 430, 384);
    os.WindowSurface(window_).FillRect(0, 0, 423, 346, kWhiteRgb);
  }
  const platform::Surface& preview() { return os.WindowSurface(window_); }
  bool PreviewShows(int x, int y, std::string_view text) {
    return ShowsText(preview(), x, y, text);
  }
  platform::WindowId window_ = 0;
};

TEST_F(CardPreviewTest, AnOccupiedCardShowsItsRowsAndWins) {
  Dialog().CurrentTab = 4;
  ShowCard(3);
  EXPECT_EQ(Pool().LoadedCard, 3);
  EXPECT_TRUE(PreviewShows(282, 15, "Tipp-Nr.: 3"));
  // Row 2 is the second column, 32 pixels right of the first.
  EXPECT_TRUE(PreviewShows(40, 42, "   1"));
  EXPECT_TRUE(PreviewShows(40, 210, "   2"));
  EXPECT_TRUE(PreviewShows(8, 42, "   0"));
  EXPECT_TRUE(PreviewShows(56, 230, " 1"));
  // Each counts text ends with a blank that the next row's text covers.
  EXPECT_TRUE(PreviewShows(56, 246, "1201"));
  EXPECT_TRUE(PreviewShows(376, 246, "0130 "));
  EXPECT_TRUE(PreviewShows(64, 262, "2"));
  EXPECT_TRUE(PreviewShows(56, 278, " 1"));
  EXPECT_TRUE(PreviewShows(53, 293, "Win!"));
  EXPECT_TRUE(PreviewShows(21, 293, "    ")) << "row 1 wins nothing: its place is blank";
  EXPECT_EQ(preview().Pixel(100, 226), (platform::Rgb{0, 0, 0}));
  EXPECT_EQ(preview().Pixel(405, 226), (platform::Rgb{0, 0, 0}));
  EXPECT_EQ(preview().Pixel(407, 226), kWhiteRgb);
  EXPECT_EQ(Pool().TipRows[1][1], 2) << "a preview leaves the current tip set alone";
}

TEST_F(CardPreviewTest, CompareModeShowsEachRowsDistanceToTheNearestCurrentRow) {
  PoolData& pool = Pool();
  pool.CompareMode = kTrue;
  SetRow(pool.TipRows, 5, "0000000000000");  // the card's row 1 itself
  SetRow(pool.TipRows, 6, "1111111111111");  // one off the card's row 2
  Dialog().CurrentTab = 4;
  ShowCard(3);
  EXPECT_TRUE(PreviewShows(16, 293, "  0  "));
  EXPECT_TRUE(PreviewShows(48, 293, "  1  "));
  EXPECT_TRUE(PreviewShows(16 + 32 * 11, 293, "  0  "));
  // Every stored row all draws, every current row all away wins: 13 shows as 11.
  pool.CardTips[3] = {};
  for (int r = 1; r <= kRowCount; ++r) SetRow(pool.TipRows, r, "2222222222222");
  ShowCard(3);
  EXPECT_TRUE(PreviewShows(16, 293, " 11  "));
}

}  // namespace
}  // namespace vorlanz
