#pragma once

// Storing the current tip set on one of the ten cards.

namespace vorlanz {

// Copies the current tip set with its figures onto card ChosenCard and marks
// it occupied, if the card choice before ended with OK; does nothing after a
// cancelled choice. A stored card is overwritten without a question.
void StoreCard();

}  // namespace vorlanz
