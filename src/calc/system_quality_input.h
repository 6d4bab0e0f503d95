#pragma once

// The System-Güte: the minimum distance every row of a tip set keeps from the
// earlier rows, a single digit 1 to 9.

namespace vorlanz {

// Asks for the System-Güte in a small window with a one-digit field,
// proposing the current value (4 if none is set yet). A typed digit 1 to 9
// becomes SystemQuality and WorkingQuality; 0 asks again; leaving the field
// (a mouse click, X, F1) keeps the old value. Redraws the main screen.
void AskSystemQuality();

// Shows "GÜTE:" with the quality under the tip picture's label column.
void ShowQualityFigure(int quality);

}  // namespace vorlanz
