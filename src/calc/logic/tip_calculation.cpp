#include "calc/logic/tip_calculation.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "calc/logic/packed_row.h"
#include "calc/logic/row_drawer.h"
#include "calc/logic/tip_rules.h"
#include "calc/logic/win_count.h"
#include "model/quota.h"

namespace vorlanz {

namespace {

// Rejections tolerated at one working quality before it is lowered.
constexpr int kRejectLimit = 80;
// Lowering the working quality from 0 starts again at this value.
constexpr int kWrapQuality = 7;
// The distance scan starts from this minimum.
constexpr int kDistanceStart = 11;

class TipRun {
 public:
  TipRun(PoolData& pool, Random& random, CalculationObserver& observer)
      : pool_(pool),
        random_(random),
        observer_(observer),
        norm_(PackSeries(pool.NormSeries)),
        game_(PackSeries(pool.GameSeries)),
        rules_(pool) {}

  CalculationResult Run(int first_row) {
    for (int row = 1; row < first_row; ++row) {
      rows_[row] = PackRow(pool_.TipRows, row);
      norm_error_total_ += Distance(rows_[row], norm_);
    }
    for (int row = first_row; row <= kRowCount; ++row) {
      if (!BuildRow(row)) return CalculationResult::Cancelled;
    }
    return CalculationResult::Complete;
  }

 private:
  // Returns false if the observer cancelled.
  bool BuildRow(int row) {
    const RowDrawer drawer(pool_.OutcomeQuota);
    const std::uint32_t mean_mask = rules_.MeanMask(row, norm_error_total_);
    int quality = pool_.SystemQuality;
    pool_.WorkingQuality = pool_.SystemQuality;
    int rejects = 0;
    int wraps = 0;
    for (;;) {
      if (observer_.CancelRequested(row)) return false;
      const PackedRow candidate = drawer.Draw(random_);
      const int norm_errors = Distance(candidate, norm_);
      if (((mean_mask >> norm_errors) & 1u) == 0) continue;
      observer_.Status(norm_errors);

      if (rejects > kRejectLimit) {
        rejects = 0;
        if (quality == 0) {
          quality = kWrapQuality;
          ++wraps;
        } else {
          --quality;
        }
        pool_.WorkingQuality = static_cast<Byte>(quality);
        observer_.QualityLowered(quality);
      }
      const bool relaxed = wraps >= kWrapsBeforeRelaxing;

      if (row <= kLastCountedRow && !rules_.PassesCountTest(candidate)) {
        ++rejects;
        continue;
      }

      int min_distance = kDistanceStart;
      if (row > 1) {
        bool too_close = false;
        bool touching = false;
        for (int earlier = 1; earlier < row; ++earlier) {
          const int distance = Distance(rows_[earlier], candidate);
          min_distance = std::min(min_distance, distance);
          if (distance < quality) {
            too_close = true;
            break;
          }
          touching = touching || distance == quality;
        }
        observer_.Distance(min_distance);
        if (row < kRowCount && (too_close || (!touching && !relaxed))) {
          ++rejects;
          continue;
        }
      }
      Accept(row, candidate, norm_errors, row == 1 ? quality : min_distance, min_distance);
      return true;
    }
  }

  void Accept(int row, PackedRow candidate, int norm_errors, int row_quality, int min_distance) {
    rows_[row] = candidate;
    norm_error_total_ += norm_errors;
    for (int match = 1; match <= kMatchCount; ++match) {
      const Byte code = CodeAt(candidate, match);
      pool_.TipRows[match][row] = code;
      --pool_.OutcomeQuota[match][QuotaColumn(code)];
    }
    pool_.RowNormErrors[row] = static_cast<Byte>(norm_errors);
    if (row > 1) pool_.RowMinDistance[row] = static_cast<Byte>(min_distance);
    pool_.RowQuality[row] = static_cast<Byte>(row_quality);

    if (IsSet(pool_.GameReady)) {
      const int game_errors = Distance(candidate, game_);
      if (WinsPrize(game_errors)) CountRowWin(pool_, row, game_errors);
    }
    observer_.RowAccepted({row, row_quality});
  }

  PoolData& pool_;
  Random& random_;
  CalculationObserver& observer_;
  const PackedRow norm_;
  const PackedRow game_;
  const TipRules rules_;
  PackedTipSet rows_{};
  int norm_error_total_ = 0;
};

bool QuotaLeftIs(const PoolData& pool, int units_left) {
  for (int match = 1; match <= kMatchCount; ++match) {
    const auto& quota = pool.OutcomeQuota[match];
    if (quota[kHomeColumn] + quota[kDrawColumn] + quota[kAwayColumn] != units_left) return false;
  }
  return true;
}

bool RowsAreOutcomes(const PoolData& pool, int last_row) {
  for (int match = 1; match <= kMatchCount; ++match) {
    for (int row = 1; row <= last_row; ++row) {
      if (pool.TipRows[match][row] > kAwayWin) return false;
    }
  }
  return true;
}

}  // namespace

CalculationResult CalculateTips(PoolData& pool, Random& random, CalculationObserver& observer) {
  if (!ForecastIsSound(pool)) return CalculationResult::FaultyForecast;
  ComputeQuota(pool);
  return TipRun(pool, random, observer).Run(1);
}

CalculationResult ResumeTips(PoolData& pool, int first_row, Random& random,
                             CalculationObserver& observer) {
  if (first_row < 1 || first_row > kRowCount || !QuotaLeftIs(pool, kRowCount + 1 - first_row) ||
      !RowsAreOutcomes(pool, first_row - 1)) {
    return CalculationResult::FaultyForecast;
  }
  return TipRun(pool, random, observer).Run(first_row);
}

}  // namespace vorlanz
