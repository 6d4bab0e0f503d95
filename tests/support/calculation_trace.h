#pragma once

// Test observer of the tip calculation: counts candidates per row, keeps the
// working-quality lowerings, the status figures and the accepted rows, and can
// cancel at a chosen candidate of a chosen row.

#include <array>
#include <string>
#include <vector>

#include "calc/logic/calculation_observer.h"
#include "model/pool_data.h"

namespace vorlanz::testing {

struct RowTrace {
  long candidates = 0;  // cancel questions asked in the row
  std::vector<int> statuses;
  std::vector<int> lowerings;
};

class CalculationTrace : public CalculationObserver {
 public:
  // Cancel when candidate number `candidate` (1-based) of `row` is about to be drawn.
  void CancelAt(int row, long candidate) {
    cancel_row_ = row;
    cancel_candidate_ = candidate;
  }

  bool CancelRequested(int row) override {
    row_ = row;
    const long number = ++rows[row].candidates;
    return row == cancel_row_ && number >= cancel_candidate_;
  }
  void Status(int norm_errors) override { rows[row_].statuses.push_back(norm_errors); }
  void QualityLowered(int working_quality) override {
    rows[row_].lowerings.push_back(working_quality);
    last_shown_quality = working_quality;
  }
  void Distance(int) override {}
  void RowAccepted(const AcceptedRow& row) override { accepted.push_back(row); }

  // The working quality in force when the row was accepted.
  int QualityAtAcceptance(int row, int system_quality) const {
    return rows[row].lowerings.empty() ? system_quality : rows[row].lowerings.back();
  }
  // How often the working quality went round from 0 to 7 in the row.
  int Wraps(int row, int system_quality) const {
    int wraps = 0;
    int previous = system_quality;
    for (int quality : rows[row].lowerings) {
      if (previous == 0 && quality == 7) ++wraps;
      previous = quality;
    }
    return wraps;
  }

  std::array<RowTrace, kRowCount + 1> rows{};
  std::vector<AcceptedRow> accepted;
  int last_shown_quality = -1;

 private:
  int row_ = 0;
  int cancel_row_ = 0;
  long cancel_candidate_ = 0;
};

// Outcome codes written as a row text, match 1 first ("2020011102012").
inline std::string RowText(const PoolData& pool, int row) {
  std::string text;
  for (int match = 1; match <= kMatchCount; ++match) {
    text += static_cast<char>('0' + pool.TipRows[match][row]);
  }
  return text;
}

inline void SetRow(RowTable& rows, int row, const std::string& codes) {
  for (int match = 1; match <= kMatchCount; ++match) {
    rows[match][row] = static_cast<Byte>(codes[match - 1] - '0');
  }
}
inline void SetRow(PoolData& pool, int row, const std::string& codes) {
  SetRow(pool.TipRows, row, codes);
}

inline void SetSeries(Series& series, const std::string& codes) {
  for (int match = 1; match <= kMatchCount; ++match) {
    series[match] = static_cast<Byte>(codes[match - 1] - '0');
  }
}

inline void SetAllWeights(PoolData& pool, Byte home, Byte draw, Byte away) {
  for (int match = 1; match <= kMatchCount; ++match)
    pool.OwnForecast[match] = {0, home, draw, away};
}

inline int RowDistance(const PoolData& pool, int a, int b) {
  int distance = 0;
  for (int match = 1; match <= kMatchCount; ++match) {
    distance += pool.TipRows[match][a] != pool.TipRows[match][b] ? 1 : 0;
  }
  return distance;
}

inline int SeriesDistance(const PoolData& pool, int row, const Series& series) {
  int distance = 0;
  for (int match = 1; match <= kMatchCount; ++match) {
    distance += pool.TipRows[match][row] != series[match] ? 1 : 0;
  }
  return distance;
}

}  // namespace vorlanz::testing
