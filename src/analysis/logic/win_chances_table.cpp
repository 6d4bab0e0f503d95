#include "analysis/logic/win_chances_table.h"

#include <cstdio>

namespace vorlanz {

namespace {

constexpr int kPercentWidth = 6;

}  // namespace

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

std::string FixedText(double value, int decimals, int width) {
  char text[64];
  std::snprintf(text, sizeof text, "%*.*f", width, decimals, value);
  return text;
}

std::string PercentText(double probability) {
  const double percent = 100 * probability;
  // The decimals that fit, judged after rounding: 9.99996 % is "10.000".
  for (int decimals = 4;; --decimals) {
    std::string text = FixedText(percent, decimals, kPercentWidth);
    if (decimals == 0 || static_cast<int>(text.size()) <= kPercentWidth) return text;
  }
}

}  // namespace vorlanz
