#include "analysis/win_chances_screen.h"

#include <gtest/gtest.h>

#include "analysis/logic/win_chances_table.h"
#include "calc/logic/card_copy.h"
#include "calc/screen_calc_fixture.h"
#include "model/pool_data.h"
#include "shell/main_menu.h"
#include "shell/menu_commands.h"
#include "support/calculation_trace.h"
#include "support/text_probe.h"
#include "widgets/palette.h"

namespace vorlanz {
namespace {

using platform::kRightButton;
using testing::SetRow;
using testing::ShowsText;

class WinChancesScreenTest : public testing::ScreenCalcTest {
 protected:
  void SetUp() override {
    ScreenCalcTest::SetUp();
    GiveForecast(5, 4, 3);
  }
  static void StoreRows(int card, int shift) {
    PoolData& pool = Pool();
    for (int r = 1; r <= kRowCount; ++r) {
      for (int m = 1; m <= kMatchCount; ++m) {
        pool.CardTips[card][m][r] = (r * m + shift) % 4 == 0 ? kHomeWin : kAwayWin;
      }
    }
    pool.CardOccupied[card] = kTrue;
  }
};

TEST_F(WinChancesScreenTest, WithoutTipSetOrCardNothingHappens) {
  // Neither the forecast entry nor the wait may start: the empty script
  // would end the test with ScriptExhausted.
  Pool().OwnForecastReady = kFalse;
  Win_1_MenuEvent(command::kWinChances);
  EXPECT_TRUE(os.ScriptDone());
}

// Every match ends in a home win but the last, a draw or a home win alike.
// The current tip set's row 1 is all home wins: rank I or II. Card 2's row 1
// differs in matches 11 and 12: rank III or IV, 1.5 points a series. Card 7's
// row 1 differs in three matches and tips a draw last: rank IV or nothing,
// half a point. Every other row wins nothing.
TEST_F(WinChancesScreenTest, OneLinePerTipSetWithItsBarOnTheContestScale) {
  PoolData& pool = Pool();
  const char* const first_rows[] = {"1111111111111", "1111111111221", "2221111111110"};
  const int cards[] = {7, 2, 7};
  for (int i = 0; i < 3; ++i) {
    for (int r = 2; r <= kRowCount; ++r) SetRow(pool.CardTips[cards[i]], r, "2222222222222");
    SetRow(pool.CardTips[cards[i]], 1, first_rows[i]);
    pool.CardOccupied[cards[i]] = kTrue;
    if (i == 0) TakeCardAsTipSet(pool, 7);
  }
  for (int m = 1; m <= kMatchCount; ++m) pool.OfficialForecast[m] = {0, 12, 0, 0};
  pool.OfficialForecast[13] = {0, 6, 6, 0};
  pool.OfficialForecastReady = kTrue;

  const char* const texts[2][3][2] = {
      {{"akt 50.000", " 100.00"}, {"  2 0.0000", " 100.00"}, {"  7 0.0000", " 50.000"}},
      {{"  2 0.0000", " 100.00"}, {"  7 0.0000", " 50.000"}, {"", ""}}};
  const int bar_ends[2][3] = {{0, 500, 350}, {500, 350, 0}};
  for (int ready = 1; ready >= 0; --ready) {
    SCOPED_TRACE(ready);
    pool.TipSetReady = ToFlag(ready == 1);
    const int lines = ready == 1 ? 3 : 2;
    const int colours[2][3] = {{kBlack, pool.CardColour[2], pool.CardColour[7]},
                               {pool.CardColour[2], pool.CardColour[7], kBlack}};
    os.Then([&] {
      const auto& screen = main_screen();
      if (ready == 1) SaveShot("win_chances");
      EXPECT_TRUE(ShowsText(screen, 1, 376, "Chancen aus: amtliche Vorlanz"));
      for (int i = 0; i < lines; ++i) {
        SCOPED_TRACE(i);
        const int y = 68 + 28 * i;
        const auto colour = PaletteColour(colours[1 - ready][i]);
        EXPECT_TRUE(ShowsText(screen, 1, y, texts[1 - ready][i][0], colour));
        EXPECT_TRUE(ShowsText(screen, 1 + 8 * 24, y, texts[1 - ready][i][1], colour));
        const int end = bar_ends[1 - ready][i];
        if (end == 0) continue;  // black, as the grid: its bar is not counted
        EXPECT_EQ(testing::CountColour(screen, colour, 276, y + 4, end + 3, y + 4), end - 276);
      }
      EXPECT_TRUE(ShowsText(screen, 1, 68 + 28 * lines, "    ")) << "no line more";
    });
    os.Key('X');
    Win_1_MenuEvent(command::kWinChances);
    EXPECT_TRUE(os.ScriptDone());
  }
}

TEST_F(WinChancesScreenTest, AKeyOrClickLeavesAndTheHelpKeepsTheScreen) {
  struct Case {
    const char* what;
    void (*script)(platform::HeadlessPlatform&);
    std::size_t helps;
  };
  const Case cases[] = {
      {"a key", [](platform::HeadlessPlatform& user) { user.Key(platform::vk::kEscape); }, 0},
      {"a right click",
       [](platform::HeadlessPlatform& user) { user.Click(300, 200, kRightButton); }, 0},
      {"a click at (600, 300)", [](platform::HeadlessPlatform& user) { user.Click(600, 300); }, 0},
      {"F1, then a key",
       [](platform::HeadlessPlatform& user) { user.Key(platform::vk::kF1).Key('X'); }, 1},
      {"a click at (600, 420), then a click",
       [](platform::HeadlessPlatform& user) { user.Click(600, 420).Click(100, 100); }, 1},
  };
  StoreRows(0, 0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.script(os);
    const auto help_before = os.help_requests().size();
    ShowWinChances();
    EXPECT_TRUE(os.ScriptDone());
    EXPECT_EQ(os.help_requests().size() - help_before, c.helps);
    if (c.helps > 0) {
      EXPECT_EQ(os.help_requests().back(), "Gewinnchancen");
    }
    os.Clear();
  }
}

TEST(WinChancesTable, PercentagesKeepFourDecimalsWhereTheyFit) {
  EXPECT_EQ(PercentText(0.0000627), "0.0063");
  EXPECT_EQ(PercentText(0.0000004), "0.0000");
  EXPECT_EQ(PercentText(0.0999994), "9.9999");
  EXPECT_EQ(PercentText(0.09999996), "10.000");
  EXPECT_EQ(PercentText(0.123456), "12.346");
  EXPECT_EQ(PercentText(1.0), "100.00");
}

}  // namespace
}  // namespace vorlanz
