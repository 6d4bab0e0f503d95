#pragma once

// The draw weights and the GAME series around the simulations, on the
// process-wide tables.

#include <chrono>

namespace vorlanz {

// Prepares the draw weights: asks for the official forecast first if no own
// forecast is entered, then copies the forecast in use into OutcomeQuota.
void LoadDrawWeightsAskingForecast();

// Puts the entered GAME series back after the simulations drew into it.
void RestoreGameSeries();

// How often a running simulation (contest, test run) puts its latest figures
// on the screen and keeps the window live: the clock is read after every
// `steps` series, and the screen is visited once `interval` has passed. At
// the end of each run everything is drawn anyway. {1, 0} draws every series.
struct SimulationRate {
  int steps = 16;
  std::chrono::nanoseconds interval = std::chrono::milliseconds(10);
};
SimulationRate& SimulationRefresh();

// Counts the steps of a simulation and says when the screen is due.
class SimulationClock {
 public:
  explicit SimulationClock(SimulationRate rate = SimulationRefresh());
  bool Due();

 private:
  using Clock = std::chrono::steady_clock;
  SimulationRate rate_;
  int countdown_;
  Clock::time_point next_;
};

}  // namespace vorlanz
