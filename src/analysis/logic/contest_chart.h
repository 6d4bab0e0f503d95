#pragma once

// Where the contest's bar chart stands on the main screen: its area, the grid
// of 36 lines 15 pixels (10 points) apart with their pen styles, the bars of
// the ten places and the average line. 1.5 pixels stand for one point.

namespace vorlanz::chart {

inline constexpr int kLeft = 275;
inline constexpr int kTop = 55;
inline constexpr int kRight = 787;
inline constexpr int kBottom = 374;
// The grid lines reach a little below the area, to the axis labels.
inline constexpr int kGridBottom = 377;
inline constexpr int kGridStep = 15;
inline constexpr int kGridLines = 36;
inline constexpr int kPointsPerGridStep = 10;

// Pen styles by their codes: 0 solid, 1 dashed, 2 dotted, 3 dash-dot.
enum class GridPen { Solid = 0, Dashed = 1, Dotted = 2, DashDot = 3 };

constexpr int GridLineX(int line) {
  return kLeft + kGridStep * line;
}

// Solid every 100 points, dashed at the 50s between, dash-dot elsewhere.
constexpr GridPen GridLinePen(int line) {
  if (line % 10 == 0) return GridPen::Solid;
  if (line % 5 == 0) return GridPen::Dashed;
  return GridPen::DashDot;
}

// The top line of the table row and bar of place k (0 = leader).
constexpr int PlaceLine(int place) {
  return 68 + 32 * place;
}

// x of the right end of a bar of `points`: 1.5 pixels a point, a half pixel
// going to the even neighbour.
int BarEnd(long points);

// x of the dotted line that marks the leader's average points per run.
int AverageLineX(double average);

// x of `points` that need not be whole (expected points): 1.5 pixels a point,
// taken to whole half pixels and then to pixels as the average line is.
int PointsX(double points);

}  // namespace vorlanz::chart
