#include "calc/tip_picture.h"

#include <gtest/gtest.h>

#include "calc/card_preview.h"
#include "calc/logic/pool_data.h"
#include "support/screen_test.h"
#include "support/text_probe.h"
#include "widgets/dialog_state.h"

namespace vorlanz {
namespace {

using testing::ShowsText;

constexpr platform::Rgb kWhiteRgb{255, 255, 255};

int MatchLine(int match) {
  return 66 + 16 * (match - 1);
}
int RowColumn(int row) {
  return 129 + 40 * row;
}

void SetSeries(Series& series, const char* codes) {
  for (int m = 1; m <= kMatchCount; ++m) series[m] = static_cast<Byte>(codes[m - 1] - '0');
}

void SetColumn(RowTable& rows, int row, const char* codes) {
  for (int m = 1; m <= kMatchCount; ++m) rows[m][row] = static_cast<Byte>(codes[m - 1] - '0');
}

class TipPictureTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    // A white page, so that drawn blanks show as light grey.
    main_screen().FillRect(0, 0, kMainWidth - 1, kMainHeight - 1, kWhiteRgb);
  }
  bool Shows(int x, int y, std::string_view text) { return ShowsText(main_screen(), x, y, text); }
  bool Untouched(int x1, int y1, int x2, int y2) {
    return testing::AreaIs(main_screen(), x1, y1, x2, y2, kWhiteRgb);
  }
};

TEST_F(TipPictureTest, ForecastColumnsShowNumbersAndWeightsWithZeroAsBlanks) {
  Pool().OwnForecast[1] = {0, 7, 0, 5};
  Pool().OwnForecast[10] = {0, 12, 0, 100};
  DrawForecastColumns();
  EXPECT_TRUE(Shows(24, 64, " 1."));
  EXPECT_TRUE(Shows(56, 64, "  7"));
  EXPECT_TRUE(Shows(80, 64, "   "));
  EXPECT_TRUE(Shows(104, 64, "  5"));
  EXPECT_TRUE(Shows(24, 208, "10."));
  EXPECT_TRUE(Shows(56, 208, " 12"));
  EXPECT_TRUE(Shows(104, 208, "100"));
  EXPECT_TRUE(Shows(24, 256, "13."));
  EXPECT_TRUE(Untouched(64, 290, 160, 305)) << "no FGES without a NORM series";
}

TEST_F(TipPictureTest, NormColumnShowsTheCodesAndTheirCounts) {
  SetSeries(Pool().NormSeries, "1110022222222");
  DrawNormColumn();
  EXPECT_TRUE(Shows(669, MatchLine(1), "1"));
  EXPECT_TRUE(Shows(669, MatchLine(4), "0"));
  EXPECT_TRUE(Shows(669, MatchLine(13), "2"));
  EXPECT_TRUE(Shows(653, 314, " 328 "));
  EXPECT_TRUE(Shows(64, 290, "FGES:  0"));
}

TEST_F(TipPictureTest, GameColumnShowsItsDifferencesFromNorm) {
  SetSeries(Pool().NormSeries, "1111111111111");
  SetSeries(Pool().GameSeries, "1111111111002");
  DrawGameColumn();
  EXPECT_TRUE(Shows(725, MatchLine(11), "0"));
  EXPECT_TRUE(Shows(725, MatchLine(13), "2"));
  EXPECT_TRUE(Shows(717, 290, " 3 "));
  EXPECT_TRUE(Shows(709, 314, "1021 "));
}

TEST_F(TipPictureTest, TipSetShowsRowsFiguresAndWinsAgainstGame) {
  PoolData& pool = Pool();
  SetSeries(pool.NormSeries, "1111111111111");
  SetSeries(pool.GameSeries, "1111111111111");
  for (int r = 1; r <= kRowCount; ++r) SetColumn(pool.TipRows, r, "2222222222222");
  SetColumn(pool.TipRows, 1, "1111111111000");  // 3 off NORM and GAME: wins
  pool.RowQuality[1] = 4;
  DrawTipSet();
  const int x0 = RowColumn(1);
  EXPECT_EQ(x0, 169);
  EXPECT_TRUE(Shows(x0, MatchLine(1), "1"));
  EXPECT_TRUE(Shows(x0, MatchLine(13), "0"));
  EXPECT_TRUE(Shows(x0, 288, "3"));
  EXPECT_TRUE(Shows(x0 - 7, 314, "1030"));
  EXPECT_TRUE(Shows(x0 + 1, 337, "4"));
  EXPECT_TRUE(Untouched(x0, 362, x0 + 20, 377)) << "no comparison without a GAME series";
  EXPECT_TRUE(Untouched(x0 - 6, 380, x0 + 26, 395));

  pool.GameReady = kTrue;
  DrawTipSet();
  EXPECT_TRUE(Shows(x0 + 2, 362, "3"));
  EXPECT_TRUE(Shows(x0 - 6, 380, "Win!"));
  const int x12 = RowColumn(12);
  EXPECT_EQ(x12, 609);
  EXPECT_TRUE(Shows(x12 + 2, 362, "13"));
  EXPECT_TRUE(Untouched(x12 - 6, 380, x12 + 26, 395)) << "13 differences win nothing";
}

class StoredCardTest : public TipPictureTest {
 protected:
  void SetUp() override {
    TipPictureTest::SetUp();
    PoolData& pool = Pool();
    SetSeries(pool.NormSeries, "1111111111111");
    SetSeries(pool.GameSeries, "1111111111111");
    pool.GameReady = kTrue;
    RowTable& card = pool.CardTips[3];
    for (int r = 1; r <= kRowCount; ++r) {
      SetColumn(card, r, "0000000000000");
      card[0][r] = static_cast<Byte>(r % 10);
    }
    SetColumn(card, 2, "1111111111112");  // one off the GAME series
    pool.CardOccupied[3] = kTrue;
    for (int r = 1; r <= kRowCount; ++r) SetColumn(pool.TipRows, r, "2222222222222");
    pool.ChosenCard = 3;
  }
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

TEST_F(CardPreviewTest, AFreeCardSaysSo) {
  Dialog().CurrentTab = 5;
  ShowCard();
  EXPECT_EQ(Pool().LoadedCard, 4);
  EXPECT_TRUE(PreviewShows(282, 15, "Tipp-Nr.: 4"));
  EXPECT_TRUE(PreviewShows(64, 128, "   Diese Karteikarte ist noch frei!   "));
  EXPECT_TRUE(PreviewShows(24, 293, std::string(38, ' ')));
  EXPECT_TRUE(testing::AreaIs(preview(), 16, 42, 410, 127, {192, 192, 192}));
}

TEST_F(CardPreviewTest, AnOccupiedCardShowsItsRowsAndWins) {
  Dialog().CurrentTab = 4;
  ShowCard();
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
  SetColumn(pool.TipRows, 5, "0000000000000");  // the card's row 1 itself
  SetColumn(pool.TipRows, 6, "1111111111111");  // one off the card's row 2
  Dialog().CurrentTab = 4;
  ShowCard();
  EXPECT_TRUE(PreviewShows(16, 293, "  0  "));
  EXPECT_TRUE(PreviewShows(48, 293, "  1  "));
  EXPECT_TRUE(PreviewShows(16 + 32 * 11, 293, "  0  "));
}

TEST_F(CardPreviewTest, DistancesNeverExceedEleven) {
  PoolData& pool = Pool();
  pool.CompareMode = kTrue;
  pool.CardTips[3] = {};
  // Every stored row is all draws; the current rows are all away wins.
  Dialog().CurrentTab = 4;
  ShowCard();
  EXPECT_TRUE(PreviewShows(16, 293, " 11  "));
}

}  // namespace
}  // namespace vorlanz
