#include "calc/card_preview.h"

#include "board/main_screen.h"
#include "model/pool_data.h"
#include "model/row_figures.h"
#include "widgets/dialog_state.h"
#include "widgets/palette.h"
#include "widgets/primitives.h"
#include "widgets/screen_text.h"

namespace vorlanz {

namespace {

constexpr int kWinLine = 293;

// Left edge of stored row r: the rows stand four cells (32 pixels) apart.
int PreviewColumn(int row) {
  return 8 * (1 + 4 * (row - 1));
}

void DrawStoredRows(const PoolData& pool, int card) {
  const RowTable& stored = pool.CardTips[card];
  for (int r = 1; r <= kRowCount; ++r) {
    const int x = PreviewColumn(r);
    for (int m = 1; m <= kMatchCount; ++m) DrawText(x, 14 * (m + 2), Cells(stored[m][r], 4));
    DrawLine(16, 226, RightPanelX - 44, 226, kBlack);
    DrawText(x + 16, 230, Cells(ColumnDifferences(stored, r, pool.NormSeries), 2));
    DrawText(x + 16, 246, CountsText(CountColumn(stored, r), 1) + " ");
    DrawText(x + 24, 262, Cells(stored[0][r], 1));
    if (IsSet(pool.GameReady)) {
      const int g = ColumnDifferences(stored, r, pool.GameSeries);
      DrawText(x + 16, 278, Cells(g, 2));
      DrawText(x + 13, kWinLine, g < 4 ? "Win!" : Blanks(4));
    }
  }
}

void DrawComparison(const PoolData& pool, int card) {
  const RowTable& stored = pool.CardTips[card];
  for (int k = 1; k <= kRowCount; ++k) {
    const int nearest = NearestRowDistance(stored, k, pool.TipRows);
    DrawText(8 * (2 + 4 * (k - 1)), kWinLine, Cells(nearest, 3) + "  ");
  }
}

void DrawFreeCard() {
  FillArea(16, 42, 410, 288, kLightGrey);
  SetColours(kBlack, kLightGrey);
  DrawText(64, 128, "   Diese Karteikarte ist noch frei!   ");
  DrawText(24, kWinLine, Blanks(38));
}

}  // namespace

void ShowCard() {
  PoolData& pool = Pool();
  SelectFont(8);
  SetColours(kBlack, kLightGrey);
  const int card = Dialog().CurrentTab - 1;
  DrawText(282, 15, "Tipp-Nr.: " + Cells(card, 1));
  if (card < 0 || card > kLastCard) return;
  pool.LoadedCard = static_cast<std::int16_t>(card);

  if (IsSet(pool.CardOccupied[card])) {
    DrawStoredRows(pool, card);
    if (IsSet(pool.CompareMode)) DrawComparison(pool, card);
  } else {
    DrawFreeCard();
  }
}

}  // namespace vorlanz
