#pragma once

// The measurements behind "Prüfung", "Testlauf", "Zufall" and "vergleichen":
// the calculation repeated and scored against the GAME series, the current
// tip set scored against drawn series, and the tip set compared with a card.

namespace vorlanz {

// Runs the calculation 100 times (more while the pointer rests at the right
// edge) with its live display, counting the rows that win against the GAME
// series; shows the totals, the winning rows per 100 calculations and the
// rank table. Cancelling a calculation, or an entry it had to open, ends it.
void CheckCalculation();

// Scores the current tip set against 100 series drawn from the weights in
// OutcomeQuota (more while the pointer rests at the right edge, where Escape
// or the right button end it) and shows the points and the rank table. The
// caller loads the weights first and puts the GAME series back after.
void TestRun();

// Draws one series into the GAME series, shows it and marks "Win!" under the
// rows it would win.
void TryRandomSeries();

// The per-row table of rank counts at the top of the screen, the four rank
// totals right of it and the test run's points right of them.
void DrawRankTable();
void DrawWinTotals();
void DrawTestRunPoints();

// After a confirmed card choice (DialogKey "O"), shows under every row of the
// current tip set the fewest differences to a row of the card ChosenCard.
void CompareWithCard();

}  // namespace vorlanz
