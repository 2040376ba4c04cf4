#pragma once

#include <cstdint>

namespace quillan::common {

// The program's 32-bit linear congruential generator. Generation runs seed it from their inputs,
// so equal inputs give equal names; each run owns its own instance.
class RandomGenerator {
 public:
  RandomGenerator() = default;
  explicit RandomGenerator(std::uint32_t seed) : state_(seed) {}

  void seed(std::uint32_t seed) { state_ = seed; }
  std::uint32_t state() const { return state_; }

  // state := state * 214013 + 2531011 (mod 2^32); yields (state >> 16) & 32767.
  int draw();

  // lo + draw mod (hi - lo + 1); no draw is made when lo == hi.
  int between(int lo, int hi);

  // A random position 1..count in a list of count entries.
  int position(int count) { return between(1, count); }

  // A seed from the steady clock, for users that want no repeatable sequence.
  static std::uint32_t tickSeed();

 private:
  std::uint32_t state_ = 0;
};

}  // namespace quillan::common
