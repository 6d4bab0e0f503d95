#include <gtest/gtest.h>

#include "analysis/logic/forecast_edit.h"
#include "analysis/logic/series_edit.h"

namespace vorlanz {
namespace {

struct Flags {
  bool own, official;
};

Flags ForecastFlagsAfterCommit(int shown_tab) {
  PoolData pool;
  CommitForecastEdits(pool, shown_tab);
  return {IsSet(pool.OwnForecastReady), IsSet(pool.OfficialForecastReady)};
}

TEST(ForecastEdits, FlagsFollowTheTabShownAtOk) {
  const Flags own_tab = ForecastFlagsAfterCommit(1);
  EXPECT_TRUE(own_tab.own);
  EXPECT_FALSE(own_tab.official);
  const Flags official_tab = ForecastFlagsAfterCommit(2);
  EXPECT_TRUE(official_tab.own);
  EXPECT_TRUE(official_tab.official);
}

TEST(ForecastEdits, OkAfterOfficialClearsTheOfficialFlagWhenOwnTabShown) {
  PoolData pool;
  pool.OfficialForecastReady = kTrue;
  CommitForecastEdits(pool, 1);
  EXPECT_EQ(pool.OfficialForecastReady, kFalse);
  EXPECT_EQ(pool.OwnForecastReady, kTrue);
}

TEST(ForecastEdits, LoadAndCommitCopyBothForecasts) {
  PoolData pool;
  pool.OwnForecast[1] = {0, 7, 3, 2};
  pool.OfficialForecast[13] = {0, 4, 4, 4};
  LoadForecastEdits(pool);
  EXPECT_EQ(ForecastEditOfTab(pool, 1)[1][1], 7);
  EXPECT_EQ(ForecastEditOfTab(pool, 2)[13][3], 4);

  ForecastEditOfTab(pool, 1)[2][2] = 9;
  ForecastEditOfTab(pool, 2)[5][1] = 11;
  EXPECT_EQ(pool.OwnForecast[2][2], 0) << "the forecast changes only on commit";
  CommitForecastEdits(pool, 2);
  EXPECT_EQ(pool.OwnForecast[2][2], 9);
  EXPECT_EQ(pool.OfficialForecast[5][1], 11);
  EXPECT_EQ(pool.OwnForecast[1][1], 7);
}

TEST(SeriesEdits, ASeriesNotReadyOpensWithoutEntries) {
  PoolData pool;
  pool.NormSeries.fill(1);
  pool.GameSeries.fill(2);
  pool.GameReady = kTrue;
  LoadSeriesEdits(pool);
  for (int m = 0; m <= kMatchCount; ++m) EXPECT_EQ(pool.NormSeriesEdit[m], kNoEntry) << m;
  for (int m = 1; m <= kMatchCount; ++m) EXPECT_EQ(pool.GameSeriesEdit[m], 2) << m;
}

TEST(SeriesEdits, ReadyOnlyWithEveryMatchEntered) {
  PoolData pool;
  LoadSeriesEdits(pool);
  for (int m = 1; m <= kMatchCount; ++m) pool.NormSeriesEdit[m] = static_cast<Byte>(m % 3);
  pool.GameSeriesEdit[1] = 1;
  CommitSeriesEdits(pool);
  EXPECT_EQ(pool.NormReady, kTrue);
  EXPECT_EQ(pool.GameReady, kFalse);
  EXPECT_EQ(pool.NormSeries[13], 1);
  EXPECT_EQ(pool.GameSeries[1], 1);
  EXPECT_EQ(pool.GameSeries[2], kNoEntry) << "the unfinished series keeps its 255 marks";
}

TEST(SeriesEdits, OneMissingEntryLeavesTheSeriesNotReady) {
  PoolData pool;
  pool.NormReady = kTrue;
  pool.NormSeries.fill(0);
  LoadSeriesEdits(pool);
  pool.NormSeriesEdit[13] = kNoEntry;
  CommitSeriesEdits(pool);
  EXPECT_EQ(pool.NormReady, kFalse);
  EXPECT_FALSE(SeriesComplete(pool.NormSeries));
}

TEST(SeriesEdits, TabOneIsNormAndTabTwoIsGame) {
  PoolData pool;
  EXPECT_EQ(&SeriesEditOfTab(pool, 1), &pool.NormSeriesEdit);
  EXPECT_EQ(&SeriesEditOfTab(pool, 2), &pool.GameSeriesEdit);
}

}  // namespace
}  // namespace vorlanz
