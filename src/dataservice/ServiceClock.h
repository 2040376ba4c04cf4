#pragma once

#include <chrono>
#include <cstdint>

namespace quillan::dataservice {

// The service's clock in seconds: the value fetched at start-up, advanced by one for every whole
// second of a steady clock since then (no timer needed, and no drift from late ticks).
class ServiceClock {
 public:
  using TimePoint = std::chrono::steady_clock::time_point;

  ServiceClock() = default;
  ServiceClock(std::int64_t seconds, TimePoint fetchedAt) : start_(seconds), fetchedAt_(fetchedAt) {}

  // 0 until the clock was fetched.
  std::int64_t seconds(TimePoint now = std::chrono::steady_clock::now()) const;

 private:
  std::int64_t start_ = 0;
  TimePoint fetchedAt_{};
};

}  // namespace quillan::dataservice
