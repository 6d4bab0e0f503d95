#include "analysis/optimiser_screen.h"

#include <algorithm>
#include <string>

#include "analysis/logic/draw_weights.h"
#include "analysis/logic/win_chances.h"
#include "board/main_screen.h"
#include "model/help_topics.h"
#include "model/poll_clock.h"
#include "model/pool_data.h"
#include "model/random.h"
#include "platform/platform.h"
#include "widgets/alert_box.h"
#include "widgets/dialog_input.h"
#include "widgets/dialog_state.h"
#include "widgets/palette.h"
#include "widgets/primitives.h"
#include "widgets/screen_text.h"

namespace vorlanz {

namespace {

constexpr int kFirstGoalButton = 1;
constexpr int kOfferedGoal = 3;  // "mind. III"
constexpr int kGoalButtonCount = 5;

// The figures on the left.
constexpr int kLabelX = 16;
constexpr int kValueX = kLabelX + 13 * platform::kCellWidth;
constexpr int kGoalY = 48;
constexpr int kDoneY = 72;
constexpr int kBestY = 96;
constexpr int kMedianY = 120;
constexpr int kSearchY = 144;
constexpr int kValueCells = 20;
constexpr int kHintY = 360;

// The chart of the spread on the right: one bar per bin.
constexpr int kChartLeft = 300;
constexpr int kChartRight = 771;
constexpr int kChartTop = 44;
constexpr int kChartBottom = 336;
constexpr int kBins = 32;
constexpr int kBinWidth = 14;
constexpr int kBarsLeft = kChartLeft + (kChartRight - kChartLeft - kBins * kBinWidth) / 2;
constexpr int kBarsBottom = kChartBottom - 6;
constexpr int kBarsHeight = kBarsBottom - kChartTop - 12;
constexpr int kAxisY = kChartBottom + 6;

void DrawFrame(OptimiserGoal goal) {
  OpenTitledScreen("Optimieren nach Gewinnchance");
  UseScreenText();
  DrawText(kLabelX, kGoalY, "Ziel:        " + std::string(GoalName(goal)));
  DrawText(kLabelX, kDoneY, "Tipp-Sätze:");
  DrawText(kLabelX, kBestY, "Bester:");
  DrawText(kLabelX, kMedianY, "Median:");
  DrawText(kLabelX, kHintY, "Esc: abbrechen   F1: Hilfe");
  DrawText(kChartLeft, kHintY, "Verteilung der Tipp-Sätze, rot: der beste");
  DrawLine(kChartLeft, kChartTop, kChartRight, kChartTop, kBlack);
  DrawLine(kChartLeft, kChartBottom, kChartRight, kChartBottom, kBlack);
  DrawLine(kChartLeft, kChartTop, kChartLeft, kChartBottom, kBlack);
  DrawLine(kChartRight, kChartTop, kChartRight, kChartBottom, kBlack);
}

void DrawValue(int y, const std::string& text) {
  std::string padded = text;
  padded.resize(kValueCells, ' ');
  DrawText(kValueX, y, padded);
}

void DrawSpread(const std::vector<double>& values, double best, OptimiserGoal goal) {
  FillArea(kChartLeft + 1, kChartTop + 1, kChartRight - 1, kChartBottom - 1, kLightGrey);
  FillArea(kChartLeft, kAxisY, kChartRight, kAxisY + platform::kCellHeight - 1, kLightGrey);
  if (values.empty()) return;
  const Spread spread = SpreadOf(values, kBins, best);
  const int most = *std::max_element(spread.counts.begin(), spread.counts.end());
  const int best_bin = spread.BinOf(best);
  for (int bin = 0; bin < kBins; ++bin) {
    const int count = spread.counts[static_cast<std::size_t>(bin)];
    const int x = kBarsLeft + bin * kBinWidth;
    const int colour = bin == best_bin ? kRed : kBlue;
    // The best bar stands at least a little above the axis, even alone.
    const int height = std::max(count * kBarsHeight / most, bin == best_bin ? 4 : 0);
    if (height > 0)
      FillArea(x + 1, kBarsBottom - height + 1, x + kBinWidth - 2, kBarsBottom, colour);
  }
  UseScreenText();
  DrawText(kBarsLeft, kAxisY, GoalValueText(spread.low, goal));
  const std::string high = GoalValueText(spread.high, goal);
  DrawText(kBarsLeft + kBins * kBinWidth - platform::kCellWidth * static_cast<int>(high.size()),
           kAxisY, high);
}

void DrawFigures(const OptimiserState& state) {
  UseScreenText();
  const bool any = !state.values.empty();
  DrawValue(kDoneY,
            std::to_string(state.values.size()) + " von " + std::to_string(state.tip_set_count));
  DrawValue(kBestY, any ? GoalValueText(state.best, state.goal) : std::string());
  DrawValue(kMedianY, any ? GoalValueText(Median(state.values), state.goal) : std::string());
  if (state.searching) {
    DrawText(kLabelX, kSearchY, "Tausche:");
    DrawValue(kSearchY,
              std::to_string(state.moves_kept) + " von " + std::to_string(state.moves_scored));
  }
  DrawSpread(state.values, state.best, state.goal);
}

// Escape pending or the right button held, and "JA" to the question; F1
// opens the help on the way.
bool UserCancels() {
  platform::Platform& os = platform::Current();
  bool escape = false;
  bool help = false;
  for (platform::Event event = os.PollEvent(); event.kind != platform::EventKind::None;
       event = os.PollEvent()) {
    if (event.kind != platform::EventKind::KeyDown) continue;
    escape = escape || event.key == platform::vk::kEscape;
    help = help || event.key == platform::vk::kF1;
  }
  if (help) ShowHelpTopic(help::kOptimise);
  if (!escape && os.MouseButtons() <= platform::kLeftButton) return false;
  const bool stop = AlertBox(1, 0, 0, "Optimieren abbrechen?", 3, "_JA|_NEIN") == 1;
  FlushInput();
  return stop;
}

class OptimiserScreen final : public OptimiserObserver {
 public:
  bool CancelRequested(const OptimiserState& state) override {
    if (!clock_.Due()) return false;
    DrawFigures(state);
    return UserCancels();
  }

 private:
  PollClock clock_;
};

}  // namespace

std::optional<OptimiserGoal> ChooseOptimiserGoal() {
  Dialog().HelpTopic = help::kOptimise;
  const int chosen = AlertBoxWithHelp(
      1, 0, 0,
      "Optimieren auf die Chance, dass die beste|Reihe den Rang erreicht, oder auf die Punkte:",
      kOfferedGoal, "_1 Rang I|_2 mind. II|_3 mind. III|_4 mind. IV|_5 Punkte", help::kOptimise);
  if (chosen < kFirstGoalButton || chosen > kGoalButtonCount) return std::nullopt;
  return static_cast<OptimiserGoal>(chosen - kFirstGoalButton);
}

std::optional<std::string> OptimiseOnScreen(OptimiserGoal goal) {
  PoolData& pool = Pool();
  Dialog().HelpTopic = help::kOptimise;
  const OutcomeChances chances = ChancesFromWeights(DrawWeights(pool));
  DrawFrame(goal);
  OptimiserScreen screen;
  const OptimiserResult result = Optimise(pool, goal, chances, ProcessRandom(), screen);
  OptimiserState last;
  last.goal = goal;
  last.values = result.values;
  last.best = result.value;
  last.searching = result.moves_scored > 0;
  last.moves_kept = result.moves_kept;
  last.moves_scored = result.moves_scored;
  DrawFigures(last);
  if (!result.found) return std::nullopt;
  TakeOptimisedTipSet(pool, result);
  return ResultLine(result);
}

}  // namespace vorlanz
