#include "calc/card_store.h"

#include "model/pool_data.h"
#include "widgets/dialog_state.h"

namespace vorlanz {

void StoreCard() {
  PoolData& pool = Pool();
  if (Dialog().DialogKey != "O") return;
  const int card = pool.ChosenCard;
  pool.CardOccupied[card] = kTrue;
  pool.LoadedCard = static_cast<std::int16_t>(card);
  for (int match = 1; match <= kMatchCount; ++match) {
    for (int row = 1; row <= kRowCount; ++row) {
      pool.CardTips[card][match][row] = pool.TipRows[match][row];
    }
  }
  for (int row = 1; row <= kRowCount; ++row) {
    pool.CardRowDistance[card][row] = pool.RowMinDistance[row];
    pool.CardTips[card][0][row] = pool.RowQuality[row];
  }
  pool.CardQuality[card] = pool.SystemQuality;
}

}  // namespace vorlanz
