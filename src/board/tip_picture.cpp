#include "board/tip_picture.h"

#include <string>

#include "board/figure_lines.h"
#include "board/main_screen.h"
#include "model/pool_data.h"
#include "model/quota.h"
#include "model/row_figures.h"
#include "platform/surface.h"
#include "widgets/palette.h"
#include "widgets/primitives.h"
#include "widgets/screen_text.h"

namespace vorlanz {

namespace {

// The line of a match's number and forecast.
int ForecastLine(int match) {
  return 48 + 16 * match;
}

constexpr int kNormX = 669;
constexpr int kCellBottom = platform::kCellHeight - 1;
// The grid line after the tip rows stands at x 643.
constexpr int kFigureRight = 642;
constexpr int kGameX = 725;
// The grid line before the tip rows stands at x 144.
constexpr int kFigureLeft = 145;
constexpr int kComparisonY = 362;

}  // namespace

void ComputeQuotaAndShow() {
  PoolData& pool = Pool();
  ComputeQuota(pool);
  UseScreenText();
  DrawText(64, 290, "FGES:  " + Cells(pool.Fges, 1));
}

void DrawForecastColumns() {
  const PoolData& pool = Pool();
  UseScreenText();
  constexpr int kWeightX[] = {0, 56, 80, 104};
  for (int m = 1; m <= kMatchCount; ++m) {
    const int y = ForecastLine(m);
    DrawText(24, y, Cells(m, 2) + ".");
    for (int o = 1; o <= kOutcomeCount; ++o) {
      const Byte weight = pool.OwnForecast[m][o];
      DrawText(kWeightX[o], y, weight == 0 ? Blanks(3) : Cells(weight, 3));
    }
  }
  if (IsSet(pool.NormReady)) ComputeQuotaAndShow();
}

void DrawNormColumn() {
  const PoolData& pool = Pool();
  UseScreenText();
  for (int m = 1; m <= kMatchCount; ++m)
    DrawText(kNormX, MatchLine(m), Cells(pool.NormSeries[m], 1));
  DrawText(653, 314, CountsText(CountSeries(pool.NormSeries), 2) + " ");
  ComputeQuotaAndShow();
}

void DrawGameColumn() {
  const PoolData& pool = Pool();
  UseScreenText();
  for (int m = 1; m <= kMatchCount; ++m)
    DrawText(kGameX, MatchLine(m), Cells(pool.GameSeries[m], 1));
  DrawText(717, 290, Cells(SeriesDifferences(pool.GameSeries, pool.NormSeries), 2) + " ");
  DrawText(709, 314, CountsText(CountSeries(pool.GameSeries), 2) + " ");
}

namespace {

// A calculated tip set and an opened card show the same figures; the card's
// figure lines stand two pixels lower, and each draws its numbers a little
// differently within its column.
constexpr FigureLayout kTipSetLayout{
    .code_top = MatchLine(1),
    .code_pitch = MatchLine(2) - MatchLine(1),
    .norm_errors = {0, 288, 1},
    .counts = {-7, 314, 1},
    .quality = {1, 337, 1},
    .game_errors = {2, 362, 1},
    .win_dx = -6,
    .win_y = kStatusY,
};
constexpr FigureLayout kStoredCardLayout{
    .code_top = MatchLine(1),
    .code_pitch = MatchLine(2) - MatchLine(1),
    .norm_errors = {-8, 290, 2},
    .counts = {-7, 316, 1},
    .quality = {1, 339, 1},
    .game_errors = {-6, 364, 2},
    .win_dx = -6,
    .win_y = kStatusY,
};

void DrawRows(const FigureLayout& layout) {
  const PoolData& pool = Pool();
  for (int r = 1; r <= kRowCount; ++r) {
    DrawRowFigures(layout, RowColumn(r), pool.TipRows, r, pool.RowQuality[r]);
  }
}

}  // namespace

void DrawTipSet() {
  DrawRows(kTipSetLayout);
}

void ShowStoredCard() {
  DrawMainScreen();
  DrawRows(kStoredCardLayout);
  DrawText(64, kStatusY, "TippNr: " + Cells(Pool().LoadedCard, 1));
}

void ClearComparisonLines() {
  FillArea(kFigureLeft, kComparisonY, kFigureRight, kStatusY + kCellBottom, kLightGrey);
}

void ClearTipPicture() {
  UseScreenText();
  constexpr int kLeft = 160;
  const int right = kLeft + platform::kCellWidth * StatusBlankWidth - 1;
  FillArea(kLeft, MatchLine(1), right, MatchLine(kMatchCount) + kCellBottom, kLightGrey);
  // The figure lines of all twelve columns, an opened card's two pixels lower
  // included, up to the grid line after the tip rows.
  FillArea(kLeft, 280, kFigureRight, 364 + kCellBottom, kLightGrey);
  FillArea(64, kStatusY, kFigureRight, kStatusY + kCellBottom, kLightGrey);
}

}  // namespace vorlanz
