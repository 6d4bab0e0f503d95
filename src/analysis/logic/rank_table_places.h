#pragma once

// Where the rank table of the check and the test run stands at the top of the
// screen: each row's counts under that row of the tip picture, 40 pixels
// apart, while they leave a gap before the next row's counts; counts too wide
// for that (the counters go up to 2147483647) are spread over the whole top
// of the screen, the labels moved to its left edge, so that none runs into
// its neighbour.

namespace vorlanz {

// The right end of the table: the grid line after the tip rows stands at 643.
inline constexpr int kRankTableRight = 642;

struct RankTablePlaces {
  int label_x = 0;
  int first_x = 0;  // the counts of row 1
  int pitch = 0;    // from one row's counts to the next
};

// widest: the widest count in pixels; label_width: the widest label.
RankTablePlaces PlaceRankTable(int widest, int label_width);

// The widest count in pixels that fits under its row.
inline constexpr int kRoomUnderRow = 36;

}  // namespace vorlanz
