#include "calc/logic/card_copy.h"

#include <gtest/gtest.h>

namespace vorlanz {
namespace {

// Row r carries code (m + r) % 3 in match m, quality r + 1 and distance
// 12 - r; the System-Güte is 6.
PoolData CalculatedPool() {
  PoolData pool;
  for (int r = 1; r <= kRowCount; ++r) {
    for (int m = 1; m <= kMatchCount; ++m) pool.TipRows[m][r] = static_cast<Byte>((m + r) % 3);
    pool.RowQuality[r] = static_cast<Byte>(r + 1);
    pool.RowMinDistance[r] = static_cast<Byte>(12 - r);
  }
  pool.SystemQuality = 6;
  return pool;
}

TEST(CardCopy, AStoredCardGivesRowsAndQualitiesBackAsTheTipSet) {
  PoolData pool = CalculatedPool();
  StoreTipSet(pool, 7);
  EXPECT_TRUE(IsSet(pool.CardOccupied[7]));
  EXPECT_FALSE(IsSet(pool.CardOccupied[6]));
  EXPECT_EQ(pool.LoadedCard, 7);
  EXPECT_EQ(pool.CardQuality[7], 6);
  const RowTable& card = pool.CardTips[7];
  // Row 1 and row 12 at both ends of the card.
  EXPECT_EQ(card[1][1], 2);
  EXPECT_EQ(card[13][12], 1);
  EXPECT_EQ(card[0][1], 2) << "match 0 holds the row's quality";
  EXPECT_EQ(card[0][12], 13);
  EXPECT_EQ(pool.CardRowDistance[7][1], 11);
  EXPECT_EQ(pool.CardRowDistance[7][12], 0);

  PoolData fresh;
  fresh.CardTips[7] = card;
  fresh.RowQuality[1] = 9;
  TakeCardAsTipSet(fresh, 7);
  EXPECT_TRUE(IsSet(fresh.TipSetReady));
  EXPECT_EQ(fresh.LoadedCard, 7);
  for (int r = 1; r <= kRowCount; ++r) {
    EXPECT_EQ(fresh.RowQuality[r], r + 1) << "row " << r;
    for (int m = 1; m <= kMatchCount; ++m) EXPECT_EQ(fresh.TipRows[m][r], (m + r) % 3);
  }
}

}  // namespace
}  // namespace vorlanz
