#pragma once

// The choice of one of the ten cards (0 to 9) on which tip sets are kept.

#include <string_view>

#include "model/help_topics.h"

namespace vorlanz {

// What the choice says of a card that holds no tip set.
inline constexpr const char* kFreeCardText = "Diese Karteikarte ist noch frei!";

// Opens a window titled CardPrompt with a tab per card and a preview of the
// card under the shown tab, starting on the card chosen last. Digits and
// clicks on the tabs switch cards; O or the OK button chooses (DialogKey
// "O", ChosenCard the card's number), X or ABBRUCH cancels and leaves
// ChosenCard as it was. Free and occupied cards can both be chosen. F1
// opens the help at `help_topic`.
void ChooseCard(std::string_view help_topic = help::kCardChoice);

}  // namespace vorlanz
