#include "model/random.h"

#include <chrono>

namespace vorlanz {

namespace {

std::uint64_t SplitMix64(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9E3779B97F4A7C15u);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
  return z ^ (z >> 31);
}

std::uint64_t ClockSeed() {
  const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
  const auto steady = std::chrono::steady_clock::now().time_since_epoch().count();
  return static_cast<std::uint64_t>(wall) ^ (static_cast<std::uint64_t>(steady) << 17);
}

}  // namespace

void Random::Seed(std::uint64_t seed) {
  // Successive SplitMix64 outputs are never all zero, the one state the
  // generator cannot leave.
  std::uint64_t mixer = seed;
  for (std::uint64_t& word : state_) word = SplitMix64(mixer);
}

Random& ProcessRandom() {
  static Random random(ClockSeed());
  return random;
}

Byte DrawOutcome(int home, int draw, int away, Random& random) {
  const long long total = static_cast<long long>(home) + draw + away;
  if (total <= 0) return kNoEntry;
  const long long r = random.Below(static_cast<std::uint32_t>(total)) + 1LL;
  if (home >= r) return kHomeWin;
  if (static_cast<long long>(home) + draw >= r) return kDraw;
  return kAwayWin;
}

}  // namespace vorlanz
