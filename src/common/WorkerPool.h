#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace quillan::common {

// A few worker threads and a queue of jobs: threads are started as jobs wait, up to a limit, and
// each takes the next job when it is free. Jobs and their hand-over are plain mutex and condition
// variable work, which the thread sanitizer follows.
class WorkerPool {
 public:
  explicit WorkerPool(std::size_t maxThreads);
  // Shuts down, finishing the jobs already queued.
  ~WorkerPool();
  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;

  void post(std::function<void()> job);

  // Waits until fewer than `limit` jobs are running or queued, or `giveUp` says so (checked at
  // least every `slice`). For a caller that must not queue more than the pool can take.
  void waitForRoom(std::size_t limit, const std::function<bool()>& giveUp,
                   std::chrono::milliseconds slice = std::chrono::milliseconds(50));

  // Ends the workers and joins them: the queued jobs are run first, or dropped. Safe to call again.
  enum class Queued { Finish, Drop };
  void shutdown(Queued queued = Queued::Finish);

 private:
  void work();

  const std::size_t maxThreads_;
  std::mutex mutex_;
  std::condition_variable jobReady_;
  std::condition_variable roomFree_;
  std::deque<std::function<void()>> jobs_;
  std::vector<std::thread> workers_;
  std::size_t busy_ = 0;
  std::size_t idle_ = 0;
  bool shutdown_ = false;
};

}  // namespace quillan::common
