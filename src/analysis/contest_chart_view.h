#pragma once

// The contest's bar chart on the main screen (geometry in
// analysis/logic/contest_chart.h): the cleared area with its grid, the axis
// labels, the average line and the bar of one place.

#include <array>
#include <optional>

#include "analysis/logic/contest_chart.h"
#include "model/pool_data.h"
#include "platform/surface.h"

namespace vorlanz {

// The line under the screen's header, from the left edge to past the chart,
// and the line parting the figures on the left from the chart.
void DrawChartDividers();
// The axis labels "50" .. "300" under the grid, in screen font 16.
void DrawChartAxisLabels();
// Clears the chart area to light grey inside a black frame and draws the 36
// grid lines (solid every 100 points, dashed at the 50s, dash-dot between).
// Leaves the pen solid.
void DrawChartGrid();
// The dotted line at the leader's average points per run.
void DrawAverageLine(double average);
// The bar of place k (0 = leader) for `points`, filled in the palette colour
// and framed in black.
void DrawPlaceBar(int place, long points, int colour);
// A bar from the chart's left edge to x = end with its top line at y, filled
// in the palette colour and framed in black.
void DrawChartBar(int y, int end, int colour);

// The chart as a screen that redraws it run after run: the first Clear draws
// the grid and keeps a copy of it; later ones put back only what the bars
// and the average line drawn since covered, which gives the same picture at
// a fraction of the cost. Nothing else may draw into the chart meanwhile.
class ContestChart {
 public:
  void Clear();
  void Bar(int place, long points, int colour);
  void AverageLine(double average);

 private:
  std::optional<platform::SavedArea> clean_;
  std::array<int, kLastCard + 1> bar_end_{};  // widest bar drawn per place, or kNone
  int average_x_ = kNone;
  static constexpr int kNone = -1;
};

}  // namespace vorlanz
