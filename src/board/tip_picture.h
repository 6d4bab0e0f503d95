#pragma once

// The tip picture: the data drawn into the frame of the main screen. One line
// per match with the own forecast on the left, the twelve rows of the tip set
// in the middle and the NORM and GAME series on the right; below them the
// figure lines (differences from NORM, counts of home wins, draws and away
// wins, quality) and the comparison with the GAME series.

namespace vorlanz {

// Where the picture's texts stand: the line of a match's outcome codes, the
// column of a row's digits, and the line of the "Win!" marks and status texts.
constexpr int MatchLine(int match) {
  return 66 + 16 * (match - 1);
}
constexpr int RowColumn(int row) {
  return 129 + 40 * row;
}
inline constexpr int kStatusY = 380;

// Match numbers and the own forecast; then the quota figure if NORM is set.
void DrawForecastColumns();
// The NORM series with its counts, then the quota figure.
void DrawNormColumn();
// The GAME series with its differences from NORM and its counts.
void DrawGameColumn();
// The current tip set with its figures and, if GAME is set, its comparison.
void DrawTipSet();
// Redraws the main screen with the current tip set as the opened card
// LoadedCard: its figure lines two pixels lower, "TippNr:" in the status line.
void ShowStoredCard();
// Wipes the band under the twelve rows, between the grid lines: the line of
// the differences from the GAME series (an opened card's, two pixels lower,
// included) and the line of the "Win!" marks and of the comparison with a
// card. Each command draws its figures there at its own places, so that
// without the wipe parts of earlier digits would show beside the new ones.
void ClearComparisonLines();
// Wipes the match lines of rows 1 to 8 (as far as StatusBlankWidth cells
// reach), the figure lines of all twelve rows and the status line.
void ClearTipPicture();
// Derives the outcome quota and the FGES figures from the own forecast and
// the NORM series and shows "FGES:".
void ComputeQuotaAndShow();

}  // namespace vorlanz
