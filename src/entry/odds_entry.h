#pragma once

// The forecast from bookmakers' odds: a dialog of 13 lines of three odds,
// typed, pasted or loaded from a file, whose weights then open the forecast
// entry.

namespace vorlanz {

// Control ids of the odds dialog: the field of match m, column o is
// 501 + 3 (m - 1) + (o - 1), the margin beside match m 550 + m.
namespace odds_dialog {
inline constexpr int kFirstField = 501;
inline constexpr int kFirstMargin = 551;
inline constexpr int kLoad = 570;
inline constexpr int kPaste = 571;
inline constexpr int kOk = 572;
inline constexpr int kHelp = 573;
inline constexpr int kCancel = 574;
inline int FieldId(int match, int column) {
  return kFirstField + 3 * (match - 1) + (column - 1);
}
inline int MarginId(int match) {
  return kFirstMargin + match - 1;
}
}  // namespace odds_dialog

// Runs the dialog. OK with sound odds in every field converts them to
// weights and opens the own forecast's entry with them, where OK stores them
// and cancelling keeps the forecast as it was; a fault is told naming the
// match and the field, and the dialog stays. Cancelling changes nothing.
void EnterForecastFromOdds();

}  // namespace vorlanz
