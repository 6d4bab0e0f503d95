#include "calc/card_preview.h"

#include <algorithm>
#include <string>

#include "board/figure_lines.h"
#include "board/main_screen.h"
#include "calc/card_choice.h"
#include "model/pool_data.h"
#include "model/row_figures.h"
#include "widgets/palette.h"
#include "widgets/primitives.h"
#include "widgets/screen_text.h"

namespace vorlanz {

namespace {

constexpr int kWinLine = 293;

// The stored rows stand four cells (32 pixels) apart, their codes in 4 cells.
constexpr FigureLayout kPreviewLayout{
    .code_top = 42,
    .code_pitch = 14,
    .code_cells = 4,
    .norm_errors = {16, 230, 2},
    .counts = {16, 246, 1, true},
    .quality = {24, 262, 1},
    .game_errors = {16, 278, 2},
    .win_dx = 13,
    .win_y = kWinLine,
    .blank_without_win = true,
};

// Left edge of stored row r.
int PreviewColumn(int row) {
  return 8 * (1 + 4 * (row - 1));
}

void DrawStoredRows(const PoolData& pool, int card) {
  const RowTable& stored = pool.CardTips[card];
  DrawLine(16, 226, RightPanelX - 44, 226, kBlack);
  for (int r = 1; r <= kRowCount; ++r) {
    DrawRowFigures(kPreviewLayout, PreviewColumn(r), stored, r, stored[0][r]);
  }
}

void DrawComparison(const PoolData& pool, int card) {
  const RowTable& stored = pool.CardTips[card];
  for (int k = 1; k <= kRowCount; ++k) {
    const int nearest = NearestRowDistance(stored, k, pool.TipRows);
    DrawText(8 * (2 + 4 * (k - 1)), kWinLine, Cells(nearest, 3) + "  ");
  }
}

void ClearPreview() {
  FillArea(16, 42, 410, 288, kLightGrey);
  SetColours(kBlack, kLightGrey);
  DrawText(24, kWinLine, Blanks(38));
}

void DrawFreeCard() {
  ClearPreview();
  DrawText(64, 128, std::string("   ") + kFreeCardText + "   ");
}

}  // namespace

void ShowAllCards(int number_x) {
  const PoolData& pool = Pool();
  UseScreenText();
  DrawText(number_x, 15, "Tipp-Nr.: alle");
  ClearPreview();
  std::string occupied;
  for (int card = 0; card <= kLastCard; ++card) {
    if (IsSet(pool.CardOccupied[card])) occupied += Cells(card, 1) + " ";
  }
  if (occupied.empty()) {
    DrawText(64, 128, "   Keine Karteikarte ist belegt!   ");
  } else {
    DrawText(64, 120, "Alle belegten Karteikarten:");
    DrawText(64, 144, occupied);
  }
}

void ShowCard(int card, int number_x) {
  const PoolData& pool = Pool();
  UseScreenText();
  DrawText(number_x, 15, "Tipp-Nr.: " + Cells(card, 1) + "   ");
  if (IsSet(pool.CardOccupied[card])) {
    DrawStoredRows(pool, card);
    if (IsSet(pool.CompareMode)) DrawComparison(pool, card);
  } else {
    DrawFreeCard();
  }
}

}  // namespace vorlanz
