#pragma once

// The data file "*.T13": a flat run of bytes with no header, no version and
// no checksum. Tables are stored whole, index 0 included, with the first
// index running fastest. 2,386 bytes are written; reading takes the first
// 2,098 and ignores the rest.
//
// | offset | size | content                                   | valid values        |
// |--------|------|-------------------------------------------|---------------------|
// |      0 |    3 | MatchCount, RowCount, LastCard            | any (never read)    |
// |      3 |    1 | OwnForecastReady                          | flag: any byte      |
// |      4 |   56 | OwnForecast [match 0..13][outcome 0..3]   | any weight 0..255   |
// |     60 |    1 | OfficialForecastReady                     | flag                |
// |     61 |   56 | OfficialForecast, same form               | any weight          |
// |    117 |    1 | NormReady                                 | flag                |
// |    118 |   14 | NormSeries [match 0..13]                  | 1, 0, 2 or 255      |
// |    132 |    1 | GameReady                                 | flag                |
// |    133 |   14 | GameSeriesEdit [match 0..13]              | 1, 0, 2 or 255      |
// |    147 |   10 | CardOccupied, bit c of a little-endian    | any (other bits and |
// |        |      | bit string                                | bytes are skipped)  |
// |    157 | 1820 | CardTips [card][match 0..13][row 0..12]:  |                     |
// |        |      |   match 0, the rows' stored quality       | 0..13               |
// |        |      |   matches 1..13, the outcome codes        | 0, 1, 2             |
// |   1977 |   10 | CardQuality [card]                        | 0..9                |
// |   1987 |  110 | CardRowDistance [card][row 0..10]         | 0..13               |
// |   2097 |    1 | reserved                                  | any (never read)    |
// |   2098 |  288 | reserved, zero                            | not read            |
//
// A flag byte counts by its lowest bit (1 true, 0 false), whatever its other
// bits hold; it is kept in the tables as 255 or 0 and written that way.
// The other ranges are those of the values the program itself can produce: a
// distance or a row quality never exceeds the number of matches, the
// System-Güte is one digit. A value outside them would misdraw or break the
// screens and counts later, so a file holding one is refused.

#include <cstddef>

#include "model/pool_data.h"

namespace vorlanz::data_file {

inline constexpr std::size_t kDimensions = 0;
inline constexpr std::size_t kOwnForecastReady = 3;
inline constexpr std::size_t kOwnForecast = 4;
inline constexpr std::size_t kOfficialForecastReady = 60;
inline constexpr std::size_t kOfficialForecast = 61;
inline constexpr std::size_t kNormReady = 117;
inline constexpr std::size_t kNormSeries = 118;
inline constexpr std::size_t kGameReady = 132;
inline constexpr std::size_t kGameSeries = 133;
inline constexpr std::size_t kCardOccupied = 147;
inline constexpr std::size_t kCardOccupiedSize = 10;
inline constexpr std::size_t kCardTips = 157;
inline constexpr std::size_t kCardQuality = 1977;
inline constexpr std::size_t kCardRowDistance = 1987;
inline constexpr std::size_t kReserved = 2097;
inline constexpr std::size_t kReadSize = 2098;
inline constexpr std::size_t kFileSize = 2386;

// Rows 11 and 12 of CardRowDistance are not stored.
inline constexpr int kLastStoredDistanceRow = 10;

constexpr std::size_t ForecastAt(std::size_t table, int match, int outcome) {
  return table + match + (kMatchCount + 1) * outcome;
}
constexpr std::size_t CardTipAt(int card, int match, int row) {
  return kCardTips + card + (kLastCard + 1) * match + (kLastCard + 1) * (kMatchCount + 1) * row;
}
constexpr std::size_t CardRowDistanceAt(int card, int row) {
  return kCardRowDistance + card + (kLastCard + 1) * row;
}

// Files of an older layout hold the official forecast in outcome columns
// 0..2; they show it by a weight in column 0 of match 1.
inline constexpr std::size_t kOlderLayoutMark = ForecastAt(kOfficialForecast, 1, 0);
// The older layout is shifted only for these matches.
inline constexpr int kLastShiftedMatch = 11;

// The valid values of the fields (see the table above).
inline constexpr Byte kLastTipCode = 2;
inline constexpr Byte kLastRowFigure = kMatchCount;  // stored row qualities and distances
inline constexpr Byte kLastCardQuality = 9;

constexpr bool ValidSeriesEntry(Byte value) {
  return value == kHomeWin || value == kDraw || value == kAwayWin || value == kNoEntry;
}
constexpr bool ValidTipCode(Byte value) {
  return value <= kLastTipCode;
}
constexpr bool ValidRowFigure(Byte value) {
  return value <= kLastRowFigure;
}
constexpr bool ValidCardQuality(Byte value) {
  return value <= kLastCardQuality;
}

}  // namespace vorlanz::data_file
