#pragma once

// Optimising a tip set: many tip sets calculated exactly as the calculation
// makes them, each scored by its exact win chances for one goal, and the best
// of them improved by a local search. A move of the search swaps two rows'
// outcome codes in one match, so every quota stays exact, and is kept only if
// it raises the goal and the tip set still passes the mean and count tests
// and keeps its rows apart.

#include <string>
#include <string_view>
#include <vector>

#include "analysis/logic/win_chances.h"
#include "model/pool_data.h"
#include "model/random.h"

namespace vorlanz {

enum class OptimiserGoal { RankI, AtLeastII, AtLeastIII, AtLeastIV, Points };

inline constexpr int kOptimiserTipSets = 1000;
// The local search ends after this many passes over all moves, or sooner
// when a whole pass keeps no move.
inline constexpr int kMaxSearchPasses = 8;
// ... or once it has scored this many moves, whichever comes first: enough
// for every pass the search ever needed on the bench forecasts, and a bound
// on the time where a large goal keeps finding tiny gains.
inline constexpr int kMaxScoredMoves = 6000;

// "Rang I", "mind. II", "mind. III", "mind. IV", "Punkte".
std::string_view GoalName(OptimiserGoal goal);
// The goal's figure: a best-row chance, or the expected points per series.
double GoalValue(const WinChances& figures, OptimiserGoal goal);
// The goal's figure of rows 1..12, computing only what the goal needs.
double ScoreTipSet(const RowTable& rows, const OutcomeChances& chances, OptimiserGoal goal);
// A chance as the win-chances screen writes it, with " %", or the points
// with four decimals; no leading blanks.
std::string GoalValueText(double value, OptimiserGoal goal);

// The median: the middle value, or the mean of the two middle ones; 0 for none.
double Median(std::vector<double> values);

// How values spread over `bin_count` bins of equal width from their smallest
// value to their largest or `top`, whichever is larger (all in bin 0 when
// that range is empty).
struct Spread {
  double low = 0;
  double high = 0;
  std::vector<int> counts;
  int BinOf(double value) const;
};
Spread SpreadOf(const std::vector<double>& values, int bin_count, double top);

// What the optimiser has done so far, for a live view.
struct OptimiserState {
  OptimiserGoal goal = OptimiserGoal::AtLeastIII;
  int tip_set_count = kOptimiserTipSets;
  std::vector<double> values;  // each calculated tip set's goal, in order
  double best = 0;             // the best so far, the search's gains included
  bool searching = false;
  int moves_scored = 0;
  int moves_kept = 0;
};

class OptimiserObserver {
 public:
  virtual ~OptimiserObserver() = default;
  // Asked before every candidate row of every calculation and before every
  // scored move, so it must answer cheaply; true ends the work, keeping the
  // best tip set found so far.
  virtual bool CancelRequested(const OptimiserState& state) = 0;
};

struct OptimiserResult {
  bool found = false;  // false if cancelled before the first whole tip set
  bool cancelled = false;
  OptimiserGoal goal = OptimiserGoal::AtLeastIII;
  RowTable rows{};  // [match][row]
  double value = 0;
  double best_calculated = 0;
  double median = 0;
  int tip_sets = 0;
  int min_distance = 0;  // the search kept every pair of rows this far apart
  int moves_scored = 0;
  int moves_kept = 0;
  std::vector<double> values;  // each calculated tip set's goal, in order
};

// Calculates `tip_set_count` tip sets from the pool's own forecast, NORM and
// GAME series and System-Güte, scores each by `chances` and improves the
// best. The pool is not changed. When the forecast leaves a single possible
// row per match every tip set is the same, and one is enough.
OptimiserResult Optimise(const PoolData& pool, OptimiserGoal goal, const OutcomeChances& chances,
                         Random& random, OptimiserObserver& observer,
                         int tip_set_count = kOptimiserTipSets);

// Makes a found result the pool's current tip set with the figures a
// calculation leaves: the used-up quota with its FGES figures, every row's
// NORM differences, its distance to the earlier rows as its quality (row 1
// the System-Güte) and, with the GAME series entered, the rows' wins.
void TakeOptimisedTipSet(PoolData& pool, const OptimiserResult& result);

// "Optimiert: mind. III 1.5900 % (Median 1.0100 %, 1000 Tipp-Sätze)".
std::string ResultLine(const OptimiserResult& result);

}  // namespace vorlanz
