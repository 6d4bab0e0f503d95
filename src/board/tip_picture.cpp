#include "board/tip_picture.h"

#include <string>

#include "board/main_screen.h"
#include "model/pool_data.h"
#include "model/quota.h"
#include "model/row_figures.h"
#include "widgets/dialog_input.h"
#include "widgets/dialog_state.h"
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
constexpr int kGameX = 725;

void BlackOnGrey() {
  SelectFont(8);
  SetColours(kBlack, kLightGrey);
}

}  // namespace

void ComputeQuotaAndShow() {
  PoolData& pool = Pool();
  ComputeQuota(pool);
  BlackOnGrey();
  DrawText(64, 290, "FGES:  " + Cells(pool.Fges, 1));
}

void DrawForecastColumns() {
  const PoolData& pool = Pool();
  BlackOnGrey();
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
  BlackOnGrey();
  for (int m = 1; m <= kMatchCount; ++m)
    DrawText(kNormX, MatchLine(m), Cells(pool.NormSeries[m], 1));
  DrawText(653, 314, CountsText(CountSeries(pool.NormSeries), 2) + " ");
  ComputeQuotaAndShow();
}

void DrawGameColumn() {
  const PoolData& pool = Pool();
  BlackOnGrey();
  for (int m = 1; m <= kMatchCount; ++m)
    DrawText(kGameX, MatchLine(m), Cells(pool.GameSeries[m], 1));
  DrawText(717, 290, Cells(SeriesDifferences(pool.GameSeries, pool.NormSeries), 2) + " ");
  DrawText(709, 314, CountsText(CountSeries(pool.GameSeries), 2) + " ");
}

void DrawTipSet() {
  const PoolData& pool = Pool();
  BlackOnGrey();
  for (int r = 1; r <= kRowCount; ++r) {
    const int x0 = RowColumn(r);
    for (int m = 1; m <= kMatchCount; ++m) DrawText(x0, MatchLine(m), Cells(pool.TipRows[m][r], 1));
    DrawText(x0, 288, Cells(ColumnDifferences(pool.TipRows, r, pool.NormSeries), 1));
    DrawText(x0 - 7, 314, CountsText(CountColumn(pool.TipRows, r), 1));
    DrawText(x0 + 1, 337, Cells(pool.RowQuality[r], 1));
    if (IsSet(pool.GameReady)) {
      const int g = ColumnDifferences(pool.TipRows, r, pool.GameSeries);
      DrawText(x0 + 2, 362, Cells(g, 1));
      if (g < 4) DrawText(x0 - 6, kStatusY, "Win!");
    }
  }
}

// The stored card's figure lines stand two pixels lower than those of a
// calculated tip set.
void ShowStoredCard() {
  FlushInput();
  DrawMainScreen();
  BlackOnGrey();
  if (Dialog().DialogKey != "O") return;

  PoolData& pool = Pool();
  const int card = pool.ChosenCard;
  pool.LoadedCard = pool.ChosenCard;
  const RowTable& stored = pool.CardTips[card];
  for (int r = 1; r <= kRowCount; ++r) {
    const int x0 = RowColumn(r);
    for (int m = 1; m <= kMatchCount; ++m) DrawText(x0, MatchLine(m), Cells(stored[m][r], 1));
    DrawText(x0 - 8, 290, Cells(ColumnDifferences(stored, r, pool.NormSeries), 2));
    DrawText(x0 - 7, 316, CountsText(CountColumn(stored, r), 1));
    pool.RowQuality[r] = stored[0][r];
    DrawText(x0 + 1, 339, Cells(pool.RowQuality[r], 1));
    if (IsSet(pool.GameReady)) {
      const int g = ColumnDifferences(stored, r, pool.GameSeries);
      DrawText(x0 - 6, 364, Cells(g, 2));
      if (g < 4) DrawText(x0 - 6, kStatusY, "Win!");
    }
  }
  for (int m = 1; m <= kMatchCount; ++m) {
    for (int r = 1; r <= kRowCount; ++r) pool.TipRows[m][r] = stored[m][r];
  }
  DrawText(64, kStatusY, "TippNr: " + Cells(card, 1));
}

}  // namespace vorlanz
