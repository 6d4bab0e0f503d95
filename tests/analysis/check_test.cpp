#include "analysis/check.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>

#include "analysis/logic/check_figures.h"
#include "analysis/series_draw.h"
#include "board/tip_picture.h"
#include "calc/screen_calc_fixture.h"
#include "shell/calculation_window.h"
#include "shell/main_menu.h"
#include "support/calculation_trace.h"
#include "support/text_probe.h"
#include "widgets/screen_text.h"

namespace vorlanz {
namespace {

using testing::SetRow;
using testing::SetSeries;
using testing::ShowsText;

constexpr const char* kAllHome = "1111111111111";

// With 12 : 0 : 0 everywhere every row of every calculation, and every drawn
// series, is all home wins.
class CheckTest : public testing::ScreenCalcTest {
 protected:
  void SetUp() override {
    ScreenCalcTest::SetUp();
    GiveForecast(12, 0, 0);
    PoolData& pool = Pool();
    pool.SystemQuality = 1;
    for (int r = 1; r <= kRowCount; ++r) SetRow(pool.TipRows, r, kAllHome);
  }
  static void EnterGame(const char* codes) {
    SetSeries(Pool().GameSeries, codes);
    SetSeries(Pool().GameSeriesEdit, codes);
    Pool().GameReady = kTrue;
  }
};

TEST_F(CheckTest, CountsTheWinningRowsOfAHundredCalculations) {
  EnterGame("2222222222222");
  CheckCalculation();
  EXPECT_EQ(Pool().WinsRank1 + Pool().WinsRank2 + Pool().WinsRank3 + Pool().WinsRank4, 0);

  // Every row wins: 1200 winning rows per 100 calculations.
  EnterGame(kAllHome);
  Pool().RowWinTally[1][1] = 7;  // cleared first
  CheckCalculation();
  EXPECT_EQ(Pool().WinsRank1, 1200);
  EXPECT_EQ(Pool().RowWinTally[1], (Table<std::int32_t, 3>{100, 0, 0, 0}));
  EXPECT_EQ(WinPercentage(Pool(), 100), 1200);
  SaveShot("check");
}

// However short its calculations, a check looks at the input every interval
// across them: Escape and the right button ask at once, the close box ends
// the program at once.
TEST_F(CheckTest, ShortCalculationsStillListenAcrossTheRounds) {
  enum class Input { kEscape, kRightButton, kCloseBox };
  for (const Input input : {Input::kEscape, Input::kRightButton, Input::kCloseBox}) {
    SCOPED_TRACE(static_cast<int>(input));
    EnterGame(kAllHome);
    Pool().TipSetReady = kFalse;
    // A calculation reads the clock about ten times: half a millisecond, the
    // hundred of them far more than an interval.
    constexpr std::chrono::microseconds kReading(50);
    poll_time.StepPerReading(kReading);
    std::optional<std::chrono::nanoseconds> queued, answered;
    const auto answer = [&] { answered = poll_time.elapsed(); };
    // The user's input comes once the first calculation is done.
    poll_time.OnReading([&] {
      if (queued || !IsSet(Pool().TipSetReady)) return;
      queued = poll_time.elapsed();
      os.TypingAhead();
      if (input == Input::kEscape) os.KeyDown(platform::vk::kEscape);
      if (input == Input::kRightButton) os.MouseDown(300, 200, platform::kRightButton);
      if (input == Input::kCloseBox) os.CloseRequest(platform::kMainWindow);
      os.TypingAhead(false);
      if (input == Input::kRightButton) os.MouseUp();
      if (input != Input::kCloseBox) os.Then(answer).KeyDown('J');
    });
    os.SetQuitHandler([&] {
      answer();
      os.Quit();
    });
    if (input == Input::kCloseBox) {
      EXPECT_THROW(CheckCalculation(), platform::ProgramEnded);
    } else {
      CheckCalculation();
      EXPECT_TRUE(Dialog().LeaveFlag);
      EXPECT_LT(Pool().WinsRank1, 12 * 100) << "ended before the hundredth round";
    }
    poll_time.OnReading({});
    os.SetQuitHandler({});
    EXPECT_TRUE(os.ScriptDone());
    ASSERT_TRUE(queued && answered);
    EXPECT_LE(*answered - *queued, kPollInterval + kReading);
  }
}

TEST_F(CheckTest, MainMenuWaitsForAMousePressInEveryCase) {
  os.Click(300, 300);
  Win_1_MenuEvent(command::kCheck);  // no GAME series: no check
  EXPECT_TRUE(os.ScriptDone());
  EXPECT_EQ(Pool().WinsRank1, 0);
}

TEST_F(CheckTest, TestRunScoresAHundredSeries) {
  LoadDrawWeights();
  TestRun();
  EXPECT_EQ(Pool().WinsRank1, 1200);
  EXPECT_EQ(PrizePointsWon(Pool()), 4800);
  EXPECT_EQ(Pool().RowWinTally[12][0], 100);
  EXPECT_TRUE(ShowsText(main_screen(), 40 * 12 + 120, kStatusY, "Win!"));
}

// At the right edge it goes on, and Escape ends it at the next visit of the
// screen after the current series.
TEST_F(CheckTest, TestRunGoesOnAtTheRightEdgeUntilEscape) {
  // Every third series is visited.
  poll_time.StepPerReading(std::chrono::milliseconds(4));
  EnterGame(kAllHome);
  os.MouseMove(700, 100).Key('T');
  os.TypingAhead().Key(platform::vk::kEscape).TypingAhead(false);
  os.Key('X');
  CalculationWindow();
  EXPECT_EQ(Pool().WinsRank1, 12 * 102);
  EXPECT_EQ(Pool().GameSeries, Pool().GameSeriesEdit);
}

TEST_F(CheckTest, RandomSeriesMarksWinsAndWipesTheOthers) {
  PoolData& pool = Pool();
  SetRow(pool.TipRows, 2, "2221111111111");  // 3 differences: rank IV
  SetRow(pool.TipRows, 3, "2222111111111");  // 4 differences: nothing
  LoadDrawWeights();
  DrawText(40 * 3 + 120, kStatusY, "Win!");
  TryRandomSeries();
  EXPECT_EQ(pool.GameSeries[1], kHomeWin);
  EXPECT_TRUE(ShowsText(main_screen(), 40 * 1 + 120, kStatusY, "Win!"));
  EXPECT_TRUE(ShowsText(main_screen(), 40 * 2 + 120, kStatusY, "Win!"));
  EXPECT_TRUE(ShowsText(main_screen(), 40 * 3 + 120, kStatusY, "    "));
  EXPECT_TRUE(ShowsText(main_screen(), 40 * 3 + 122, 362, " 4"));
  EXPECT_EQ(pool.WinsRank4, 1);
  EXPECT_EQ(pool.RowWinTally[2][3], 1);
}

TEST_F(CheckTest, ComparingWithTheCardOfTheTipSetShowsNoDifferences) {
  PoolData& pool = Pool();
  for (int r = 1; r <= kRowCount; ++r) {
    SetRow(pool.TipRows, r, r % 2 == 0 ? "1021021021021" : "2102102102102");
  }
  pool.CardTips[4] = pool.TipRows;
  pool.CardOccupied[4] = kTrue;
  os.Key('V').Key('4').Key('O').Key('X');
  CalculationWindow();
  for (int r = 1; r <= kRowCount; ++r) {
    EXPECT_TRUE(ShowsText(main_screen(), 40 * r + 123, kStatusY, " 0  ")) << r;
  }
  // 13 differences show as 11.
  SetRow(pool.TipRows, 1, kAllHome);
  for (int r = 1; r <= kRowCount; ++r) SetRow(pool.CardTips[4], r, "2222222222222");
  Dialog().DialogKey = "O";
  pool.ChosenCard = 4;
  CompareWithCard();
  EXPECT_TRUE(ShowsText(main_screen(), 40 * 1 + 123, kStatusY, "11  "));
}

}  // namespace
}  // namespace vorlanz
