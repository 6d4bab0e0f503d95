#pragma once

// What the win-chances screen lists: the current tip set, when there is a
// whole one, and every stored card, each with its exact figures, and how the
// chances are written.

#include <string>
#include <vector>

#include "analysis/logic/win_chances.h"
#include "model/figure_text.h"
#include "model/pool_data.h"

namespace vorlanz {

// The card of a line, or this for the current tip set.
inline constexpr int kCurrentTipSet = -1;

struct ChancesLine {
  int card = kCurrentTipSet;
  WinChances figures;
};

// Whether there is anything to list: a whole current tip set or a stored card.
bool HasWinChanceLines(const PoolData& pool);

// The current tip set first if TipSetReady, then the occupied cards in order.
std::vector<ChancesLine> WinChanceLines(const PoolData& pool, const OutcomeChances& chances);

}  // namespace vorlanz
