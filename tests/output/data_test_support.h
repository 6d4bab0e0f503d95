#pragma once

// Pools full of values a data file can hold, and what of a pool a data file
// carries, for the data file tests.

#include <vector>

#include "model/pool_data.h"
#include "model/random.h"
#include "output/logic/data_codec.h"
#include "output/logic/data_file_layout.h"

namespace vorlanz::testing {

// Every field a data file carries, with valid values drawn from the seed.
inline void FillDataFields(PoolData& pool, std::uint64_t seed) {
  Random random(seed);
  const auto below = [&](unsigned n) { return static_cast<Byte>(random.Below(n)); };
  const auto flag = [&] { return ToFlag(random.Below(2) == 1); };
  const auto series_entry = [&] {
    const Byte code = below(4);
    return code == 3 ? kNoEntry : code;
  };
  pool.OwnForecastReady = flag();
  pool.OfficialForecastReady = flag();
  pool.NormReady = flag();
  pool.GameReady = flag();
  for (int m = 0; m <= kMatchCount; ++m) {
    for (int o = 0; o <= kOutcomeCount; ++o) {
      pool.OwnForecast[m][o] = below(256);
      // Column 0 of match 1 stays 0: that is how the current layout looks.
      pool.OfficialForecast[m][o] = (m == 1 && o == 0) ? 0 : below(256);
    }
    pool.NormSeries[m] = series_entry();
    pool.GameSeriesEdit[m] = series_entry();
  }
  for (int c = 0; c <= kLastCard; ++c) {
    pool.CardOccupied[c] = flag();
    for (int m = 0; m <= kMatchCount; ++m) {
      for (int r = 0; r <= kRowCount; ++r) {
        pool.CardTips[c][m][r] =
            m == 0 ? below(data_file::kLastRowFigure + 1) : below(data_file::kLastTipCode + 1);
      }
    }
    for (int r = 0; r <= kRowCount; ++r) {
      pool.CardRowDistance[c][r] = below(data_file::kLastRowFigure + 1);
    }
    pool.CardQuality[c] = below(data_file::kLastCardQuality + 1);
  }
}

// What a load may change, as bytes: the file's fields, the GAME series, the
// System-Güte and every row distance, rows 11 and 12 included.
inline std::vector<Byte> LoadedState(const PoolData& pool) {
  std::vector<Byte> state = EncodeDataFile(pool);
  state.insert(state.end(), pool.GameSeries.begin(), pool.GameSeries.end());
  state.push_back(pool.SystemQuality);
  for (const auto& card : pool.CardRowDistance) state.insert(state.end(), card.begin(), card.end());
  return state;
}

}  // namespace vorlanz::testing
