#include "calc/card_choice.h"

#include "calc/screen_calc_fixture.h"
#include "support/text_probe.h"

#include <array>

namespace vorlanz {
namespace {

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
    });
  }
  // The client area is 424 x 347: OK at x 123, ABBRUCH at x 223, both at y 307.
  static constexpr int kButtonY = 315;
  static constexpr int kOkX = 130;
  static constexpr int kCancelX = 230;
  // Tab n + 1 (card n) spans 23 pixels from x = 8 + 23 n.
  static int TabX(int card) { return 8 + 23 * card + 10; }
};

TEST_F(CardChoiceTest, FirstOpensOnCardZeroUnderThePrompt) {
  os.Then([&] {
    EXPECT_EQ(os.WindowTitle(os.CurrentWindow()), "Bitte einen Tipp auswählen:");
    const auto g = os.WindowGeometry(os.CurrentWindow());
    EXPECT_EQ((std::array{g.x, g.y, g.width, g.height}), (std::array{138, 10, 430, 384}));
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

TEST_F(CardChoiceTest, DigitsSwitchCardsAndOChooses) {
  os.Key('7');
  ExpectCardShown(7);
  os.Key(platform::vk::kNumpad0 + 4);
  ExpectCardShown(4);
  os.Keys("o");  // lower case counts as well
  ChooseCard();
  EXPECT_EQ(Dialog().DialogKey, "O");
  EXPECT_EQ(Pool().ChosenCard, 4);

  // The next choice opens on the card chosen last.
  ExpectCardShown(4);
  os.KeyDown('X');
  ChooseCard();
  EXPECT_EQ(Pool().ChosenCard, 4);
}

TEST_F(CardChoiceTest, CancelKeepsTheCardChosenBefore) {
  Pool().ChosenCard = 2;
  os.Key('9').KeyDown('X');
  ChooseCard();
  EXPECT_NE(Dialog().DialogKey, "O");
  EXPECT_EQ(Pool().ChosenCard, 2);

  os.Key('5').Click(kCancelX, kButtonY);
  ChooseCard();
  EXPECT_EQ(Pool().ChosenCard, 2);
  ExpectCardShown(2);
  os.KeyDown('X');
  ChooseCard();
}

TEST_F(CardChoiceTest, ClicksOnTabsAndOk) {
  os.Click(TabX(3), 20);
  ExpectCardShown(3);
  os.Click(TabX(8), 20);
  ExpectCardShown(8);
  os.Click(kOkX, kButtonY);
  ChooseCard();
  EXPECT_EQ(Dialog().DialogKey, "O");
  EXPECT_EQ(Pool().ChosenCard, 8);
}

TEST_F(CardChoiceTest, F1OpensTheHelpAndCancels) {
  os.Key('3').Key(platform::vk::kF1);
  ChooseCard();
  EXPECT_EQ(Pool().ChosenCard, 0);
  ASSERT_EQ(os.help_requests().size(), 1u);
  EXPECT_EQ(os.help_requests()[0], "Scheine auswählen");
}

}  // namespace
}  // namespace vorlanz
