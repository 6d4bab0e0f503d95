#include "calc/card_choice.h"

#include <array>
#include <string>
#include <vector>

#include "calc/card_preview.h"
#include "calc/screen_calc_fixture.h"
#include "support/calculation_trace.h"
#include "support/rgb.h"
#include "support/text_probe.h"

namespace vorlanz {
namespace {

using testing::SetRow;
using testing::SetSeries;
using testing::ShowsText;

class CardChoiceTest : public testing::ScreenCalcTest {
 protected:
  void SetUp() override {
    ScreenCalcTest::SetUp();
    Pool().CardPrompt = "Bitte einen Tipp auswählen:";
  }
  // While the window is open: the tab and the preview show `card`.
  void ExpectCardShown(int card) {
    os.Then([this, card] {
      EXPECT_EQ(Dialog().CurrentTab, card + 1);
      EXPECT_TRUE(ShowsText(os.Screen(), 282, 15, "Tipp-Nr.: " + std::to_string(card)));
      EXPECT_EQ(Pool().LoadedCard, card);
    });
  }
  // The client area is 424 x 355: OK at x 123, ABBRUCH at x 223, both at y 315.
  static constexpr int kButtonY = 323;
  static constexpr int kOkX = 130;
  static constexpr int kCancelX = 230;
  // Tab n + 1 (card n) spans 23 pixels from x = 8 + 23 n.
  static int TabX(int card) { return 8 + 23 * card + 10; }
};

TEST_F(CardChoiceTest, FirstOpensOnCardZeroUnderThePrompt) {
  os.Then([&] {
    EXPECT_EQ(os.WindowTitle(os.CurrentWindow()), "Bitte einen Tipp auswählen:");
    const auto g = os.WindowGeometry(os.CurrentWindow());
    EXPECT_EQ((std::array{g.x, g.y, g.width, g.height}), (std::array{138, 10, 430, 392}));
    EXPECT_TRUE(ShowsText(os.Screen(), 64, 128, "   Diese Karteikarte ist noch frei!   "));
  });
  ExpectCardShown(0);
  os.KeyDown('O');
  ChooseCard();
  EXPECT_EQ(Dialog().DialogKey, "O");
  EXPECT_EQ(Pool().ChosenCard, 0);
  EXPECT_EQ(os.CurrentWindow(), platform::kMainWindow);
  EXPECT_FALSE(os.WindowOpen(2));
}

TEST_F(CardChoiceTest, DigitsAndClicksSwitchCardsOChoosesXCancels) {
  os.Key('7');
  ExpectCardShown(7);
  os.Key(platform::vk::kNumpad0 + 4);
  ExpectCardShown(4);
  os.Keys("o");  // lower case counts as well
  ChooseCard();
  EXPECT_EQ(Dialog().DialogKey, "O");
  EXPECT_EQ(Pool().ChosenCard, 4);

  // The next choice opens on the card chosen last; cancelling keeps it.
  ExpectCardShown(4);
  os.Key('9').KeyDown('X');
  ChooseCard();
  EXPECT_NE(Dialog().DialogKey, "O");
  EXPECT_EQ(Pool().ChosenCard, 4);
  os.Key('5').Click(kCancelX, kButtonY);
  ChooseCard();
  EXPECT_EQ(Pool().ChosenCard, 4);

  os.Click(TabX(3), 20);
  ExpectCardShown(3);
  os.Click(TabX(8), 20);
  ExpectCardShown(8);
  os.Click(kOkX, kButtonY);
  ChooseCard();
  EXPECT_EQ(Pool().ChosenCard, 8);
}

TEST_F(CardChoiceTest, F1OpensTheHelpAndTheChoiceStaysOpen) {
  Dialog().HelpTopic = "NORM-Reihe";  // left by the dialog before
  os.Key('3').Key(platform::vk::kF1);
  os.Then([&] { EXPECT_EQ(os.help_requests(), std::vector<std::string>{"Scheine auswählen"}); });
  os.KeyDown('O');
  ChooseCard();
  EXPECT_TRUE(os.ScriptDone());
  EXPECT_EQ(Dialog().DialogKey, "O");
  EXPECT_EQ(Pool().ChosenCard, 3);
}

// Card 3 holds rows of draws, row 2 one off the GAME series and row 5 four
// off it.
class CardPreviewTest : public CardChoiceTest {
 protected:
  void SetUp() override {
    CardChoiceTest::SetUp();
    PoolData& pool = Pool();
    SetSeries(pool.NormSeries, "1111111111111");
    SetSeries(pool.GameSeries, "1111111111111");
    pool.GameReady = kTrue;
    RowTable& card = pool.CardTips[3];
    for (int r = 1; r <= kRowCount; ++r) {
      SetRow(card, r, "0000000000000");
      card[0][r] = static_cast<Byte>(r % 10);
    }
    SetRow(card, 2, "1111111111112");
    SetRow(card, 5, "2222111111111");
    pool.CardOccupied[3] = kTrue;
    for (int r = 1; r <= kRowCount; ++r) SetRow(pool.TipRows, r, "2222222222222");
    window_ = os.OpenWindow("Bitte einen Tipp auswählen:", 138, 10, 430, 392);
    os.WindowSurface(window_).FillRect(0, 0, 423, 354, rgb::White);
  }
  bool PreviewShows(int x, int y, std::string_view text) {
    return ShowsText(os.WindowSurface(window_), x, y, text);
  }
  platform::WindowId window_ = 0;
};

TEST_F(CardPreviewTest, AnOccupiedCardShowsItsRowsAndWins) {
  ShowCard(3);
  const platform::Surface& s = os.WindowSurface(window_);
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
  EXPECT_TRUE(PreviewShows(152, 278, " 4"));
  EXPECT_TRUE(PreviewShows(149, 293, "    ")) << "four off wins nothing";
  testing::ExpectPixels(s, rgb::Black, {16, 226, 405, 226});
  EXPECT_EQ(s.Pixel(407, 226), rgb::White);
  EXPECT_EQ(Pool().TipRows[1][1], 2) << "a preview leaves the current tip set alone";
  // A card without wins wipes the last card's "Win!".
  Pool().CardTips[4] = {};
  Pool().CardOccupied[4] = kTrue;
  ShowCard(4);
  EXPECT_TRUE(PreviewShows(53, 293, "    "));
}

TEST_F(CardPreviewTest, CompareModeShowsEachRowsDistanceToTheNearestCurrentRow) {
  PoolData& pool = Pool();
  pool.CompareMode = kTrue;
  SetRow(pool.TipRows, 5, "0000000000000");  // the card's row 1 itself
  SetRow(pool.TipRows, 6, "1111111111111");  // one off the card's row 2
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

// The separator above the buttons stays whole under a stored card's preview.
TEST_F(CardPreviewTest, ThePreviewLeavesTheSeparatorWhole) {
  os.CloseWindow(window_);
  Pool().ChosenCard = 3;
  os.Then([&] {
    const platform::Surface& s = os.Screen();
    const int y = s.height() - 47;
    EXPECT_EQ(testing::CountColour(s, rgb::Groove, 10, y, s.width() - 13, y), s.width() - 22);
  });
  os.KeyDown('X');
  ChooseCard();
}

}  // namespace
}  // namespace vorlanz
