#pragma once

// The tip list: one page a player keeps beside the slip, with the forecast,
// the 12 rows of a card beside the match numbers as the tip picture shows
// them, their figures and the card's exact win chances. Texts stand at
// millimetres from the top left corner of the printable area.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/pool_data.h"
#include "model/prize_ranks.h"

namespace vorlanz {

enum class TipListFont { Title, Heading, Text, Table };

struct TipListText {
  double x = 0;
  double y = 0;
  TipListFont font = TipListFont::Text;
  std::string text;

  bool operator==(const TipListText&) const = default;
};

struct TipListContent {
  int card = 0;
  std::string date;       // "12.05.2025"
  bool official = false;  // the official forecast is the one in use
  MatchTable forecast{};  // [match][column 1..3]
  RowTable rows{};        // [match 1..13][row 1..12]; match 0 holds the rows' qualities
  int system_quality = 0;
  std::optional<Series> norm;  // while entered
  std::optional<Series> game;
  // The card's exact chances from the forecast in use: [k] that its best
  // row has at most k differences, the rows expected with exactly k, and
  // the points per series and per run.
  std::array<double, kPrizeRanks> best_rank_at_least{};
  std::array<double, kPrizeRanks> expected_rows{};
  double expected_points = 0;
  double expected_points_per_run = 0;
};

std::vector<TipListText> TipListPage(const TipListContent& content);

// "12.05.2025".
std::string DateText(int year, int month, int day);

// Where the table's columns stand: the code of row r (1..12) is written at
// TipRowX(r); the table font is fixed-pitch with cells kTableCell wide.
inline constexpr double kTableCell = 2.2;
constexpr double TipRowX(int row) {
  return 42 + 9 * (row - 1);
}

}  // namespace vorlanz
