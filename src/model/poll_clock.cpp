#include "model/poll_clock.h"

#include <algorithm>
#include <utility>

namespace vorlanz {

namespace {

struct PollState {
  std::function<PollTime()> source;
  PollTime next_visit{};
};

PollState& State() {
  static PollState state;
  return state;
}

PollTime Now() {
  const PollState& state = State();
  return state.source ? state.source() : std::chrono::steady_clock::now();
}

}  // namespace

void SetPollTimeSource(std::function<PollTime()> source) {
  State().source = std::move(source);
  State().next_visit = Now() + kPollInterval;
}

bool PollClock::Read() {
  const PollTime now = Now();
  // The first reading of a loop has nothing to measure its stride by.
  if (read_before_) {
    constexpr auto kTarget =
        std::chrono::duration_cast<std::chrono::nanoseconds>(kPollInterval) / 16;
    const auto gap = std::chrono::duration_cast<std::chrono::nanoseconds>(now - last_reading_);
    if (gap < kTarget) {
      stride_ = std::min(2 * stride_, kMaxStride);
    } else if (gap > 4 * kTarget) {
      // The steps got slower: as many as fit into the target from now on.
      stride_ = static_cast<int>(std::max<long long>(1, stride_ * kTarget.count() / gap.count()));
    }
  }
  read_before_ = true;
  last_reading_ = now;
  countdown_ = stride_;
  PollTime& next = State().next_visit;
  if (now < next) return false;
  next = now + kPollInterval;
  return true;
}

}  // namespace vorlanz
