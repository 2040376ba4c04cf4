#include "common/WorkerPool.h"

namespace quillan::common {

WorkerPool::WorkerPool(std::size_t maxThreads) : maxThreads_(maxThreads) {}

WorkerPool::~WorkerPool() { shutdown(); }

void WorkerPool::post(std::function<void()> job) {
  {
    const std::lock_guard lock(mutex_);
    jobs_.push_back(std::move(job));
    if (idle_ < jobs_.size() && workers_.size() < maxThreads_) {
      workers_.emplace_back([this] { work(); });
    }
  }
  jobReady_.notify_one();
}

void WorkerPool::waitForRoom(std::size_t limit, const std::function<bool()>& giveUp, std::chrono::milliseconds slice) {
  std::unique_lock lock(mutex_);
  while (busy_ + jobs_.size() >= limit && !giveUp()) {
    roomFree_.wait_for(lock, slice);
  }
}

void WorkerPool::shutdown(Queued queued) {
  std::vector<std::thread> workers;
  {
    const std::lock_guard lock(mutex_);
    shutdown_ = true;
    if (queued == Queued::Drop) {
      jobs_.clear();
    }
    workers.swap(workers_);
  }
  jobReady_.notify_all();
  for (auto& worker : workers) {
    worker.join();
  }
}

void WorkerPool::work() {
  std::unique_lock lock(mutex_);
  while (true) {
    ++idle_;
    jobReady_.wait(lock, [this] { return shutdown_ || !jobs_.empty(); });
    --idle_;
    if (jobs_.empty()) {
      return;  // shut down with nothing left to do
    }
    auto job = std::move(jobs_.front());
    jobs_.pop_front();
    ++busy_;
    lock.unlock();
    job();
    lock.lock();
    --busy_;
    roomFree_.notify_one();
  }
}

}  // namespace quillan::common
