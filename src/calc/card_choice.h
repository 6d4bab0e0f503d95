#pragma once

// The choice of one of the ten cards (0 to 9) on which tip sets are kept.

#include <optional>
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

// The card choice with an eleventh tab "alle" (hot key A) after the ten
// cards, whose preview names the occupied cards. Gives the chosen card, which
// also becomes ChosenCard, or kAllCards; nothing after a cancel.
inline constexpr int kAllCards = -1;
std::optional<int> ChooseCardOrAll(std::string_view help_topic = help::kCardChoice);

}  // namespace vorlanz
