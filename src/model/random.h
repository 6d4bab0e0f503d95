#pragma once

// The random source of the calculation and the simulations: xoshiro256++
// with Lemire's bounded draw, which is exactly uniform and needs a division
// only in about one of 2^32 / n draws.

#include <array>
#include <cstdint>

#include "model/pool_data.h"

namespace vorlanz {

class Random {
 public:
  explicit Random(std::uint64_t seed = 0) { Seed(seed); }

  // Same seed, same sequence.
  void Seed(std::uint64_t seed);

  std::uint64_t Next64() {
    const std::uint64_t result = RotateLeft(state_[0] + state_[3], 23) + state_[0];
    const std::uint64_t shifted = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= shifted;
    state_[3] = RotateLeft(state_[3], 45);
    return result;
  }

  std::uint32_t Next() { return static_cast<std::uint32_t>(Next64() >> 32); }

  // A whole number drawn uniformly from 0 to n - 1; n must be positive.
  std::uint32_t Below(std::uint32_t n) { return BelowUsing(Next(), n); }

  // The same draw starting from 32 random bits the caller already has (one
  // Next64() serves two draws); fresh bits are drawn only if the first value
  // falls into the rejected remainder.
  std::uint32_t BelowUsing(std::uint32_t bits, std::uint32_t n) {
    std::uint64_t product = std::uint64_t{bits} * n;
    auto low = static_cast<std::uint32_t>(product);
    if (low < n) {
      const std::uint32_t threshold = (0u - n) % n;
      while (low < threshold) {
        product = std::uint64_t{Next()} * n;
        low = static_cast<std::uint32_t>(product);
      }
    }
    return static_cast<std::uint32_t>(product >> 32);
  }

 private:
  static std::uint64_t RotateLeft(std::uint64_t value, int bits) {
    return (value << bits) | (value >> (64 - bits));
  }

  std::array<std::uint64_t, 4> state_{};
};

// The generator the program draws from, seeded from the clock when first
// used. Tests seed it with Seed() to get a fixed sequence.
Random& ProcessRandom();

// The weighted draw of one match: r uniform in 1..S with S = home + draw +
// away; the outcome is 1 (home win) if home >= r, 0 (draw) if home + draw >=
// r, else 2 (away win). An outcome of weight 0 is never drawn. With all
// weights 0 nothing can be drawn and the result is kNoEntry.
Byte DrawOutcome(int home, int draw, int away, Random& random);

}  // namespace vorlanz
