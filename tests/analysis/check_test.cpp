#include "analysis/check.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <optional>

#include "analysis/logic/check_figures.h"
#include "analysis/series_draw.h"
#include "board/main_screen.h"
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

// The count at (x, y) in the small font of the rank table and the totals.
bool ShowsSmall(const platform::Surface& screen, int x, int y, const std::string& text) {
  platform::Surface alone(platform::kMainWidth, platform::kMainHeight);
  alone.SetFont(6);
  alone.SetTextColour({0, 0, 0});
  alone.SetBackColour(platform::kLightGrey);
  alone.Text(x, y, text);
  const int right = x + alone.TextWidth(text) - 1;
  return SameArea(alone.SaveArea(x, y, right, y + 8), screen.SaveArea(x, y, right, y + 8));
}

// Every series is all home wins; the rows differ from it in 0, 1, 1, 2, 2, 2,
// 3, 3, 3, 3, 4 and 13 matches.
TEST_F(CheckTest, TestRunScoresEveryRankByItsRows) {
  const char* const rows[kRowCount] = {kAllHome,        "2111111111111", "1111111111110",
                                       "2211111111111", "1111101111112", "0111111111112",
                                       "2221111111111", "1211211211111", "1111111111000",
                                       "0201111111111", "2222111111111", "2222222222222"};
  for (int r = 1; r <= kRowCount; ++r) SetRow(Pool().TipRows, r, rows[r - 1]);
  LoadDrawWeightsAskingForecast();
  TestRun();
  const PoolData& pool = Pool();
  EXPECT_EQ(pool.WinsRank1, 100);
  EXPECT_EQ(pool.WinsRank2, 200);
  EXPECT_EQ(pool.WinsRank3, 300);
  EXPECT_EQ(pool.WinsRank4, 400);
  // 400 + 600 + 600 + 400
  EXPECT_EQ(PrizePointsWon(pool), 2000);
  EXPECT_EQ(WinPercentage(pool, 100), 1000);
  EXPECT_EQ(pool.RowWinTally[1], (Table<std::int32_t, 3>{100, 0, 0, 0}));
  EXPECT_EQ(pool.RowWinTally[3], (Table<std::int32_t, 3>{0, 100, 0, 0}));
  EXPECT_EQ(pool.RowWinTally[6], (Table<std::int32_t, 3>{0, 0, 100, 0}));
  EXPECT_EQ(pool.RowWinTally[10], (Table<std::int32_t, 3>{0, 0, 0, 100}));
  EXPECT_EQ(pool.RowWinTally[11], (Table<std::int32_t, 3>{0, 0, 0, 0}));

  const auto& screen = main_screen();
  const int lines[4] = {1, 10, 19, 28};
  const int tally[4][kRowCount] = {{100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                                   {0, 100, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                                   {0, 0, 0, 100, 100, 100, 0, 0, 0, 0, 0, 0},
                                   {0, 0, 0, 0, 0, 0, 100, 100, 100, 100, 0, 0}};
  const char* const totals[4] = {" 100", " 200", " 300", " 400"};
  for (int rank = 0; rank < 4; ++rank) {
    for (int r = 1; r <= kRowCount; ++r) {
      EXPECT_TRUE(
          ShowsSmall(screen, 123 + 40 * r, lines[rank], tally[rank][r - 1] == 0 ? "  0" : "100"))
          << "rank " << rank + 1 << " row " << r;
    }
    EXPECT_TRUE(ShowsSmall(screen, 662, lines[rank], totals[rank])) << rank + 1;
  }
  EXPECT_TRUE(ShowsSmall(screen, 708, 14, "2000 Pkte "));
  EXPECT_TRUE(ShowsText(screen, 40 * 10 + 120, kStatusY, "Win!"));
  EXPECT_TRUE(ShowsText(screen, 40 * 11 + 120, kStatusY, "    "));
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
  LoadDrawWeightsAskingForecast();
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

// Every command that shows figures under the rows leaves there what a fresh
// main screen with the same command would show: nothing of what the command
// before it drew.
class ComparisonLinesTest : public testing::ScreenCalcTest {
 protected:
  void SetUp() override {
    ScreenCalcTest::SetUp();
    GiveForecast(5, 4, 3);
    PoolData& pool = Pool();
    pool.SystemQuality = 4;
    SetSeries(pool.GameSeries, "1021021021021");
    pool.GameSeriesEdit = pool.GameSeries;
    pool.GameReady = kTrue;
    // Rows close to the GAME series and far from it, so that both one- and
    // two-digit figures and "Win!" marks appear.
    const char* const rows[] = {"1021021021021", "1021021021022", "2102102102102",
                                "1111111111111", "1021021000000", "0000000000000"};
    for (int r = 1; r <= kRowCount; ++r) {
      SetRow(pool.TipRows, r, rows[r % 6]);
      SetRow(pool.CardTips[0], r, rows[(r + 1) % 6]);
      SetRow(pool.CardTips[1], r, rows[(r + 3) % 6]);
    }
    pool.CardOccupied[0] = pool.CardOccupied[1] = kTrue;
  }

  platform::SavedArea Lines() { return main_screen().SaveArea(145, 362, 642, 393); }

  // Runs `earlier` and then `keys` in the calculation window (or in the one
  // that `open` enters), then the same keys from a fresh main screen with the
  // same tables and random numbers; true when the lines look the same.
  bool SameAsFresh(const std::function<void()>& earlier, const char* keys, bool open = false) {
    PoolData before;
    platform::SavedArea after_earlier, fresh;
    earlier();
    os.Then([&] {
      before = Pool();
      ProcessRandom().Seed(99);
    });
    os.Keys(keys).Then([&] { after_earlier = Lines(); }).Key('X');
    if (open) {
      Win_1_MenuEvent(command::kShow);
    } else {
      CalculationWindow();
    }
    Pool() = before;
    DrawMainScreen();
    ProcessRandom().Seed(99);
    os.Keys(keys).Then([&] { fresh = Lines(); }).Key('X');
    CalculationWindow();
    EXPECT_TRUE(os.ScriptDone());
    return SameArea(after_earlier, fresh);
  }
  void OpenCard() { os.Keys("0O"); }
  void Compare() { os.Keys("V1O"); }
};

TEST_F(ComparisonLinesTest, EveryCommandWipesTheFiguresOfTheOneBefore) {
  DrawMainScreen();
  DrawTipSet();
  EXPECT_TRUE(SameAsFresh([this] { Compare(); }, "Z")) << "V then Z";
  EXPECT_TRUE(SameAsFresh([this] { OpenCard(); }, "T", true)) << "T on an opened card";
  EXPECT_TRUE(SameAsFresh([this] { OpenCard(); }, "Z", true)) << "Z on an opened card";
  EXPECT_TRUE(SameAsFresh([this] { os.Key('Z'); }, "Z")) << "Z twice";
  EXPECT_TRUE(SameAsFresh([this] { Compare(); }, "P")) << "P after V";
  EXPECT_TRUE(SameAsFresh([this] { os.Key('T'); }, "V1O")) << "V after T";
  EXPECT_TRUE(SameAsFresh([this] { os.Key('Z'); }, "V1O")) << "V after Z";
}

}  // namespace
}  // namespace vorlanz

namespace vorlanz {
namespace {

// Runs of inked pixel columns from x1 to x2 over the lines y1 to y2, split
// where at least `gap` columns hold no black.
std::vector<std::pair<int, int>> InkRuns(const platform::Surface& s, int x1, int x2, int y1, int y2,
                                         int gap = 2) {
  std::vector<std::pair<int, int>> runs;
  int blank = gap;
  for (int x = x1; x <= x2; ++x) {
    bool ink = false;
    for (int y = y1; y <= y2 && !ink; ++y) ink = s.Pixel(x, y) == platform::Rgb{0, 0, 0};
    if (!ink) {
      ++blank;
      continue;
    }
    if (blank >= gap) runs.push_back({x, x});
    runs.back().second = x;
    blank = 0;
  }
  return runs;
}

class RankTableTest : public testing::ScreenCalcTest {
 protected:
  static void SetCounts(std::int32_t count) {
    PoolData& pool = Pool();
    for (int r = 1; r <= kRowCount; ++r) pool.RowWinTally[r].fill(count);
    pool.WinsRank1 = pool.WinsRank2 = pool.WinsRank3 = pool.WinsRank4 = count;
  }
  static void DrawCounts() {
    DrawRankTable();
    DrawWinTotals();
    DrawTestRunPoints();
  }
  platform::SavedArea TopBand() { return main_screen().SaveArea(0, 0, kMainWidth - 1, 38); }
};

// Counts of every size up to the counters' largest value stand apart and
// inside the window, those of up to 7 digits under their rows, and nothing of
// larger counts drawn before stays beside them.
TEST_F(RankTableTest, CountsOfOneToTenDigitsStandApart) {
  const std::int32_t counts[] = {7,      42,      951,      4096,      65535,
                                 999999, 1830598, 99999999, 999999999, 2147483647};
  const char* const points[] = {" 70 Pkte ",        "420 Pkte ",       "9510 Pkte ",
                                "40960 Pkte ",      "655350 Pkte ",    "9999990 Pkte ",
                                "18305980 Pkte ",   "999999990 Pkte ", "9999999990 Pkte ",
                                "21474836470 Pkte "};
  for (int digits = 1; digits <= 10; ++digits) {
    SCOPED_TRACE(digits);
    const std::int32_t count = counts[digits - 1];
    DrawMainScreen();
    SetCounts(2147483647);
    DrawCounts();
    SetCounts(count);
    DrawCounts();
    const platform::SavedArea over_larger = TopBand();
    DrawMainScreen();
    DrawCounts();
    EXPECT_TRUE(SameArea(over_larger, TopBand()));

    const platform::Surface& s = main_screen();
    // Above the tops of the grid lines: the labels, then twelve columns, each
    // no wider than one count of ten digits in the narrow font. Digits of the
    // small font stand up to 3 pixels apart, those of the narrow one 2.
    const auto runs = InkRuns(s, 0, 642, 0, 29, digits <= 4 ? 5 : 3);
    ASSERT_GE(runs.size(), 13u);
    const std::vector table(runs.end() - kRowCount, runs.end());
    for (int r = 1; r <= kRowCount; ++r) {
      const auto [left, right] = table[static_cast<std::size_t>(r - 1)];
      EXPECT_LE(right - left, 52) << r;
      if (digits > 7) continue;
      EXPECT_GE(left, 40 * r + 123) << r;
      EXPECT_LE(right, 40 * r + 159) << r;
    }
    // The grid line after the match numbers still reaches into the band,
    // unless counts spread over the whole top stand there.
    if (digits <= 7) {
      EXPECT_EQ(s.Pixel(52, 34), (platform::Rgb{0, 0, 0}));
    }
    // The totals between the grid lines at 643 and 701.
    const auto totals = InkRuns(s, 644, 707, 0, 29, digits <= 4 ? 5 : 3);
    ASSERT_EQ(totals.size(), 1u);
    EXPECT_LE(totals[0].second, 699);
    // The points, ten times the count, uncut in one of the two fonts.
    bool uncut = false;
    for (const int font : {5, 6}) {
      platform::Surface alone(2 * kMainWidth, 40);
      alone.SetFont(font);
      alone.SetTextColour({0, 0, 0});
      alone.SetBackColour(platform::kLightGrey);
      alone.Text(708, 14, points[digits - 1]);
      const bool inside = InkRuns(alone, kMainWidth, 2 * kMainWidth - 1, 0, 39).empty();
      uncut = uncut || (inside && SameArea(alone.SaveArea(702, 14, kMainWidth - 1, 25),
                                           s.SaveArea(702, 14, kMainWidth - 1, 25)));
    }
    EXPECT_TRUE(uncut);
  }
}

}  // namespace
}  // namespace vorlanz
