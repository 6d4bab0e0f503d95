#include "analysis/check.h"

#include <cstdint>
#include <string>

#include "analysis/logic/check_figures.h"
#include "analysis/logic/draw_weights.h"
#include "analysis/series_draw.h"
#include "board/tip_picture.h"
#include "calc/calculation_screen.h"
#include "calc/logic/win_count.h"
#include "calc/system_quality_input.h"
#include "model/pool_data.h"
#include "model/random.h"
#include "platform/platform.h"
#include "widgets/dialog_input.h"
#include "widgets/dialog_state.h"
#include "widgets/palette.h"
#include "widgets/primitives.h"
#include "widgets/screen_text.h"

namespace vorlanz {

namespace {

constexpr int kTotalsX = 662;
constexpr int kResultX = 708;
constexpr int kResultY = 14;
constexpr int kTableLabelX = 133;
constexpr int kRankLines[kPrizeRanks] = {1, 10, 19, 28};
constexpr int kErrorsLine = 362;
// While the pointer rests right of this, the check and the test run go on.
constexpr int kGoOnX = 635;

// Figures under row r of the tip picture: its "Win!" mark starts 9 pixels
// left of the row's digits, the figures of the rank table and of the
// comparison 6 pixels left of them.
int MarkX(int row) {
  return RowColumn(row) - 9;
}
int FigureX(int row) {
  return RowColumn(row) - 6;
}

void SmallFont() {
  SelectFont(6);
  SetColours(kBlack, kLightGrey);
}

void DrawWinTotals() {
  const PoolData& pool = Pool();
  const std::int32_t totals[kPrizeRanks] = {pool.WinsRank1, pool.WinsRank2, pool.WinsRank3,
                                            pool.WinsRank4};
  SmallFont();
  for (int rank = 0; rank < kPrizeRanks; ++rank) {
    DrawText(kTotalsX, kRankLines[rank], Cells(totals[rank], 4) + " ");
  }
}

bool PointerAtRightEdge() {
  return platform::Current().MousePosition().x >= kGoOnX;
}

// The test run's way out while the pointer keeps it going.
bool UserEndsTestRun() {
  platform::Platform& os = platform::Current();
  if (os.PendingKey() == platform::vk::kEscape) return true;
  return (os.MouseButtons() & platform::kRightButton) != 0;
}

// The figures of one random series under the tip picture.
void DrawRowErrors(const RowFigures& errors) {
  DrawGameColumn();
  SetColours(kBlack, kLightGrey);
  for (int row = 1; row <= kRowCount; ++row) {
    DrawText(MarkX(row) + 2, kErrorsLine, Cells(errors[row], 2));
    DrawText(MarkX(row), kStatusY, WinsPrize(errors[row]) ? "Win!" : Blanks(4));
  }
}

}  // namespace

void CheckCalculation() {
  PoolData& pool = Pool();
  DialogState& dialog = Dialog();
  ClearWinCounts(pool);
  std::int64_t trials = 0;
  for (;;) {
    SelectFont(8);
    pool.WorkingQuality = pool.SystemQuality;
    ShowQualityFigure(pool.SystemQuality);
    CalculateTips();
    ++trials;
    DrawWinTotals();
    DrawText(kResultX, kResultY, Cells(WinPercentage(pool, trials), 5) + " %   ");
    if (dialog.LeaveFlag) break;
    if (trials >= kTrialsPerCheck && !PointerAtRightEdge()) break;
  }
  DrawRankTable();
}

void TestRun() {
  PoolData& pool = Pool();
  ClearWinCounts(pool);
  const PackedTipSet tips = PackTipSet(pool.TipRows);
  SimulationClock clock;
  RowFigures errors{};
  for (std::int64_t series = 1;; ++series) {
    errors = PlayRandomSeries(pool, tips, ProcessRandom());
    const bool due = clock.Due();
    if (due) {
      DrawRowErrors(errors);
      DrawWinTotals();
    }
    if (series < kTrialsPerCheck) continue;
    // Exactly 100 series unless the pointer rests at the right edge; there
    // it is looked at, with the way out, only when the screen is visited.
    if (series == kTrialsPerCheck || due) {
      if (!PointerAtRightEdge() || (due && UserEndsTestRun())) break;
    }
  }
  DrawRowErrors(errors);
  DrawWinTotals();
  DrawText(kResultX, kResultY, Cells(PrizePointsWon(pool), 3) + " Pkte ");
  DrawRankTable();
}

void TryRandomSeries() {
  PoolData& pool = Pool();
  DrawRowErrors(PlayRandomSeries(pool, PackTipSet(pool.TipRows), ProcessRandom()));
}

void DrawRankTable() {
  const PoolData& pool = Pool();
  UseScreenText();
  for (const int y : {2, 11, 19, 26}) DrawText(kTableLabelX, y, Blanks(45));
  SmallFont();
  constexpr const char* kLabels[kPrizeRanks] = {"  I.:", " II.:", "III.:", "IV.:"};
  for (int rank = 0; rank < kPrizeRanks; ++rank) {
    DrawText(kTableLabelX, kRankLines[rank], kLabels[rank]);
    for (int row = 1; row <= kRowCount; ++row) {
      DrawText(FigureX(row), kRankLines[rank], Cells(pool.RowWinTally[row][rank], 3) + " ");
    }
  }
  SelectFont(8);
}

void CompareWithCard() {
  if (Dialog().DialogKey != "O") return;
  const PoolData& pool = Pool();
  const RowFigures fewest = FewestDifferences(pool, pool.ChosenCard);
  UseScreenText();
  for (int row = 1; row <= kRowCount; ++row) {
    DrawText(FigureX(row), kStatusY, Cells(fewest[row], 2) + "  ");
  }
}

}  // namespace vorlanz
