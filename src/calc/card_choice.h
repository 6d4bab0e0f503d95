#pragma once

// The choice of one of the ten cards (0 to 9) on which tip sets are kept.

#include <optional>

namespace vorlanz {

// Opens a window titled CardPrompt with a tab per card and a preview of the
// card under the shown tab, starting on the card chosen last. Digits and
// clicks on the tabs switch cards; O or the OK button chooses (DialogKey
// "O", ChosenCard the card's number), X or ABBRUCH cancels and leaves
// ChosenCard as it was. Free and occupied cards can both be chosen.
void ChooseCard();

// The card choice with an eleventh tab "alle" (hot key A) after the ten
// cards, whose preview names the occupied cards. Gives the chosen card, which
// also becomes ChosenCard, or kAllCards; nothing after a cancel.
inline constexpr int kAllCards = -1;
std::optional<int> ChooseCardOrAll();

}  // namespace vorlanz
