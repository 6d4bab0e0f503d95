#pragma once

// "Gewinnchancen": the exact chances of the current tip set and of every
// stored card to reach each prize rank, and their expected points, over the
// contest's chart so that the two screens can be read side by side.

namespace vorlanz {

// Shows the chances on the main window until a key or a click; the help
// "Gewinnchancen" opens on F1 or a click at the bottom right. Does nothing
// without a whole current tip set or a stored card, and nothing when no
// forecast is entered, even after the forecast entry asked for one.
void ShowWinChances();

}  // namespace vorlanz
