#include "analysis/logic/contest_chart.h"

#include <cmath>

#include "model/rounding.h"

namespace vorlanz::chart {

int BarEnd(long points) {
  return kLeft + static_cast<int>(RoundHalfEven(3 * static_cast<std::int64_t>(points), 2));
}

int AverageLineX(double average) {
  return PointsX(average);
}

int PointsX(double points) {
  // Three half pixels a point: first to whole half pixels, then to pixels.
  const auto halves = static_cast<std::int64_t>(std::nearbyint(3.0 * points));
  return kLeft + static_cast<int>(RoundHalfEven(halves, 2));
}

}  // namespace vorlanz::chart
