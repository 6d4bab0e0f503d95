#pragma once

// Storing the current tip set on one of the ten cards, and opening a card as
// the current tip set.

namespace vorlanz {

// Copies the current tip set with its figures onto card ChosenCard and marks
// it occupied, if the card choice before ended with OK; does nothing after a
// cancelled choice. A stored card is overwritten without a question.
void StoreCard();

// Asks "Bitte einen Tipp auswählen:" for a card. An occupied card chosen with
// OK becomes the current tip set and is shown in the tip picture; true then.
// A cancelled choice while the card chosen before is occupied redraws the
// bare main screen; a free card changes nothing.
bool ChooseAndOpenCard();

}  // namespace vorlanz
