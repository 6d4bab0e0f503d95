#include "analysis/win_chances_screen.h"

#include <algorithm>
#include <string>
#include <vector>

#include "analysis/contest_chart_view.h"
#include "analysis/logic/contest_chart.h"
#include "analysis/logic/draw_weights.h"
#include "analysis/logic/win_chances_table.h"
#include "analysis/series_draw.h"
#include "board/main_screen.h"
#include "model/help_topics.h"
#include "model/pool_data.h"
#include "platform/platform.h"
#include "platform/surface.h"
#include "widgets/dialog_input.h"
#include "widgets/palette.h"
#include "widgets/primitives.h"
#include "widgets/screen_text.h"

namespace vorlanz {

namespace {

constexpr int kHeaderY = 40;
constexpr int kPointsHeaderX = chart::kLeft + 8;
constexpr int kForecastY = 376;
// Up to eleven lines share the chart's height.
constexpr int kFirstLineY = chart::PlaceLine(0);
constexpr int kLineStep = 28;
// The label stands a little higher than its bar, centred on it.
constexpr int kLabelRaise = 3;
constexpr int kLabelGap = 6;

int LineY(int line) {
  return kFirstLineY + kLineStep * line;
}

int LineColour(const ChancesLine& line) {
  return line.card == kCurrentTipSet ? kBlack : Pool().CardColour[line.card];
}

std::string TableText(const ChancesLine& line) {
  std::string text = line.card == kCurrentTipSet ? "akt" : Cells(line.card, 3);
  for (double chance : line.figures.best_rank_at_least) text += " " + PercentText(chance);
  return text;
}

std::string PointsText(const WinChances& figures) {
  return FixedText(figures.expected_points, 4, 0) + " / " +
         FixedText(figures.expected_points_per_run, 2, 0);
}

void DrawFrame(bool official) {
  OpenTitledScreen("Gewinnchancen der Tipp-Scheine");
  DrawChartAxisLabels();
  DrawText(1, kHeaderY, "Nr.     I.  I-II. I-III.  I-IV. %");
  DrawText(kPointsHeaderX, kHeaderY, "Punkte je Reihe / je Runde");
  DrawText(1, kForecastY,
           std::string("Chancen aus: ") + (official ? "amtliche Vorlanz" : "eigene Vorlanz"));
  DrawChartDividers();
  DrawChartGrid();
}

// The line's figures left of the chart, its bar for the points per run, and
// the points beside the bar, kept inside the chart.
void DrawChancesLine(int index, const ChancesLine& line) {
  const int y = LineY(index);
  const int colour = LineColour(line);
  SelectFont(8);
  SetColours(colour, kLightGrey);
  DrawText(1, y, TableText(line));
  const int end = chart::PointsX(line.figures.expected_points_per_run);
  DrawChartBar(y, end, colour);
  const std::string points = PointsText(line.figures);
  const int width = platform::kCellWidth * static_cast<int>(points.size());
  const int x = std::min(end + kLabelGap, chart::kRight - width);
  SetColours(colour, kLightGrey);
  DrawText(x, y - kLabelRaise, points);
}

// Until a key is let go, a button pressed or the window closed; F1 and a
// click at the bottom right open the help and stay.
void WaitToLeave() {
  platform::Platform& os = platform::Current();
  for (;;) {
    const platform::Event event = os.WaitEvent();
    if (event.kind == platform::EventKind::Close) return;
    const bool f1 = event.key == platform::vk::kF1;
    if (event.kind == platform::EventKind::KeyDown && f1) {
      ShowHelpTopic(help::kWinChances);
      continue;
    }
    if (event.message() == platform::kMsgKeyUp && !f1) return;
    if (os.MouseButtons() == 0) continue;
    const platform::Point at = os.MousePosition();
    WaitForMouseRelease();
    if (at.x <= HelpCornerX || at.y <= HelpCornerY) return;
    ShowHelpTopic(help::kWinChances);
  }
}

}  // namespace

void ShowWinChances() {
  PoolData& pool = Pool();
  if (!HasWinChanceLines(pool)) return;
  LoadDrawWeightsAskingForecast();
  if (!IsSet(pool.OwnForecastReady) && !IsSet(pool.OfficialForecastReady)) return;
  const std::vector<ChancesLine> lines =
      WinChanceLines(pool, ChancesFromWeights(pool.OutcomeQuota));
  DrawFrame(DrawsFromOfficialForecast(pool));
  for (std::size_t i = 0; i < lines.size(); ++i) DrawChancesLine(static_cast<int>(i), lines[i]);
  WaitToLeave();
  DrawMainScreen();
}

}  // namespace vorlanz
