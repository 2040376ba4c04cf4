#pragma once

#include <httplib.h>

#include <atomic>
#include <cstddef>
#include <functional>

#include "common/WorkerPool.h"

namespace quillan::service {

// The server's connection workers: at most `maxConnections` connections are served at once, on
// threads started as they are needed. When all are busy the accepting thread waits here, so
// further connections stay in the system's accept queue instead of piling up threads or memory.
// Idle connections end with the read time-out and free their slot.
class ConnectionQueue : public httplib::TaskQueue {
 public:
  // `stopping` lets a waiting accept go on when the server stops.
  ConnectionQueue(std::size_t maxConnections, const std::atomic<bool>& stopping);
  ~ConnectionQueue() override;
  ConnectionQueue(const ConnectionQueue&) = delete;
  ConnectionQueue& operator=(const ConnectionQueue&) = delete;

  void enqueue(std::function<void()> job) override;
  void shutdown() override;  // finishes the queued connections and joins every worker

 private:
  const std::size_t maxConnections_;
  const std::atomic<bool>& stopping_;
  common::WorkerPool workers_;
};

}  // namespace quillan::service
