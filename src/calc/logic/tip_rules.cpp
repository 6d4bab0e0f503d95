#include "calc/logic/tip_rules.h"

#include <algorithm>

#include "model/rounding.h"

namespace vorlanz {

namespace {

constexpr std::uint32_t kAllPass = (1u << (kMatchCount + 1)) - 1;

// Bit e is set for the values e in 0..13 from low to high.
std::uint32_t RangeMask(std::int64_t low, std::int64_t high) {
  std::uint32_t mask = 0;
  for (std::int64_t value = std::max<std::int64_t>(low, 0);
       value <= std::min<std::int64_t>(high, kMatchCount); ++value) {
    mask |= 1u << value;
  }
  return mask;
}

// Bit e is set if a value e (0..13) lies within 1 of `target`.
std::uint32_t NearMask(std::int64_t target) {
  return RangeMask(target - 1, target + 1);
}

}  // namespace

TipRules::TipRules(const PoolData& pool)
    : mean_target_(RoundHalfEven(pool.Fges, kRowCount)),
      draw_mask_(NearMask(RoundHalfEven(pool.DrawQuotaSum, kRowCount))),
      away_mask_(NearMask(RoundHalfEven(pool.AwayQuotaSum, kRowCount))) {}

std::uint32_t TipRules::MeanMask(int row, int earlier_errors) const {
  if (row > kLastMeanTestedRow) return kAllPass;
  const Interval totals = RoundingToHalfEven(mean_target_, row);
  return RangeMask(totals.low - earlier_errors, totals.high - earlier_errors);
}

bool TipRules::TipSetPasses(const PackedRow* rows, PackedRow norm) const {
  int errors = 0;
  for (int row = 1; row <= kLastMeanTestedRow; ++row) {
    const int own = Distance(rows[row], norm);
    if (((MeanMask(row, errors) >> own) & 1u) == 0) return false;
    if (row <= kLastCountedRow && !PassesCountTest(rows[row])) return false;
    errors += own;
  }
  return true;
}

}  // namespace vorlanz
