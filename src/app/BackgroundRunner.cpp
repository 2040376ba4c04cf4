#include "app/BackgroundRunner.h"

namespace quillan::app {

BackgroundRunner::BackgroundRunner(QObject* parent, int threads) : QObject(parent) {
  pool_.setMaxThreadCount(threads);
  // A job waiting on a slow service keeps its thread; idle threads go soon.
  pool_.setExpiryTimeout(5000);
}

BackgroundRunner::~BackgroundRunner() { pool_.waitForDone(); }

void BackgroundRunner::startJob(std::function<void()> job) { pool_.start(std::move(job)); }

}  // namespace quillan::app
