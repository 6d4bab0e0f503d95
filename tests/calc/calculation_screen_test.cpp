#include "calc/calculation_screen.h"
#include "board/tip_picture.h"

#include <string>
#include <vector>

#include "calc/screen_calc_fixture.h"
#include "model/row_figures.h"
#include "support/rgb.h"
#include "support/text_probe.h"
#include "widgets/palette.h"
#include "widgets/primitives.h"
#include "widgets/screen_text.h"

namespace vorlanz {
namespace {

using platform::vk::kEscape;
using testing::AreaIs;
using testing::ShowsText;

class CalculationScreenTest : public testing::ScreenCalcTest {
 protected:
  bool RowShown(int row) {
    const PoolData& pool = Pool();
    for (int m = 1; m <= kMatchCount; ++m) {
      if (!ShowsText(main_screen(), RowColumn(row), MatchLine(m), Cells(pool.TipRows[m][row], 1))) {
        return false;
      }
    }
    return true;
  }
  bool ColumnBlank(int row) {
    return AreaIs(main_screen(), RowColumn(row), MatchLine(1), RowColumn(row) + 7,
                  MatchLine(13) + 15, rgb::LightGrey);
  }
  bool WinShown(int row) { return ShowsText(main_screen(), RowColumn(row) - 9, 380, "Win!"); }
};

TEST_F(CalculationScreenTest, AcceptedRowsStandInTheirColumnsWithTheirFigures) {
  GiveForecast(5, 4, 3);
  Pool().SystemQuality = 3;
  CalculateTips();
  ASSERT_FALSE(Dialog().LeaveFlag);

  const PoolData& pool = Pool();
  const platform::Surface& s = main_screen();
  for (int r = 1; r <= kRowCount; ++r) {
    SCOPED_TRACE(r);
    const int x = RowColumn(r);
    EXPECT_TRUE(RowShown(r));
    EXPECT_TRUE(ShowsText(s, x - 8, 288, Cells(pool.RowNormErrors[r], 2)));
    EXPECT_TRUE(ShowsText(s, x - 8, 314, CountsText(CountColumn(pool.TipRows, r), 1) + " "));
    EXPECT_TRUE(ShowsText(s, x, 337, Cells(pool.RowQuality[r], 1)));
    // Without the GAME series there is no comparison and no win.
    EXPECT_TRUE(AreaIs(s, x - 8, 362, x + 15, 377, rgb::LightGrey));
    EXPECT_TRUE(AreaIs(s, x - 9, 380, x + 22, 395, rgb::LightGrey));
  }
  EXPECT_EQ(pool.RowQuality[1], 3);
  EXPECT_TRUE(ShowsText(s, 64, 290, "FGES:  " + Cells(pool.Fges, 1)));
  // The status line shows the figures of the last candidate, row 12.
  EXPECT_TRUE(ShowsText(s, 7, 380, "STATUS: F=" + Cells(pool.RowNormErrors[12], 1)));
  EXPECT_TRUE(ShowsText(s, 106, 380, "D=" + Cells(pool.RowMinDistance[12], 1) + " "));
}

TEST_F(CalculationScreenTest, WinsAreMarkedOnlyUnderRowsCloseToTheGameSeries) {
  GiveForecast(10, 1, 1);
  PoolData& pool = Pool();
  pool.SystemQuality = 2;
  for (int m = 1; m <= kMatchCount; ++m) pool.GameSeries[m] = kHomeWin;
  pool.GameReady = kTrue;
  CalculateTips();

  int wins = 0;
  for (int r = 1; r <= kRowCount; ++r) {
    SCOPED_TRACE(r);
    const int g = ColumnDifferences(pool.TipRows, r, pool.GameSeries);
    EXPECT_TRUE(ShowsText(main_screen(), RowColumn(r) - 8, 362, Cells(g, 2) + " "));
    EXPECT_EQ(WinShown(r), g < 4);
    if (g < 4) ++wins;
  }
  EXPECT_GT(wins, 0);
  EXPECT_EQ(pool.WinsRank1 + pool.WinsRank2 + pool.WinsRank3 + pool.WinsRank4, wins);
}

// The status texts overlap by a few pixels when F has two digits, so the
// order in which they were given matters, not only their last values.
TEST_F(CalculationScreenTest, AFlushShowsWhatDrawingEveryTextWouldShow) {
  enum Kind { S, D, Q };
  struct Given {
    Kind kind;
    int value;
  };
  const std::vector<std::vector<Given>> sequences = {
      {{S, 13}, {D, 5}},         {{D, 5}, {S, 13}},         {{S, 13}, {D, 5}, {S, 12}},
      {{D, 11}, {S, 2}, {D, 4}}, {{S, 10}, {Q, 6}, {S, 3}}, {{Q, 0}, {Q, 7}, {D, 9}, {S, 11}},
  };
  for (const auto& sequence : sequences) {
    platform::Surface& s = main_screen();
    s.FillRect(0, 0, s.width() - 1, s.height() - 1, rgb::LightGrey);
    SelectFont(8);
    SetColours(kBlack, kLightGrey);
    for (const Given& given : sequence) {
      if (given.kind == S) DrawText(7, 380, "STATUS: F=" + Cells(given.value, 1) + " ");
      if (given.kind == D) DrawText(106, 380, "D=" + Cells(given.value, 1) + " ");
      if (given.kind == Q) DrawText(64, 337, "GÜTE:   " + Cells(given.value, 1));
    }
    const std::uint64_t drawn = Checksum(s);

    s.FillRect(0, 0, s.width() - 1, s.height() - 1, rgb::LightGrey);
    CalculationScreen screen;
    for (const Given& given : sequence) {
      if (given.kind == S) screen.Status(given.value);
      if (given.kind == D) screen.Distance(given.value);
      if (given.kind == Q) screen.QualityLowered(given.value);
    }
    EXPECT_TRUE(AreaIs(s, 0, 330, 300, 400, rgb::LightGrey));  // nothing drawn yet
    screen.Flush();
    EXPECT_EQ(Checksum(s), drawn);
  }
}

// Escape or the right button asks whether to cancel, even in the first row;
// "JA" cancels, "NEIN" and the left button let the calculation run on.
TEST_F(CalculationScreenTest, CancelQuestionByKeyAndButton) {
  enum Ask { kEscapeKey, kRightButton, kLeftButton };
  const struct {
    Ask ask;
    char answer;  // 0: no question
    bool cancelled;
  } cases[] = {{kEscapeKey, 'J', true},
               {kEscapeKey, 'N', false},
               {kLeftButton, 0, false},
               {kRightButton, 'J', true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.ask));
    main_screen().FillRect(0, 0, kMainWidth - 1, kMainHeight - 1, rgb::LightGrey);
    ResetPool();
    GiveForecast(5, 4, 3);
    Pool().SystemQuality = 3;
    poll_time.StepPerReading(testing::kVisitEveryStep);
    os.Clear();
    os.TypingAhead();
    if (c.ask == kEscapeKey) {
      os.KeyDown(kEscape);
    } else {
      os.MouseDown(300, 200,
                   c.ask == kRightButton ? platform::kRightButton : platform::kLeftButton);
    }
    if (c.ask == kLeftButton) os.MouseUp();
    os.TypingAhead(false);
    if (c.ask == kRightButton) os.MouseUp();
    if (c.answer != 0) {
      os.Then([&] { EXPECT_TRUE(ColumnBlank(1)); });  // the question comes before any row
      os.KeyDown(c.answer);
    }
    Pool().TipSetReady = ToFlag(c.cancelled);
    CalculateTips();
    EXPECT_EQ(Dialog().LeaveFlag, c.cancelled);
    EXPECT_EQ(IsSet(Pool().TipSetReady), !c.cancelled) << "only a whole tip set counts";
    EXPECT_TRUE(os.ScriptDone());
    EXPECT_EQ(RowShown(12), !c.cancelled);
    if (c.cancelled) {
      EXPECT_TRUE(ColumnBlank(1) && ColumnBlank(12));
    }
  }
}

}  // namespace
}  // namespace vorlanz
