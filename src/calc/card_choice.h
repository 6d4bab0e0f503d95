#pragma once

// The choice of one of the ten cards (0 to 9) on which tip sets are kept.

namespace vorlanz {

// Opens a window titled CardPrompt with a tab per card and a preview of the
// card under the shown tab, starting on the card chosen last. Digits and
// clicks on the tabs switch cards; O or the OK button chooses (DialogKey
// "O", ChosenCard the card's number), X or ABBRUCH cancels and leaves
// ChosenCard as it was. Free and occupied cards can both be chosen.
void ChooseCard();

}  // namespace vorlanz
