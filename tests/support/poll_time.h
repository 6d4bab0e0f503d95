#pragma once

// The poll clock's time under a test's control. It stands still unless the
// test moves it on, or lets every reading move it on by a step (a loop whose
// every step takes that long).

#include <chrono>
#include <functional>
#include <utility>

#include "model/poll_clock.h"

namespace vorlanz::testing {

class TestPollTime {
 public:
  using Duration = std::chrono::nanoseconds;

  TestPollTime() {
    SetPollTimeSource([this] {
      ++readings_;
      now_ += step_;
      if (on_reading_) on_reading_();
      return PollTime{} + std::chrono::hours(1) + now_;
    });
  }
  ~TestPollTime() { SetPollTimeSource({}); }
  TestPollTime(const TestPollTime&) = delete;
  TestPollTime& operator=(const TestPollTime&) = delete;

  // Every reading from now on first moves the time on by the step.
  void StepPerReading(Duration step) { step_ = step; }
  void Advance(Duration by) { now_ += by; }
  // Runs at every reading, after the time has moved on.
  void OnReading(std::function<void()> action) { on_reading_ = std::move(action); }
  // The time since the clock was installed.
  Duration elapsed() const { return now_; }
  long readings() const { return readings_; }

 private:
  Duration step_{0};
  Duration now_{0};
  long readings_ = 0;
  std::function<void()> on_reading_;
};

// A visit at every step: each reading moves the time on by a whole interval.
inline constexpr std::chrono::nanoseconds kVisitEveryStep = kPollInterval;

}  // namespace vorlanz::testing
