#include "analysis/win_chances_screen.h"

#include <gtest/gtest.h>

#include "analysis/logic/contest_chart.h"
#include "analysis/logic/win_chances_table.h"
#include "calc/logic/card_copy.h"
#include "calc/screen_calc_fixture.h"
#include "model/pool_data.h"
#include "shell/main_menu.h"
#include "shell/menu_commands.h"
#include "support/text_probe.h"
#include "widgets/palette.h"

namespace vorlanz {
namespace {

using platform::kRightButton;
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

TEST_F(WinChancesScreenTest, OneLinePerTipSetWithItsBarOnTheContestScale) {
  PoolData& pool = Pool();
  StoreRows(2, 1);
  StoreRows(7, 2);
  TakeCardAsTipSet(pool, 7);
  pool.CardOccupied[7] = kFalse;  // the current tip set, no longer stored
  StoreRows(7, 0);
  pool.CardOccupied[7] = kTrue;
  for (int m = 1; m <= kMatchCount; ++m) pool.OfficialForecast[m] = {0, 4, 3, 5};
  pool.OfficialForecastReady = kTrue;

  const std::vector<ChancesLine> lines =
      WinChanceLines(pool, ChancesFromWeights(pool.OfficialForecast));
  ASSERT_EQ(lines.size(), 3u);
  os.Then([&] {
    const auto& screen = main_screen();
    SaveShot("win_chances");
    EXPECT_TRUE(ShowsText(screen, 1, 376, "Chancen aus: amtliche Vorlanz"));
    const int colours[] = {kBlack, pool.CardColour[2], pool.CardColour[7]};
    const char* labels[] = {"akt ", "  2 ", "  7 "};
    for (int i = 0; i < 3; ++i) {
      SCOPED_TRACE(i);
      const int y = 68 + 28 * i;
      const auto colour = PaletteColour(colours[i]);
      const auto& chances = lines[i].figures.bestRankAtLeast;
      EXPECT_TRUE(ShowsText(screen, 1, y, labels[i] + PercentText(chances[0]), colour));
      EXPECT_TRUE(ShowsText(screen, 1 + 8 * 24, y, " " + PercentText(chances[3]), colour));
      if (i == 0) continue;  // black, as the grid: its bar is not counted
      // The bar's filling ends at the run's points, 1.5 pixels a point.
      const int end = chart::PointsX(lines[i].figures.expectedPointsPerRun);
      EXPECT_GT(end, chart::kLeft + 10);
      EXPECT_LT(end, chart::kRight - 120);
      EXPECT_EQ(testing::CountColour(screen, colour, chart::kLeft + 1, y + 4, end + 3, y + 4),
                end - chart::kLeft - 1);
    }
  });
  os.Key('X');
  Win_1_MenuEvent(command::kWinChances);
  EXPECT_TRUE(os.ScriptDone());
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
    const auto helpBefore = os.help_requests().size();
    ShowWinChances();
    EXPECT_TRUE(os.ScriptDone());
    EXPECT_EQ(os.help_requests().size() - helpBefore, c.helps);
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
