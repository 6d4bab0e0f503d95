#pragma once

// The process-wide football-pool data: forecasts, series, the outcome quota,
// the current tip set with its figures, the ten cards and the settings. Every
// table runs from index 0 to its bound inclusive; the logic uses matches
// 1..13, outcome columns 1..3 (home win, draw, away win), rows 1..12 and cards
// 0..9. Element widths are those the data file stores byte by byte.

#include <array>
#include <cstdint>
#include <string>

#include "model/prize_ranks.h"
#include "model/settings.h"

namespace vorlanz {

inline constexpr int kMatchCount = 13;
inline constexpr int kOutcomeCount = 3;
inline constexpr int kRowCount = 12;
inline constexpr int kLastCard = 9;

// Boolean bytes: false 0, true 255; tests look at the lowest bit.
using Flag = std::uint8_t;
inline constexpr Flag kTrue = 255;
inline constexpr Flag kFalse = 0;
inline bool IsSet(Flag flag) {
  return (flag & 1) != 0;
}
inline Flag ToFlag(bool value) {
  return value ? kTrue : kFalse;
}

// Outcome codes and their quota columns.
inline constexpr std::uint8_t kHomeWin = 1;
inline constexpr std::uint8_t kDraw = 0;
inline constexpr std::uint8_t kAwayWin = 2;
inline constexpr std::uint8_t kNoEntry = 255;  // a series entry not yet made
inline constexpr int kHomeColumn = 1;
inline constexpr int kDrawColumn = 2;
inline constexpr int kAwayColumn = 3;

template <typename T, int Bound>
using Table = std::array<T, Bound + 1>;

using Byte = std::uint8_t;
using MatchTable = Table<Table<Byte, kOutcomeCount>, kMatchCount>;  // [match][outcome]
using Series = Table<Byte, kMatchCount>;                            // [match]
using RowTable = Table<Table<Byte, kRowCount>, kMatchCount>;        // [match][row]

struct PoolData {
  // Dimension constants.
  Byte RowCount = kRowCount;
  Byte MatchCount = kMatchCount;
  Byte OutcomeCount = kOutcomeCount;
  Byte LastCard = kLastCard;

  // Forecasts and series, with the edit copies of their entry dialogs.
  MatchTable OwnForecast{};
  MatchTable OfficialForecast{};
  MatchTable OwnForecastEdit{};
  MatchTable OfficialForecastEdit{};
  Series NormSeries{};
  Series GameSeries{};
  Series NormSeriesEdit{};
  Series GameSeriesEdit{};
  Flag OwnForecastReady = kFalse;
  Flag OfficialForecastReady = kFalse;
  Flag NormReady = kFalse;
  Flag GameReady = kFalse;

  // Derived from the own forecast by the quota step.
  MatchTable OutcomeQuota{};
  // The quota (in twelfths) of every outcome that differs from the match's
  // NORM outcome, summed over the 13 matches: how many of the tip set's
  // match places stray from NORM. Divided by 12, the number of matches in
  // which a row is expected to differ from NORM.
  Byte Fges = 0;
  Byte DrawQuotaSum = 0;
  Byte AwayQuotaSum = 0;

  // The current tip set and its figures.
  RowTable TipRows{};
  Table<Byte, kRowCount> RowNormErrors{};
  Table<Byte, kRowCount> RowMinDistance{};
  Table<Byte, kRowCount> RowQuality{};
  // TipRows holds a whole tip set, calculated or taken from a card since the
  // start or the last data-file load. No file stores it.
  Flag TipSetReady = kFalse;
  // Rows won per prize rank, counted over many calculations or drawn series:
  // 32 bits that stop at their largest value instead of wrapping. No file
  // stores them.
  Table<Table<std::int32_t, kPrizeRanks - 1>, kRowCount> RowWinTally{};  // [row][GAME errors]
  std::int32_t WinsRank1 = 0;
  std::int32_t WinsRank2 = 0;
  std::int32_t WinsRank3 = 0;
  std::int32_t WinsRank4 = 0;

  // Quality settings.
  Byte SystemQuality = 0;
  Byte WorkingQuality = 0;

  // The card store. CardTips[card][0][row] holds the row's stored quality.
  Table<Flag, kLastCard> CardOccupied{};
  Table<RowTable, kLastCard> CardTips{};
  Table<Table<Byte, kRowCount>, kLastCard> CardRowDistance{};
  Table<Byte, kLastCard> CardQuality{};

  // Card choice state.
  std::int16_t ChosenCard = 0;
  std::int16_t LoadedCard = 0;
  std::string CardPrompt;
  Flag CompareMode = kFalse;

  // The contest, per card. The standings (totals, run, average, order) carry
  // over from one contest to the next until a data file is loaded.
  Table<std::int32_t, kLastCard> ContestHits1{};
  Table<std::int32_t, kLastCard> ContestHits2{};
  Table<std::int32_t, kLastCard> ContestHits3{};
  Table<std::int32_t, kLastCard> ContestHits4{};
  Table<std::int32_t, kLastCard> ContestPoints{};
  Table<std::int32_t, kLastCard> ContestTotal{};
  std::int16_t ContestRun = 0;
  float ContestAverage = 0;

  // Start-up tables.
  Table<Byte, kLastCard> ContestOrder{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  Table<std::int16_t, kLastCard> CardColour{1, 12, 14, 4, 5, 6, 8, 9, 10, 11};
  Table<std::int16_t, 3> SlipColumn{2, 1, 3, 0};  // slip column per outcome code

  // Settings kept in the parameter file, and the data file's default name.
  Byte PrintOffsetA = kDefaultPrintOffset;
  Byte PrintOffsetB = kDefaultPrintOffset;
  std::int16_t Bundesland = kDefaultBundesland;
  std::string DataFileName = "SYS_MEM.T13";

  // Slip printing: the add-on games marked as played, kept for the run.
  Flag PlaySpiel77 = kFalse;
  Flag PlaySuper6 = kFalse;
};

// The one instance the program works on.
PoolData& Pool();
// Back to the start-up state (for tests).
void ResetPool();

// The contest standings as at start-up: no totals, no run, no average, the
// cards in their own order.
void ResetContestStandings(PoolData& pool);

// Quota column of an outcome code: 1 -> 1, 0 -> 2, 2 -> 3.
inline int QuotaColumn(Byte code) {
  return code == kHomeWin ? kHomeColumn : (code == kDraw ? kDrawColumn : kAwayColumn);
}

}  // namespace vorlanz
