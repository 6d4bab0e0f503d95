#include "analysis/logic/win_chances.h"

#include <algorithm>
#include <vector>

#include "calc/logic/packed_row.h"

// How the figures are found
//
// A result series S has the probability P(S) = product over the matches of
// the chance of S's outcome, since the matches are drawn independently.
//
// Expected rows and points are sums over single rows: a row's number of
// differences from S is a sum of independent yes/no events (match m differs
// with the chance 1 - p_m(row's code)), so its distribution over 0..3
// follows from a small dynamic programme over the matches.
//
// The best row's rank needs the rows together, but only series within 3
// differences of some row count. Each row's neighbourhood (the row itself,
// and the series that differ from it in 1, 2 or 3 matches: at most
// 1 + 26 + 312 + 2,288 = 2,627 series) is walked by choosing the changed
// matches a < b < c and their outcomes in nested loops. The probability is
// built along the way: the product of the row's own chances before a, the
// chosen chance at a, the row's chances between a and b, and so on, with the
// product of the row's chances after the last change taken from a table; so
// each series costs two multiplications and no division, and a subtree
// whose product is already 0 is left out.
//
// A series is counted only in the neighbourhood of the first row it lies
// within 3 differences of: it is skipped for row r if an earlier row is that
// close. Its best rank also needs the later rows. Both tests look only at
// rows that can be close: a series k differences from row r is at least
// d(r, j) - k from row j, so an earlier row matters only if d(r, j) <= k + 3,
// and a later one can only be closer than k if d(r, j) < 2k. Distances are
// XORs of rows packed two bits per match. A tip set of well spread rows thus
// needs few distance tests at all, and a row equal to an earlier one is
// skipped whole.

namespace vorlanz {

namespace {

constexpr int kReach = kPrizeRanks - 1;  // the most differences that still win

// One other outcome of a match: its chance and the bits that turn the row's
// code into it.
struct Alternative {
  double chance = 0;
  PackedRow flip = 0;
};

struct MatchView {
  double keep = 0;  // chance that the result equals the row's code
  int alternative_count = 0;
  std::array<Alternative, kOutcomeCount> alternatives{};
};

struct NearRow {
  PackedRow row = 0;
  int distance = 0;
};

struct RowPlan {
  PackedRow row = 0;
  std::array<MatchView, kMatchCount> matches{};
  std::array<double, kMatchCount + 1> keep_before{};  // [i]: product of keep of matches 0..i-1
  std::array<double, kMatchCount + 1> keep_from{};    // [i]: product of keep of matches i..end
  std::vector<NearRow> earlier;                       // by distance, at most 2 × reach
  std::vector<NearRow> later;                         // by distance, below 2 × reach
};

RowPlan PlanRow(const RowTable& rows, int row, const OutcomeChances& chances, int match_count) {
  RowPlan plan;
  plan.row = PackRow(rows, row, match_count);
  for (int i = 0; i < match_count; ++i) {
    const int match = i + 1;
    const PackedRow own = PackedCode(rows[match][row]);
    MatchView& view = plan.matches[i];
    for (Byte code = 0; code < kOutcomeCount; ++code) {
      const double chance = chances[match][code];
      if (code == own) {
        view.keep = chance;
      } else {
        view.alternatives[view.alternative_count++] = {chance, (own ^ code) << MatchShift(match)};
      }
    }
  }
  plan.keep_before[0] = 1;
  for (int i = 0; i < match_count; ++i) {
    plan.keep_before[i + 1] = plan.keep_before[i] * plan.matches[i].keep;
  }
  plan.keep_from[match_count] = 1;
  for (int i = match_count - 1; i >= 0; --i) {
    plan.keep_from[i] = plan.keep_from[i + 1] * plan.matches[i].keep;
  }
  return plan;
}

void FindNearRows(std::vector<RowPlan>& plans, int reach) {
  const auto by_distance = [](const NearRow& a, const NearRow& b) {
    return a.distance < b.distance;
  };
  for (std::size_t r = 0; r < plans.size(); ++r) {
    for (std::size_t j = 0; j < plans.size(); ++j) {
      const int distance = Distance(plans[r].row, plans[j].row);
      if (j < r && distance <= 2 * reach) plans[r].earlier.push_back({plans[j].row, distance});
      if (j > r && distance < 2 * reach) plans[r].later.push_back({plans[j].row, distance});
    }
    std::sort(plans[r].earlier.begin(), plans[r].earlier.end(), by_distance);
    std::sort(plans[r].later.begin(), plans[r].later.end(), by_distance);
  }
}

// The probabilities of the series walked so far, by the best row's distance.
struct BestRowTally {
  int reach = kReach;
  std::array<double, kPrizeRanks> by_distance{};
  std::int32_t walked = 0;

  // Series `series`, `differences` away from the plan's row, with
  // probability `chance`.
  void Add(const RowPlan& plan, PackedRow series, int differences, double chance) {
    ++walked;
    for (const NearRow& near : plan.earlier) {
      if (near.distance > differences + reach) break;
      if (Distance(series, near.row) <= reach) return;
    }
    int best = differences;
    for (const NearRow& near : plan.later) {
      if (near.distance >= 2 * differences) break;
      best = std::min(best, Distance(series, near.row));
    }
    by_distance[best] += chance;
  }
};

// The series within tally.reach differences of the plan's row.
void WalkNeighbourhood(const RowPlan& plan, int match_count, BestRowTally& tally) {
  const auto& matches = plan.matches;
  tally.Add(plan, plan.row, 0, plan.keep_from[0]);
  if (tally.reach < 1) return;
  for (int a = 0; a < match_count && plan.keep_before[a] != 0; ++a) {
    for (int x = 0; x < matches[a].alternative_count; ++x) {
      const Alternative& first = matches[a].alternatives[x];
      const double up_to_a = plan.keep_before[a] * first.chance;
      if (up_to_a == 0) continue;
      const PackedRow once = plan.row ^ first.flip;
      tally.Add(plan, once, 1, up_to_a * plan.keep_from[a + 1]);
      if (tally.reach < 2) continue;
      double before_b = up_to_a;  // times the keep of the matches between a and b
      for (int b = a + 1; b < match_count && before_b != 0; ++b) {
        for (int y = 0; y < matches[b].alternative_count; ++y) {
          const Alternative& second = matches[b].alternatives[y];
          const double up_to_b = before_b * second.chance;
          if (up_to_b == 0) continue;
          const PackedRow twice = once ^ second.flip;
          tally.Add(plan, twice, 2, up_to_b * plan.keep_from[b + 1]);
          if (tally.reach < 3) continue;
          double before_c = up_to_b;
          for (int c = b + 1; c < match_count && before_c != 0; ++c) {
            for (int z = 0; z < matches[c].alternative_count; ++z) {
              const Alternative& third = matches[c].alternatives[z];
              const double chance = before_c * third.chance * plan.keep_from[c + 1];
              if (chance != 0) tally.Add(plan, twice ^ third.flip, 3, chance);
            }
            before_c *= matches[c].keep;
          }
        }
        before_b *= matches[b].keep;
      }
    }
  }
}

// The distribution of the row's differences over 0..kReach.
std::array<double, kPrizeRanks> DifferenceChances(const RowPlan& plan, int match_count) {
  std::array<double, kPrizeRanks> chance{1};
  for (int i = 0; i < match_count; ++i) {
    const MatchView& view = plan.matches[i];
    double differ = 0;
    for (int x = 0; x < view.alternative_count; ++x) differ += view.alternatives[x].chance;
    for (int k = kReach; k > 0; --k) chance[k] = chance[k] * view.keep + chance[k - 1] * differ;
    chance[0] *= view.keep;
  }
  return chance;
}

}  // namespace

OutcomeChances ChancesFromWeights(const MatchTable& weights) {
  OutcomeChances chances{};
  for (int match = 1; match <= kMatchCount; ++match) {
    const auto& w = weights[match];
    const int sum = w[kHomeColumn] + w[kDrawColumn] + w[kAwayColumn];
    for (Byte code = 0; code < kOutcomeCount; ++code) {
      chances[match][code] =
          sum == 0 ? 1.0 / kOutcomeCount : static_cast<double>(w[QuotaColumn(code)]) / sum;
    }
  }
  return chances;
}

WinChances ComputeWinChances(const RowTable& rows, const OutcomeChances& chances, int row_count,
                             int match_count) {
  return ComputeWinChancesUpTo(rows, chances, kReach, row_count, match_count);
}

WinChances ComputeWinChancesUpTo(const RowTable& rows, const OutcomeChances& chances, int reach,
                                 int row_count, int match_count) {
  reach = std::clamp(reach, -1, kReach);
  row_count = std::clamp(row_count, 0, kRowCount);
  match_count = std::clamp(match_count, 0, kMatchCount);
  std::vector<RowPlan> plans;
  plans.reserve(row_count);
  for (int row = 1; row <= row_count; ++row) {
    plans.push_back(PlanRow(rows, row, chances, match_count));
  }
  if (reach >= 0) FindNearRows(plans, reach);

  WinChances result;
  BestRowTally tally;
  tally.reach = reach;
  for (const RowPlan& plan : plans) {
    const std::array<double, kPrizeRanks> own = DifferenceChances(plan, match_count);
    for (int k = 0; k < kPrizeRanks; ++k) result.expected_rows[k] += own[k];
    const bool repeats_an_earlier_row = !plan.earlier.empty() && plan.earlier.front().distance == 0;
    if (reach >= 0 && !repeats_an_earlier_row) WalkNeighbourhood(plan, match_count, tally);
  }

  double at_most = 0;
  for (int k = 0; k < kPrizeRanks; ++k) {
    at_most += tally.by_distance[k];
    result.best_rank_at_least[k] = k <= reach ? at_most : 0;
    result.expected_points += PrizePoints(k) * result.expected_rows[k];
  }
  result.expected_points_per_run = kSeriesPerRun * result.expected_points;
  result.series_walked = tally.walked;
  return result;
}

}  // namespace vorlanz
