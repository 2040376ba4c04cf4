#include "service/ConnectionQueue.h"

#include <chrono>

namespace quillan::service {

ConnectionQueue::ConnectionQueue(std::size_t maxConnections, const std::atomic<bool>& stopping)
    : maxConnections_(maxConnections), stopping_(stopping) {}

ConnectionQueue::~ConnectionQueue() { shutdown(); }

void ConnectionQueue::enqueue(std::function<void()> job) {
  std::unique_lock lock(mutex_);
  // Checked in slices so that a stop is noticed even when no slot frees up.
  while (busy_ + jobs_.size() >= maxConnections_ && !stopping_.load()) {
    slotFree_.wait_for(lock, std::chrono::milliseconds(50));
  }
  jobs_.push_back(std::move(job));
  if (idle_ < jobs_.size() && workers_.size() < maxConnections_) {
    workers_.emplace_back([this] { work(); });
  }
  jobReady_.notify_one();
}

void ConnectionQueue::shutdown() {
  std::vector<std::thread> workers;
  {
    std::lock_guard lock(mutex_);
    shutdown_ = true;
    workers.swap(workers_);
  }
  jobReady_.notify_all();
  for (auto& worker : workers) {
    worker.join();
  }
}

void ConnectionQueue::work() {
  std::unique_lock lock(mutex_);
  while (true) {
    ++idle_;
    jobReady_.wait(lock, [this] { return shutdown_ || !jobs_.empty(); });
    --idle_;
    if (jobs_.empty()) {
      return;  // shut down with nothing left to serve
    }
    auto job = std::move(jobs_.front());
    jobs_.pop_front();
    ++busy_;
    lock.unlock();
    job();
    lock.lock();
    --busy_;
    slotFree_.notify_one();
  }
}

}  // namespace quillan::service
