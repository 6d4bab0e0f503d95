#pragma once

// Fixture for the calculation's screens: the shared screen fixture (whose
// standing poll time keeps the calculation's visits to the screen and the
// input off unless a test asks for them) with a seeded random source and a
// forecast to calculate from.

#include <gtest/gtest.h>

#include "calc/calculation_screen.h"
#include "model/pool_data.h"
#include "model/random.h"
#include "support/screen_test.h"
#include "widgets/dialog_state.h"

namespace vorlanz::testing {

class ScreenCalcTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    ProcessRandom().Seed(20240601);
  }

  // Every accepted row takes one quota unit per match: none is left after row 12.
  static bool QuotaUsedUp() {
    for (int m = 1; m <= kMatchCount; ++m) {
      for (int o = 1; o <= kOutcomeCount; ++o) {
        if (Pool().OutcomeQuota[m][o] != 0) return false;
      }
    }
    return true;
  }

  // The same weights for every match, the NORM series all home wins, both
  // entered.
  static void GiveForecast(int home, int draw, int away) {
    PoolData& pool = Pool();
    for (int m = 1; m <= kMatchCount; ++m) {
      pool.OwnForecast[m] = {0, static_cast<Byte>(home), static_cast<Byte>(draw),
                             static_cast<Byte>(away)};
      pool.NormSeries[m] = kHomeWin;
    }
    pool.OwnForecastReady = kTrue;
    pool.NormReady = kTrue;
  }
};

}  // namespace vorlanz::testing
