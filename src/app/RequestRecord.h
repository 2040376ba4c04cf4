#pragma once

#include <atomic>
#include <optional>

namespace quillan::app {

// Whether the last request to the data service was answered. Written by the jobs that ask the
// service, read by the window's thread.
class RequestRecord {
 public:
  void record(bool answered) { state_.store(answered ? kAnswered : kFailed, std::memory_order_relaxed); }
  // Empty before the first request.
  std::optional<bool> lastAnswered() const {
    const int state = state_.load(std::memory_order_relaxed);
    return state == kNone ? std::nullopt : std::optional<bool>(state == kAnswered);
  }

 private:
  static constexpr int kNone = 0;
  static constexpr int kAnswered = 1;
  static constexpr int kFailed = 2;
  std::atomic<int> state_{kNone};
};

}  // namespace quillan::app
