#include "analysis/logic/win_chances_table.h"

namespace vorlanz {

bool HasWinChanceLines(const PoolData& pool) {
  if (IsSet(pool.TipSetReady)) return true;
  for (Flag occupied : pool.CardOccupied) {
    if (IsSet(occupied)) return true;
  }
  return false;
}

std::vector<ChancesLine> WinChanceLines(const PoolData& pool, const OutcomeChances& chances) {
  std::vector<ChancesLine> lines;
  if (IsSet(pool.TipSetReady)) {
    lines.push_back({kCurrentTipSet, ComputeWinChances(pool.TipRows, chances)});
  }
  for (int card = 0; card <= kLastCard; ++card) {
    if (IsSet(pool.CardOccupied[card])) {
      lines.push_back({card, ComputeWinChances(pool.CardTips[card], chances)});
    }
  }
  return lines;
}

}  // namespace vorlanz
