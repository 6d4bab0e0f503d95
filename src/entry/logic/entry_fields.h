#pragma once

// The texts of the entry dialogs' edit fields: how a stored value is shown in
// its field and how a typed text becomes a value again, and the identifiers
// of the fields.

#include <optional>
#include <string>
#include <string_view>

#include "model/pool_data.h"

namespace vorlanz {

// The greatest number a weight field and a series field take as the user
// types: a weight is a byte, a series entry an outcome code 0, 1 or 2.
inline constexpr int kMaxWeight = 255;
inline constexpr int kMaxSeriesCode = kAwayWin;

// A weight field holds one forecast weight (a byte). The leading number of the
// text counts, without its sign and rounded to a whole number (a half to the
// even neighbour); it is limited to 255. Any other text counts as 0.
Byte ParseWeight(std::string_view text);
// The weight right-aligned in two characters; nothing for 0.
std::string FormatWeight(Byte weight);

// A series field holds one outcome code. "0", "1" or "2" (blanks around it
// allowed) give that code; any other text, the empty one included, gives no
// value, and the entry keeps what it held.
std::optional<Byte> ParseSeriesEntry(std::string_view text);
// The entry's digits; nothing for an entry not yet made (255).
std::string FormatSeriesEntry(Byte entry);

// Field identifiers: the weight of match m, outcome column o is field
// 401 + 3 (m - 1) + (o - 1) (401..439, row by row); the series entry of
// match m is field 400 + m (401..413).
inline int WeightFieldId(int match, int column) {
  return 401 + 3 * (match - 1) + (column - 1);
}
inline int SeriesFieldId(int match) {
  return 400 + match;
}

}  // namespace vorlanz
