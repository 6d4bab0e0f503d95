// Writes the example data file examples/BEISPIEL.T13: a matchday with both
// forecasts and both series entered, and five cards calculated by the
// program at the System-Güte values 4, 3, 5, 6 and 7 from a fixed seed, so
// the file comes out the same on every run.
//
//   make_example_data <path of the .T13 file>

#include <cstdio>

#include "calc/card_store.h"
#include "calc/logic/tip_calculation.h"
#include "model/pool_data.h"
#include "model/random.h"
#include "output/logic/data_codec.h"
#include "platform/files.h"
#include "widgets/dialog_state.h"

namespace vorlanz {
namespace {

struct Match {
  Byte own[3];       // home win, draw, away win, in twelfths
  Byte official[3];  // the official forecast, in per cent
  Byte norm;         // the favourite
  Byte game;         // the result
};

// One Saturday: favourites at home, two open matches, an away favourite.
constexpr Match kMatchday[kMatchCount] = {
    {{6, 4, 2}, {50, 30, 20}, kHomeWin, kHomeWin}, {{5, 4, 3}, {45, 30, 25}, kHomeWin, kDraw},
    {{8, 3, 1}, {65, 25, 10}, kHomeWin, kHomeWin}, {{4, 4, 4}, {35, 35, 30}, kHomeWin, kAwayWin},
    {{3, 4, 5}, {25, 35, 40}, kAwayWin, kAwayWin}, {{7, 3, 2}, {55, 25, 20}, kHomeWin, kHomeWin},
    {{5, 5, 2}, {40, 40, 20}, kHomeWin, kDraw},    {{2, 4, 6}, {20, 30, 50}, kAwayWin, kAwayWin},
    {{6, 3, 3}, {50, 25, 25}, kHomeWin, kHomeWin}, {{4, 5, 3}, {35, 40, 25}, kDraw, kDraw},
    {{9, 2, 1}, {75, 15, 10}, kHomeWin, kHomeWin}, {{5, 3, 4}, {40, 25, 35}, kHomeWin, kAwayWin},
    {{3, 5, 4}, {25, 40, 35}, kDraw, kHomeWin},
};

constexpr int kCardQualities[] = {4, 3, 5, 6, 7};  // card 0 first
constexpr std::uint64_t kSeed = 13;

void EnterMatchday(PoolData& pool) {
  for (int m = 1; m <= kMatchCount; ++m) {
    const Match& match = kMatchday[m - 1];
    for (int o = 1; o <= kOutcomeCount; ++o) {
      pool.OwnForecast[m][o] = match.own[o - 1];
      pool.OfficialForecast[m][o] = match.official[o - 1];
    }
    pool.NormSeries[m] = match.norm;
    pool.GameSeries[m] = match.game;
  }
  pool.NormSeriesEdit = pool.NormSeries;
  pool.GameSeriesEdit = pool.GameSeries;
  pool.OwnForecastEdit = pool.OwnForecast;
  pool.OfficialForecastEdit = pool.OfficialForecast;
  pool.OwnForecastReady = kTrue;
  pool.OfficialForecastReady = kFalse;  // the own forecast was confirmed last
  pool.NormReady = kTrue;
  pool.GameReady = kTrue;
}

bool CalculateCards(PoolData& pool) {
  Random random(kSeed);
  SilentObserver observer;
  int card = 0;
  for (const int quality : kCardQualities) {
    pool.SystemQuality = static_cast<Byte>(quality);
    if (CalculateTips(pool, random, observer) != CalculationResult::Complete) return false;
    pool.ChosenCard = static_cast<std::int16_t>(card++);
    Dialog().DialogKey = "O";
    StoreCard();
  }
  return true;
}

}  // namespace
}  // namespace vorlanz

int main(int argc, char** argv) {
  using namespace vorlanz;
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_example_data <file.T13>\n");
    return 2;
  }
  PoolData& pool = Pool();
  EnterMatchday(pool);
  if (!CalculateCards(pool)) {
    std::fprintf(stderr, "make_example_data: a calculation did not complete\n");
    return 1;
  }
  if (!platform::WriteFileAtomic(argv[1], EncodeDataFile(pool))) {
    std::fprintf(stderr, "make_example_data: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
