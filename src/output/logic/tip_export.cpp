#include "output/logic/tip_export.h"

namespace vorlanz {

namespace {

// The row's codes, match 1 first, with the separator between them.
std::string RowCodes(const PoolData& pool, int card, int row, char separator) {
  std::string codes;
  for (int m = 1; m <= kMatchCount; ++m) {
    if (m > 1) codes += separator;
    codes += std::to_string(pool.CardTips[card][m][row]);
  }
  return codes;
}

}  // namespace

std::string TipCsv(const PoolData& pool, const std::vector<int>& cards) {
  std::string csv = "Karte;Reihe";
  for (int m = 1; m <= kMatchCount; ++m) csv += ";Spiel " + std::to_string(m);
  csv += "\r\n";
  for (const int card : cards) {
    for (int row = 1; row <= kRowCount; ++row) {
      csv += std::to_string(card) + ";" + std::to_string(row) + ";" +
             RowCodes(pool, card, row, ';') + "\r\n";
    }
  }
  return csv;
}

std::string TipRowsText(const PoolData& pool, const std::vector<int>& cards) {
  std::string text;
  for (const int card : cards) {
    for (int row = 1; row <= kRowCount; ++row) text += RowCodes(pool, card, row, ' ') + "\n";
  }
  return text;
}

std::vector<int> OccupiedCards(const PoolData& pool) {
  std::vector<int> cards;
  for (int card = 0; card <= kLastCard; ++card) {
    if (IsSet(pool.CardOccupied[card])) cards.push_back(card);
  }
  return cards;
}

}  // namespace vorlanz
