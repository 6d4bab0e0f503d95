#pragma once

// The preview of a card in the card choice window.

namespace vorlanz {

// Draws card 0..9 into the current window: its rows as columns with their
// figures, or a note that the card is free.
// While CompareMode is set, the bottom line gives each stored row's distance
// to the nearest row of the current tip set.
void ShowCard(int card);

}  // namespace vorlanz
