#include "model/row_figures.h"

#include <algorithm>

namespace vorlanz {

void CountOutcome(OutcomeCounts& counts, Byte code) {
  if (code == kHomeWin) {
    ++counts.home;
  } else if (code == kDraw) {
    ++counts.draw;
  } else {
    ++counts.away;
  }
}

OutcomeCounts CountColumn(const RowTable& rows, int row) {
  OutcomeCounts counts;
  for (int m = 1; m <= kMatchCount; ++m) CountOutcome(counts, rows[m][row]);
  return counts;
}

OutcomeCounts CountSeries(const Series& series) {
  OutcomeCounts counts;
  for (int m = 1; m <= kMatchCount; ++m) CountOutcome(counts, series[m]);
  return counts;
}

int ColumnDifferences(const RowTable& rows, int row, const Series& series) {
  int differences = 0;
  for (int m = 1; m <= kMatchCount; ++m) differences += rows[m][row] != series[m] ? 1 : 0;
  return differences;
}

int SeriesDifferences(const Series& a, const Series& b) {
  int differences = 0;
  for (int m = 1; m <= kMatchCount; ++m) differences += a[m] != b[m] ? 1 : 0;
  return differences;
}

int ColumnDistance(const RowTable& a, int row_a, const RowTable& b, int row_b) {
  int differences = 0;
  for (int m = 1; m <= kMatchCount; ++m) differences += a[m][row_a] != b[m][row_b] ? 1 : 0;
  return differences;
}

std::string CountsText(const OutcomeCounts& counts, int home_cells) {
  std::string home = std::to_string(counts.home);
  if (static_cast<int>(home.size()) < home_cells) home.insert(0, home_cells - home.size(), ' ');
  return home + std::to_string(counts.draw) + std::to_string(counts.away);
}

int NearestRowDistance(const RowTable& a, int row, const RowTable& b) {
  int nearest = kFarthestRow;
  for (int other = 1; other <= kRowCount; ++other) {
    nearest = std::min(nearest, ColumnDistance(a, row, b, other));
  }
  return nearest;
}

}  // namespace vorlanz
