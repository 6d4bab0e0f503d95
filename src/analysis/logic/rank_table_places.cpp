#include "analysis/logic/rank_table_places.h"

#include "model/pool_data.h"

namespace vorlanz {

namespace {

constexpr int kLabelX = 133;
// Row r's counts start at 40 r + 123.
constexpr int kFirstX = 163;
constexpr int kRowPitch = 40;
// The gap a count leaves before the next one: a blank of the small font.
constexpr int kGap = kRowPitch - kRoomUnderRow;

}  // namespace

RankTablePlaces PlaceRankTable(int widest, int label_width) {
  if (widest <= kRoomUnderRow) return {kLabelX, kFirstX, kRowPitch};
  const int first = 1 + label_width + kGap;
  return {1, first, (kRankTableRight - first - widest) / (kRowCount - 1)};
}

}  // namespace vorlanz
