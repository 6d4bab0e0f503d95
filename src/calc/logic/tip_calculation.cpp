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

  CalculationResult Run(int firstRow) {
    for (int row = 1; row < firstRow; ++row) {
      rows_[row] = PackColumn(pool_.TipRows, row);
      normErrorTotal_ += Distance(rows_[row], norm_);
    }
    for (int row = firstRow; row <= kRowCount; ++row) {
      if (!BuildRow(row)) return CalculationResult::Cancelled;
    }
    return CalculationResult::Complete;
  }

 private:
  // Returns false if the observer cancelled.
  bool BuildRow(int row) {
    const RowDrawer drawer(pool_.OutcomeQuota);
    const std::uint32_t meanMask = rules_.MeanMask(row, normErrorTotal_);
    int quality = pool_.SystemQuality;
    pool_.WorkingQuality = pool_.SystemQuality;
    int rejects = 0;
    int wraps = 0;
    for (;;) {
      if (observer_.CancelRequested(row)) return false;
      const PackedRow candidate = drawer.Draw(random_);
      const int normErrors = Distance(candidate, norm_);
      if (((meanMask >> normErrors) & 1u) == 0) continue;
      observer_.Status(normErrors);

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

      int minDistance = kDistanceStart;
      if (row > 1) {
        bool tooClose = false;
        bool touching = false;
        for (int earlier = 1; earlier < row; ++earlier) {
          const int distance = Distance(rows_[earlier], candidate);
          minDistance = std::min(minDistance, distance);
          if (distance < quality) {
            tooClose = true;
            break;
          }
          touching = touching || distance == quality;
        }
        observer_.Distance(minDistance);
        if (row < kRowCount && (tooClose || (!touching && !relaxed))) {
          ++rejects;
          continue;
        }
      }
      Accept(row, candidate, normErrors, row == 1 ? quality : minDistance, minDistance);
      return true;
    }
  }

  void Accept(int row, PackedRow candidate, int normErrors, int rowQuality, int minDistance) {
    rows_[row] = candidate;
    normErrorTotal_ += normErrors;
    for (int match = 1; match <= kMatchCount; ++match) {
      const Byte code = CodeAt(candidate, match);
      pool_.TipRows[match][row] = code;
      --pool_.OutcomeQuota[match][QuotaColumn(code)];
    }
    pool_.RowNormErrors[row] = static_cast<Byte>(normErrors);
    if (row > 1) pool_.RowMinDistance[row] = static_cast<Byte>(minDistance);
    pool_.RowQuality[row] = static_cast<Byte>(rowQuality);

    if (IsSet(pool_.GameReady)) {
      const int gameErrors = Distance(candidate, game_);
      if (WinsPrize(gameErrors)) CountRowWin(pool_, row, gameErrors);
    }
    observer_.RowAccepted({row, rowQuality});
  }

  PoolData& pool_;
  Random& random_;
  CalculationObserver& observer_;
  const PackedRow norm_;
  const PackedRow game_;
  const TipRules rules_;
  std::array<PackedRow, kRowCount + 1> rows_{};
  int normErrorTotal_ = 0;
};

bool QuotaLeftIs(const PoolData& pool, int unitsLeft) {
  for (int match = 1; match <= kMatchCount; ++match) {
    const auto& quota = pool.OutcomeQuota[match];
    if (quota[kHomeColumn] + quota[kDrawColumn] + quota[kAwayColumn] != unitsLeft) return false;
  }
  return true;
}

bool RowsAreOutcomes(const PoolData& pool, int lastRow) {
  for (int match = 1; match <= kMatchCount; ++match) {
    for (int row = 1; row <= lastRow; ++row) {
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

CalculationResult ResumeTips(PoolData& pool, int firstRow, Random& random,
                             CalculationObserver& observer) {
  if (firstRow < 1 || firstRow > kRowCount || !QuotaLeftIs(pool, kRowCount + 1 - firstRow) ||
      !RowsAreOutcomes(pool, firstRow - 1)) {
    return CalculationResult::FaultyForecast;
  }
  return TipRun(pool, random, observer).Run(firstRow);
}

}  // namespace vorlanz
