#include "model/poll_clock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "support/poll_time.h"

namespace vorlanz {
namespace {

using std::chrono::nanoseconds;
using namespace std::chrono_literals;

struct Visits {
  int count = 0;
  nanoseconds longest_gap{0};  // the longest time without a visit
  long readings = 0;
};

// `loops` loops one after another, each with a clock of its own, each making
// `steps` steps that take `cost` apiece, from step `slower_from` on
// `slower_cost`.
Visits RunLoops(testing::TestPollTime& time, int loops, int steps, nanoseconds cost,
                int slower_from, nanoseconds slower_cost) {
  Visits visits;
  const long readings_before = time.readings();
  nanoseconds last_visit = time.elapsed();
  for (int loop = 0; loop < loops; ++loop) {
    PollClock clock;
    for (int step = 0; step < steps; ++step) {
      time.Advance(step < slower_from ? cost : slower_cost);
      if (!clock.Due()) continue;
      ++visits.count;
      visits.longest_gap = std::max(visits.longest_gap, time.elapsed() - last_visit);
      last_visit = time.elapsed();
    }
  }
  visits.longest_gap = std::max(visits.longest_gap, time.elapsed() - last_visit);
  visits.readings = time.readings() - readings_before;
  return visits;
}

TEST(PollClockTest, VisitsEveryIntervalHoweverTheWorkIsCut) {
  constexpr int kNever = 1 << 30;
  const struct {
    const char* what;
    int loops, steps;
    nanoseconds cost;
    int slower_from;
    nanoseconds slower_cost;
    int min_visits;
    nanoseconds max_gap;
    long max_readings;
  } cases[] = {
      // About 100 ms each time.
      {"one long loop of cheap steps", 1, 200000, 500ns, kNever, {}, 9, 11ms, 1500},
      {"short loops one after another", 500, 400, 500ns, kNever, {}, 9, 11ms, 6000},
      {"slow steps", 1, 34, 3ms, kNever, {}, 8, 12ms, 34},
      {"steps of half an interval", 1, 20, 5ms, kNever, {}, 10, 10ms, 20},
      {"steps that get slower", 1, 2000, 500ns, 1000, 100us, 9, 11ms, 200},
      // Steps three times slower keep the stride: within four times the
      // reading gap it is not cut.
      {"steps that get a little slower", 1, 30000, 500ns, 1000, 7us, 18, 12ms, 130},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    testing::TestPollTime time;
    const Visits visits = RunLoops(time, c.loops, c.steps, c.cost, c.slower_from, c.slower_cost);
    EXPECT_GE(visits.count, c.min_visits);
    EXPECT_LE(visits.longest_gap, c.max_gap);
    EXPECT_LE(visits.readings, c.max_readings);
  }
}

TEST(PollClockTest, NothingIsDueBeforeTheFirstIntervalHasPassed) {
  testing::TestPollTime time;
  PollClock clock;
  time.Advance(9ms);
  EXPECT_FALSE(clock.Due());
  time.Advance(1ms);
  EXPECT_TRUE(clock.Due());
  // A second loop starting now shares the visit just made.
  PollClock next_loop;
  time.Advance(9999us);
  EXPECT_FALSE(next_loop.Due());
  time.Advance(1us);
  EXPECT_TRUE(next_loop.Due());
}

}  // namespace
}  // namespace vorlanz
