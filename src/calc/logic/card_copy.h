#pragma once

// Copies between the current tip set and the ten cards.

#include "model/pool_data.h"

namespace vorlanz {

// Puts the current tip set with its row qualities, distances and the
// System-Güte on the card, marks it occupied and makes it LoadedCard. A stored
// card is overwritten.
void StoreTipSet(PoolData& pool, int card);

// Copies the card's rows into TipRows and nothing else.
void CopyCardRows(PoolData& pool, int card);

// Makes the card's rows and row qualities the current tip set (TipSetReady)
// and the card LoadedCard.
void TakeCardAsTipSet(PoolData& pool, int card);

}  // namespace vorlanz
