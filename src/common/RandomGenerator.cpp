#include "common/RandomGenerator.h"

#include <chrono>

namespace quillan::common {

int RandomGenerator::draw() {
  state_ = state_ * 214013U + 2531011U;
  return static_cast<int>((state_ >> 16) & 32767U);
}

int RandomGenerator::between(int lo, int hi) {
  if (lo == hi) {
    return lo;
  }
  const long long span = static_cast<long long>(hi) - lo + 1;
  return static_cast<int>(lo + draw() % span);
}

std::uint32_t RandomGenerator::tickSeed() {
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(ticks).count());
}

}  // namespace quillan::common
