#pragma once

namespace vorlanz {

inline constexpr const char* kTipListCardPrompt = "Welcher Tipp soll als Liste gedruckt werden?";

// "Scheine › Tippliste drucken": asks for a card and prints its tip list
// with the card's exact win chances from the forecast the draws follow. A
// cancelled choice prints nothing; a free card is told in an alert box.
void TipListCommand();

}  // namespace vorlanz
