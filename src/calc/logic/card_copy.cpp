#include "calc/logic/card_copy.h"

namespace vorlanz {

void StoreTipSet(PoolData& pool, int card) {
  pool.CardOccupied[card] = kTrue;
  pool.LoadedCard = static_cast<std::int16_t>(card);
  RowTable& stored = pool.CardTips[card];
  for (int row = 1; row <= kRowCount; ++row) {
    for (int match = 1; match <= kMatchCount; ++match)
      stored[match][row] = pool.TipRows[match][row];
    // Match 0 of a card holds the rows' qualities.
    stored[0][row] = pool.RowQuality[row];
    pool.CardRowDistance[card][row] = pool.RowMinDistance[row];
  }
  pool.CardQuality[card] = pool.SystemQuality;
}

void CopyCardRows(PoolData& pool, int card) {
  const RowTable& stored = pool.CardTips[card];
  for (int row = 1; row <= kRowCount; ++row) {
    for (int match = 1; match <= kMatchCount; ++match)
      pool.TipRows[match][row] = stored[match][row];
  }
}

void TakeCardAsTipSet(PoolData& pool, int card) {
  pool.LoadedCard = static_cast<std::int16_t>(card);
  pool.TipSetReady = kTrue;
  CopyCardRows(pool, card);
  const RowTable& stored = pool.CardTips[card];
  for (int row = 1; row <= kRowCount; ++row) pool.RowQuality[row] = stored[0][row];
}

}  // namespace vorlanz
