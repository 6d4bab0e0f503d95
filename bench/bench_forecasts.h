#pragma once

// The forecasts the benchmarks run on: balanced 5 : 4 : 3 for every match, a
// realistic mix, and a skewed one with many outcomes ruled out.

#include <array>

#include "model/pool_data.h"

namespace vorlanz::bench {

using Weights = std::array<std::array<Byte, 3>, kMatchCount>;

inline constexpr Weights kBalanced = {{{5, 4, 3},
                                       {5, 4, 3},
                                       {5, 4, 3},
                                       {5, 4, 3},
                                       {5, 4, 3},
                                       {5, 4, 3},
                                       {5, 4, 3},
                                       {5, 4, 3},
                                       {5, 4, 3},
                                       {5, 4, 3},
                                       {5, 4, 3},
                                       {5, 4, 3},
                                       {5, 4, 3}}};
inline constexpr Weights kMixed = {{{6, 4, 2},
                                    {5, 4, 3},
                                    {4, 4, 4},
                                    {7, 3, 2},
                                    {3, 4, 5},
                                    {8, 3, 1},
                                    {5, 5, 2},
                                    {2, 4, 6},
                                    {6, 3, 3},
                                    {4, 5, 3},
                                    {9, 2, 1},
                                    {5, 3, 4},
                                    {3, 3, 6}}};
inline constexpr Weights kSkewed = {{{12, 0, 0},
                                     {10, 2, 0},
                                     {0, 12, 0},
                                     {8, 4, 0},
                                     {11, 1, 0},
                                     {0, 0, 12},
                                     {9, 3, 0},
                                     {6, 6, 0},
                                     {12, 0, 0},
                                     {1, 1, 10},
                                     {10, 0, 2},
                                     {7, 5, 0},
                                     {0, 3, 9}}};
inline constexpr const Weights* kForecasts[] = {&kBalanced, &kMixed, &kSkewed};

// The forecast as the own forecast, with the favourite of each match as the
// NORM series.
inline PoolData PoolFor(const Weights& weights, int quality) {
  PoolData pool;
  for (int match = 1; match <= kMatchCount; ++match) {
    const auto& w = weights[match - 1];
    pool.OwnForecast[match] = {0, w[0], w[1], w[2]};
    pool.NormSeries[match] = w[0] >= w[1] && w[0] >= w[2] ? kHomeWin
                             : w[1] >= w[2]               ? kDraw
                                                          : kAwayWin;
  }
  pool.SystemQuality = static_cast<Byte>(quality);
  return pool;
}

}  // namespace vorlanz::bench
