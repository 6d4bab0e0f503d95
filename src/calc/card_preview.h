#pragma once

// The preview of a card in the card choice window.

namespace vorlanz {

// Draws card 0..9 into the current window: its rows as columns with their
// figures, or a note that the card is free.
// While CompareMode is set, the bottom line gives each stored row's distance
// to the nearest row of the current tip set.
// The card's number stands at (number_x, 15), beside the tab row.
inline constexpr int kCardNumberX = 282;
void ShowCard(int card, int number_x = kCardNumberX);

// The preview of all cards at once: which of them hold a tip set.
void ShowAllCards(int number_x);

}  // namespace vorlanz
