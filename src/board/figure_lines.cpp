#include "board/figure_lines.h"

#include <string>

#include "model/prize_ranks.h"
#include "model/row_figures.h"
#include "widgets/palette.h"
#include "widgets/primitives.h"
#include "widgets/screen_text.h"

namespace vorlanz {

namespace {

void DrawAt(const FigurePlace& place, int x, std::string text) {
  if (place.blank_after) text += ' ';
  DrawText(x + place.dx, place.y, text);
}

}  // namespace

void DrawRowFigures(const FigureLayout& layout, int x, const RowTable& rows, int row, int quality) {
  const PoolData& pool = Pool();
  UseScreenText();
  for (int m = 1; m <= kMatchCount; ++m) {
    DrawText(x, layout.code_top + layout.code_pitch * (m - 1),
             Cells(rows[m][row], layout.code_cells));
  }
  const FigurePlace& norm = layout.norm_errors;
  DrawAt(norm, x, Cells(ColumnDifferences(rows, row, pool.NormSeries), norm.cells));
  DrawAt(layout.counts, x, CountsText(CountColumn(rows, row), layout.counts.cells));
  DrawAt(layout.quality, x, Cells(quality, layout.quality.cells));
  if (!IsSet(pool.GameReady)) return;
  const int g = ColumnDifferences(rows, row, pool.GameSeries);
  DrawAt(layout.game_errors, x, Cells(g, layout.game_errors.cells));
  if (WinsPrize(g)) {
    DrawText(x + layout.win_dx, layout.win_y, "Win!");
  } else if (layout.blank_without_win) {
    DrawText(x + layout.win_dx, layout.win_y, Blanks(4));
  }
}

}  // namespace vorlanz
