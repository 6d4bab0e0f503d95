#include "analysis/contest.h"

#include <gtest/gtest.h>

#include "analysis/series_draw.h"
#include "calc/screen_calc_fixture.h"
#include "model/pool_data.h"
#include "shell/main_menu.h"
#include "support/calculation_trace.h"
#include "support/rgb.h"
#include "support/text_probe.h"
#include "widgets/dialog_input.h"
#include "widgets/palette.h"
#include "widgets/screen_text.h"

namespace vorlanz {
namespace {

using platform::kRightButton;
using testing::ShowsText;

class ContestTest : public testing::ScreenCalcTest {
 protected:
  void SetUp() override {
    ScreenCalcTest::SetUp();
    GiveForecast(5, 4, 3);
    PoolData& pool = Pool();
    for (int card : {0, 3, 7}) {
      for (int r = 1; r <= kRowCount; ++r) {
        for (int m = 1; m <= kMatchCount; ++m) {
          pool.CardTips[card][m][r] = static_cast<Byte>((r * m + card) % 5 == 0 ? 0 : 1);
        }
      }
      pool.CardOccupied[card] = kTrue;
    }
    testing::SetSeries(pool.GameSeriesEdit, "0000000000000");
  }
  // Ends the wait after the run with the X key.
  void ThenLeave() { os.Key('X'); }
};

TEST_F(ContestTest, RunsCarryOverUntilTheStandingsAreReset) {
  ThenLeave();
  RunContest();
  const PoolData& pool = Pool();
  EXPECT_EQ(pool.ContestRun, 1);
  EXPECT_EQ(pool.GameSeries, pool.GameSeriesEdit);
  const auto totals = pool.ContestTotal;
  EXPECT_GT(totals[0] + totals[3] + totals[7], 0);
  EXPECT_EQ(totals[1] + totals[2] + totals[4] + totals[9], 0);

  os.Then([&] { EXPECT_TRUE(ShowsText(main_screen(), 1, 40, "Nr. I.II.III. IV.   Punkte")); });
  os.Then([&] { EXPECT_TRUE(ShowsText(main_screen(), 433, 40, "Runde: 2")); });
  ThenLeave();
  RunContest();
  EXPECT_EQ(pool.ContestRun, 2);
  EXPECT_GE(pool.ContestTotal[0], totals[0]);

  ResetContestStandings(Pool());
  ThenLeave();
  RunContest();
  EXPECT_EQ(pool.ContestRun, 1);
}

TEST_F(ContestTest, TheWaitAfterARun) {
  struct Case {
    const char* what;
    void (*script)(platform::HeadlessPlatform&);
    int runs;
    bool help;
  };
  const Case cases[] = {
      {"right button ends",
       [](platform::HeadlessPlatform& user) { user.Click(100, 100, kRightButton); }, 1, false},
      {"Escape starts the next run",
       [](platform::HeadlessPlatform& user) { user.Key(platform::vk::kEscape).Key('X'); }, 2,
       false},
      {"F1 opens the help and ends",
       [](platform::HeadlessPlatform& user) { user.KeyDown(platform::vk::kF1); }, 1, true},
      {"a click on the table starts the next run",
       [](platform::HeadlessPlatform& user) { user.Click(300, 200).Key('X'); }, 2, false},
      {"a click at (600, 300) does nothing",
       [](platform::HeadlessPlatform& user) { user.Click(600, 300).Key('X'); }, 1, false},
      {"a click at (600, 420) opens the help, then the next run",
       [](platform::HeadlessPlatform& user) { user.Click(600, 420).Key('X'); }, 2, true},
      {"the pointer right of 675 keeps the runs coming",
       [](platform::HeadlessPlatform& user) {
         user.MouseMove(700, 100).MouseMove(701, 100).MouseMove(700, 100);
         user.Click(700, 100, kRightButton);
       },
       4, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ResetContestStandings(Pool());
    os.MouseMove(0, 0);
    c.script(os);
    const auto help_before = os.help_requests().size();
    RunContest();
    FlushInput();  // as every caller does: a held button is let go
    EXPECT_TRUE(os.ScriptDone());
    EXPECT_EQ(Pool().ContestRun, c.runs);
    EXPECT_EQ(os.help_requests().size() - help_before, c.help ? 1u : 0u);
    if (c.help) {
      EXPECT_EQ(os.help_requests().back(), "Wettstreit");
    }
    os.Clear();
  }
}

// The screen is visited only now and then during a run; at the end of the run
// it shows what drawing every series would have shown.
TEST_F(ContestTest, TheFinalPictureEqualsDrawingEverySeries) {
  std::uint64_t sums[2] = {};
  const std::chrono::nanoseconds steps[2] = {testing::kVisitEveryStep, {}};
  for (int i = 0; i < 2; ++i) {
    ResetContestStandings(Pool());
    ProcessRandom().Seed(5);
    poll_time.StepPerReading(steps[i]);
    os.Then([&, i] { sums[i] = Checksum(main_screen()); });
    ThenLeave();
    RunContest();
  }
  EXPECT_EQ(sums[0], sums[1]);
}

TEST_F(ContestTest, TableAndChart) {
  os.Key(platform::vk::kEscape);
  os.Then([&] {
    const auto& screen = main_screen();
    const PoolData& pool = Pool();
    SaveShot("contest");
    // The leader's row in its card's colour, its total in 7 cells.
    const int leader = pool.ContestOrder[0];
    EXPECT_TRUE(ShowsText(screen, 175, 68, Cells(pool.ContestTotal[leader], 7),
                          PaletteColour(pool.CardColour[leader])));
    // A free card's row keeps its zeros.
    const int place = ContestPlace(pool, 9);
    EXPECT_TRUE(ShowsText(screen, 9, 68 + 32 * place, "9  0  0   0   0    0",
                          PaletteColour(pool.CardColour[9])));
    // Grid, right of the bars, 322 pixels from the rule at 55 down: solid at
    // 300 points, dashed (18 on, 6 off) at 250, dash-dot (9, 6, 3, 6) between.
    EXPECT_EQ(testing::CountColour(screen, rgb::Black, 725, 55, 725, 376), 322);
    EXPECT_EQ(testing::CountColour(screen, rgb::Black, 650, 55, 650, 376), 18 * 13 + 10);
    EXPECT_EQ(testing::CountColour(screen, rgb::Black, 665, 55, 665, 376), 12 * 13 + 9);
  });
  ThenLeave();
  RunContest();
}

// One series of all home wins: card 0 wins 3, 0, 1 and 2 rows of ranks I to
// IV, card 2 wins 1, 2, 3 and 4, each figure under its own column.
TEST_F(ContestTest, EveryRankColumnOfTheTable) {
  PoolData& pool = Pool();
  for (int m = 1; m <= kMatchCount; ++m) pool.OutcomeQuota[m] = {0, 12, 0, 0};
  const int differences[2][kRowCount] = {{5, 0, 6, 0, 7, 2, 8, 3, 0, 9, 3, 12},
                                         {0, 1, 1, 2, 2, 2, 3, 3, 3, 3, 4, 13}};
  for (int card : {0, 2}) {
    for (int r = 1; r <= kRowCount; ++r) {
      const int changed = differences[card / 2][r - 1];
      testing::SetRow(pool.CardTips[card], r,
                      std::string(changed, '2') + std::string(kMatchCount - changed, '1'));
    }
    pool.CardOccupied[card] = kTrue;
  }
  const ContestField field = PackContestField(pool);
  ContestBoard board(field);
  board.StartRun();
  board.PlayContestSeries();
  board.Flush();
  EXPECT_TRUE(
      ShowsText(main_screen(), 25, 68, " 3  0   1   2   16", PaletteColour(pool.CardColour[0])));
  EXPECT_TRUE(
      ShowsText(main_screen(), 25, 132, " 1  2   3   4   20", PaletteColour(pool.CardColour[2])));
}

// Clearing the chart again wipes exactly what the bars and the average line
// covered.
TEST_F(ContestTest, ClearingTheChartAgainGivesTheCleanGrid) {
  ContestChart chart;
  chart.Clear();
  const auto clean = main_screen().SaveArea(0, 0, kMainWidth - 1, kMainHeight - 1);
  chart.Bar(0, 100, kRed);
  chart.Bar(3, 7, kBlue);
  chart.Bar(0, 150, kRed);
  chart.Bar(9, 0, kDarkCyan);
  chart.AverageLine(55.3);
  chart.Clear();
  EXPECT_TRUE(SameArea(main_screen().SaveArea(0, 0, kMainWidth - 1, kMainHeight - 1), clean));
}

TEST_F(ContestTest, MainMenuRunsItOnlyWithCardZeroStored) {
  Pool().CardOccupied[0] = kFalse;
  Win_1_MenuEvent(command::kContest);
  EXPECT_EQ(Pool().ContestRun, 0);
  Pool().CardOccupied[0] = kTrue;
  ThenLeave();
  Win_1_MenuEvent(command::kContest);
  EXPECT_EQ(Pool().ContestRun, 1);
}

}  // namespace
}  // namespace vorlanz
