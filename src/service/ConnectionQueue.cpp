#include "service/ConnectionQueue.h"

namespace quillan::service {

ConnectionQueue::ConnectionQueue(std::size_t maxConnections, const std::atomic<bool>& stopping)
    : maxConnections_(maxConnections), stopping_(stopping), workers_(maxConnections) {}

ConnectionQueue::~ConnectionQueue() { shutdown(); }

void ConnectionQueue::enqueue(std::function<void()> job) {
  // Checked in slices so that a stop is noticed even when no slot frees up.
  workers_.waitForRoom(maxConnections_, [this] { return stopping_.load(); });
  workers_.post(std::move(job));
}

void ConnectionQueue::shutdown() { workers_.shutdown(); }

}  // namespace quillan::service
