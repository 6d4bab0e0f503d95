#pragma once

// One row of a tip set with its figures: the outcome codes one under the
// other, then the differences from the NORM series, the counts of home wins,
// draws and away wins, the row's quality and, while the GAME series is
// entered, the differences from it and "Win!" under a winning row. The
// calculation, the tip picture, an opened card and the card preview draw the
// same figures, each at its own places.

#include "model/pool_data.h"

namespace vorlanz {

// A number right-aligned in `cells` characters (for the counts: the home
// wins' cells), at dx from the row's left edge, optionally followed by one
// blank.
struct FigurePlace {
  int dx = 0;
  int y = 0;
  int cells = 1;
  bool blank_after = false;
};

struct FigureLayout {
  // The code of match m stands at y = code_top + code_pitch * (m - 1).
  int code_top = 0;
  int code_pitch = 0;
  int code_cells = 1;
  FigurePlace norm_errors;
  FigurePlace counts;
  FigurePlace quality;
  FigurePlace game_errors;
  int win_dx = 0;
  int win_y = 0;
  // Four blanks where a row wins nothing, over a mark shown before.
  bool blank_without_win = false;
};

// Draws column `row` of the table at x in black on light grey, font 8.
void DrawRowFigures(const FigureLayout& layout, int x, const RowTable& rows, int row, int quality);

}  // namespace vorlanz
