#pragma once

// The choice of one of the ten cards (0 to 9) on which tip sets are kept.

namespace vorlanz {

// What the choice says of a card that holds no tip set.
inline constexpr const char* kFreeCardText = "Diese Karteikarte ist noch frei!";

// Opens a window titled CardPrompt with a tab per card and a preview of the
// card under the shown tab, starting on the card chosen last. Digits and
// clicks on the tabs switch cards; O or the OK button chooses (DialogKey
// "O", ChosenCard the card's number), X or ABBRUCH cancels and leaves
// ChosenCard as it was. Free and occupied cards can both be chosen.
void ChooseCard();

}  // namespace vorlanz
