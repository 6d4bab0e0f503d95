#pragma once

// The one throttle of everything that runs long inside a command (the
// calculation, the check, the test run, the contest): how often it puts its
// latest figures on the screen and looks at the keyboard, the mouse and the
// close box. A visit is due once the interval has passed since the last
// visit of any loop, so a command that runs many short calculations or runs
// one after another is visited as often as one long calculation.

#include <chrono>
#include <functional>

namespace vorlanz {

inline constexpr std::chrono::milliseconds kPollInterval{10};

using PollTime = std::chrono::steady_clock::time_point;

// The time the throttle reads; the steady clock unless a test installs its
// own. Installing a source (or the empty one, which brings the steady clock
// back) starts a fresh interval from the source's present time.
void SetPollTimeSource(std::function<PollTime()> source);

// A loop's view of the throttle. Reading the time costs more than a step of
// the fastest loops, so the clock reads it only every so many calls of Due:
// as many as came in about a sixteenth of the interval before (at most 256),
// found anew for each loop from its first call on. A loop whose steps take
// about the same time is thus visited within a sixteenth of the interval of
// the moment due.
class PollClock {
 public:
  // True when the loop is to visit the screen and the input now. Asked at
  // every step of the fastest loops, so all but the readings stay inline.
  bool Due() { return --countdown_ <= 0 && Read(); }

 private:
  bool Read();

  static constexpr int kMaxStride = 256;
  int stride_ = 1;
  int countdown_ = 1;
  bool read_before_ = false;
  PollTime last_reading_{};
};

}  // namespace vorlanz
