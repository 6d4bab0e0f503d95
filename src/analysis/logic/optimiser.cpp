#include "analysis/logic/optimiser.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

#include "analysis/logic/win_chances_table.h"
#include "calc/logic/calculation_observer.h"
#include "calc/logic/packed_row.h"
#include "calc/logic/tip_calculation.h"
#include "calc/logic/tip_rules.h"
#include "calc/logic/win_count.h"
#include "model/prize_ranks.h"
#include "model/quota.h"
#include "model/row_figures.h"

namespace vorlanz {

namespace {

struct GoalInfo {
  std::string_view name;
  int reach;  // the differences the best-row chance walks, -1 for the points
};

constexpr GoalInfo kGoals[] = {
    {"Rang I", 0}, {"mind. II", 1}, {"mind. III", 2}, {"mind. IV", 3}, {"Punkte", -1},
};

const GoalInfo& Info(OptimiserGoal goal) {
  return kGoals[static_cast<std::size_t>(goal)];
}

// A gain smaller than rounding noise is no gain: it could undo and redo a
// move for ever.
bool Improves(double value, double current) {
  constexpr double kNoise = 1e-12;
  return value > current + kNoise * current;
}

// Whether the own forecast leaves one outcome per match, so that every
// calculation ends with the same twelve rows.
bool SinglePossibleRow(const PoolData& pool) {
  PoolData probe = pool;
  ComputeQuota(probe);
  for (int match = 1; match <= kMatchCount; ++match) {
    const auto& quota = probe.OutcomeQuota[match];
    if (std::max({quota[kHomeColumn], quota[kDrawColumn], quota[kAwayColumn]}) != kRowCount) {
      return false;
    }
  }
  return true;
}

int ClosestPair(const PackedTipSet& rows) {
  int closest = kMatchCount;
  for (int a = 1; a <= kRowCount; ++a) {
    for (int b = a + 1; b <= kRowCount; ++b)
      closest = std::min(closest, Distance(rows[a], rows[b]));
  }
  return closest;
}

// Lets a running calculation ask the optimiser's observer.
class RelayObserver final : public CalculationObserver {
 public:
  RelayObserver(OptimiserObserver& observer, const OptimiserState& state)
      : observer_(observer), state_(state) {}
  bool CancelRequested(int /*row*/) override { return observer_.CancelRequested(state_); }

 private:
  OptimiserObserver& observer_;
  const OptimiserState& state_;
};

// The local search on one tip set, first improvement in a fresh random order
// of the moves on every pass.
class LocalSearch {
 public:
  LocalSearch(const PoolData& calculated, const OutcomeChances& chances, OptimiserResult& result,
              Random& random, OptimiserObserver& observer, OptimiserState& state)
      : rules_(calculated),
        norm_(PackSeries(calculated.NormSeries)),
        chances_(chances),
        result_(result),
        random_(random),
        observer_(observer),
        state_(state),
        rows_(PackTipSet(result.rows)) {
    for (int match = 1; match <= kMatchCount; ++match) {
      for (int a = 1; a <= kRowCount; ++a) {
        for (int b = a + 1; b <= kRowCount; ++b) moves_.push_back({match, a, b});
      }
    }
  }

  // False if the observer cancelled; the result holds the best set so far.
  bool Run() {
    for (int pass = 0; pass < kMaxSearchPasses; ++pass) {
      Shuffle();
      bool kept = false;
      for (const Move& move : moves_) {
        if (CodeAt(rows_[move.a], move.match) == CodeAt(rows_[move.b], move.match)) continue;
        Swap(move);
        if (!Allowed(move)) {
          Swap(move);
          continue;
        }
        if (state_.moves_scored >= kMaxScoredMoves) {
          Swap(move);
          return true;
        }
        if (observer_.CancelRequested(state_)) {
          Swap(move);
          return false;
        }
        ++state_.moves_scored;
        const double value = ScoreTipSet(result_.rows, chances_, result_.goal);
        if (!Improves(value, result_.value)) {
          Swap(move);
          continue;
        }
        result_.value = state_.best = value;
        result_.moves_kept = ++state_.moves_kept;
        kept = true;
      }
      if (!kept) break;
    }
    return true;
  }

 private:
  struct Move {
    int match;
    int a;
    int b;
  };

  void Shuffle() {
    for (std::size_t i = moves_.size(); i > 1; --i) {
      std::swap(moves_[i - 1], moves_[random_.Below(static_cast<std::uint32_t>(i))]);
    }
  }

  void Swap(const Move& move) {
    Byte& a = result_.rows[move.match][move.a];
    Byte& b = result_.rows[move.match][move.b];
    std::swap(a, b);
    const PackedRow flip = (PackedCode(a) ^ PackedCode(b)) << MatchShift(move.match);
    rows_[move.a] ^= flip;
    rows_[move.b] ^= flip;
  }

  bool KeepsApart(int row) const {
    for (int other = 1; other <= kRowCount; ++other) {
      if (other != row && Distance(rows_[row], rows_[other]) < result_.min_distance) return false;
    }
    return true;
  }

  bool Allowed(const Move& move) const {
    return KeepsApart(move.a) && KeepsApart(move.b) && rules_.TipSetPasses(rows_.data(), norm_);
  }

  const TipRules rules_;
  const PackedRow norm_;
  const OutcomeChances& chances_;
  OptimiserResult& result_;
  Random& random_;
  OptimiserObserver& observer_;
  OptimiserState& state_;
  PackedTipSet rows_;
  std::vector<Move> moves_;
};

}  // namespace

std::string_view GoalName(OptimiserGoal goal) {
  return Info(goal).name;
}

double GoalValue(const WinChances& figures, OptimiserGoal goal) {
  const int reach = Info(goal).reach;
  return reach < 0 ? figures.expected_points
                   : figures.best_rank_at_least[static_cast<std::size_t>(reach)];
}

double ScoreTipSet(const RowTable& rows, const OutcomeChances& chances, OptimiserGoal goal) {
  return GoalValue(ComputeWinChancesUpTo(rows, chances, Info(goal).reach), goal);
}

std::string GoalValueText(double value, OptimiserGoal goal) {
  constexpr int kPointDecimals = 4;
  if (Info(goal).reach < 0) return FixedText(value, kPointDecimals, 0);
  std::string text = PercentText(value);
  text.erase(0, text.find_first_not_of(' '));
  return text + " %";
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  const std::size_t middle = values.size() / 2;
  std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle),
                   values.end());
  const double upper = values[middle];
  if (values.size() % 2 != 0) return upper;
  const double lower =
      *std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle));
  return (lower + upper) / 2;
}

int Spread::BinOf(double value) const {
  const int last = static_cast<int>(counts.size()) - 1;
  if (last <= 0 || high <= low) return 0;
  const int bin = static_cast<int>((value - low) / (high - low) * static_cast<double>(last + 1));
  return std::clamp(bin, 0, last);
}

Spread SpreadOf(const std::vector<double>& values, int bin_count, double top) {
  Spread spread;
  spread.counts.assign(static_cast<std::size_t>(std::max(bin_count, 1)), 0);
  if (values.empty()) return spread;
  const auto [low, high] = std::minmax_element(values.begin(), values.end());
  spread.low = *low;
  spread.high = std::max(*high, top);
  for (double value : values) ++spread.counts[static_cast<std::size_t>(spread.BinOf(value))];
  return spread;
}

OptimiserResult Optimise(const PoolData& pool, OptimiserGoal goal, const OutcomeChances& chances,
                         Random& random, OptimiserObserver& observer, int tip_set_count) {
  OptimiserResult result;
  result.goal = goal;
  OptimiserState state;
  state.goal = goal;
  state.tip_set_count = tip_set_count;
  const bool single = SinglePossibleRow(pool);

  PoolData calculation = pool;
  RelayObserver relay(observer, state);
  for (int done = 0; done < tip_set_count; ++done) {
    const CalculationResult run = CalculateTips(calculation, random, relay);
    if (run == CalculationResult::Cancelled) result.cancelled = true;
    if (run != CalculationResult::Complete) break;
    const double value = ScoreTipSet(calculation.TipRows, chances, goal);
    state.values.push_back(value);
    if (!result.found || value > result.value) {
      result.found = true;
      result.rows = calculation.TipRows;
      result.value = state.best = value;
    }
    if (single) break;
    if (observer.CancelRequested(state)) {
      result.cancelled = true;
      break;
    }
  }
  result.tip_sets = static_cast<int>(state.values.size());
  result.median = Median(state.values);
  result.best_calculated = result.value;
  if (!result.found) {
    result.values = std::move(state.values);
    return result;
  }

  result.min_distance = std::min<int>(pool.SystemQuality, ClosestPair(PackTipSet(result.rows)));
  if (!result.cancelled) {
    state.searching = true;
    LocalSearch search(calculation, chances, result, random, observer, state);
    result.cancelled = !search.Run();
  }
  result.moves_scored = state.moves_scored;
  result.values = std::move(state.values);
  return result;
}

void TakeOptimisedTipSet(PoolData& pool, const OptimiserResult& result) {
  if (!result.found) return;
  ComputeQuota(pool);
  pool.TipRows = result.rows;
  for (int row = 1; row <= kRowCount; ++row) {
    for (int match = 1; match <= kMatchCount; ++match) {
      --pool.OutcomeQuota[match][QuotaColumn(result.rows[match][row])];
    }
    pool.RowNormErrors[row] =
        static_cast<Byte>(ColumnDifferences(result.rows, row, pool.NormSeries));
    int nearest = kFarthestRow;
    for (int earlier = 1; earlier < row; ++earlier) {
      nearest = std::min(nearest, ColumnDistance(result.rows, row, result.rows, earlier));
    }
    if (row > 1) pool.RowMinDistance[row] = static_cast<Byte>(nearest);
    pool.RowQuality[row] = row == 1 ? pool.SystemQuality : static_cast<Byte>(nearest);
    if (IsSet(pool.GameReady)) {
      const int game_errors = ColumnDifferences(result.rows, row, pool.GameSeries);
      if (WinsPrize(game_errors)) CountRowWin(pool, row, game_errors);
    }
  }
  pool.WorkingQuality = pool.SystemQuality;
  pool.TipSetReady = kTrue;
}

std::string ResultLine(const OptimiserResult& result) {
  const std::string count = std::to_string(result.tip_sets);
  return "Optimiert: " + std::string(GoalName(result.goal)) + " " +
         GoalValueText(result.value, result.goal) + " (Median " +
         GoalValueText(result.median, result.goal) + ", " + count +
         (result.tip_sets == 1 ? " Tipp-Satz)" : " Tipp-Sätze)");
}

}  // namespace vorlanz
