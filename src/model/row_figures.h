#pragma once

// The figures the tip picture shows under a row or a series: how many home
// wins, draws and away wins it holds, and in how many matches it differs from
// another row or series.

#include <string>

#include "model/pool_data.h"

namespace vorlanz {

struct OutcomeCounts {
  int home = 0;
  int draw = 0;
  int away = 0;
};

// Counts code 1 as a home win, 0 as a draw and every other code as an away win.
void CountOutcome(OutcomeCounts& counts, Byte code);
OutcomeCounts CountColumn(const RowTable& rows, int row);
OutcomeCounts CountSeries(const Series& series);

// Matches 1..13 in which column `row` of the table differs from the series.
int ColumnDifferences(const RowTable& rows, int row, const Series& series);
int SeriesDifferences(const Series& a, const Series& b);
// Matches in which column `row_a` of one table differs from column `row_b` of
// another.
int ColumnDistance(const RowTable& a, int row_a, const RowTable& b, int row_b);
// The fewest matches in which column `row` of one table differs from any of
// the rows 1..12 of another, never more than kFarthestRow.
inline constexpr int kFarthestRow = 11;
int NearestRowDistance(const RowTable& a, int row, const RowTable& b);

// The three counts one after the other, the home wins right-aligned in
// `home_cells` characters, draws and away wins as their bare digits.
std::string CountsText(const OutcomeCounts& counts, int home_cells);

}  // namespace vorlanz
