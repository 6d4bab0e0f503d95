#pragma once

// The rows of stored cards as text for other programs: a CSV file
// (semicolons, UTF-8, a header line, per row the card, the row number and its
// 13 outcome codes) and plain text for the clipboard (one row a line).

#include <string>
#include <vector>

#include "model/pool_data.h"

namespace vorlanz {

// "Karte;Reihe;Spiel 1;...;Spiel 13", then one line per row 1..12 of each
// card in the order given, every line ended by CR LF.
std::string TipCsv(const PoolData& pool, const std::vector<int>& cards);

// The rows of the cards, each as its 13 codes split by blanks, one a line.
std::string TipRowsText(const PoolData& pool, const std::vector<int>& cards);

// The occupied cards among 0..9, in order.
std::vector<int> OccupiedCards(const PoolData& pool);

}  // namespace vorlanz
