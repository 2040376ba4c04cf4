#include "app/BackgroundRunner.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cstdint>
#include <stdexcept>

namespace quillan::app {

BackgroundRunner::BackgroundRunner(QObject* parent, std::size_t threads)
    : QObject(parent), maxThreads_(threads), wakeUp_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {
  if (wakeUp_ < 0) {
    throw std::runtime_error("no event descriptor for the background runner");
  }
  notifier_ = new QSocketNotifier(wakeUp_, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &BackgroundRunner::handBack);
}

BackgroundRunner::~BackgroundRunner() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
    jobs_.clear();
  }
  jobReady_.notify_all();
  for (auto& worker : workers_) {
    worker.join();
  }
  delete notifier_;
  close(wakeUp_);
}

void BackgroundRunner::startJob(Job job) {
  {
    const std::lock_guard lock(mutex_);
    jobs_.push_back(std::move(job));
    if (idle_ < jobs_.size() && workers_.size() < maxThreads_) {
      workers_.emplace_back([this] { work(); });
    }
  }
  jobReady_.notify_one();
}

void BackgroundRunner::work() {
  std::unique_lock lock(mutex_);
  while (true) {
    ++idle_;
    jobReady_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
    --idle_;
    if (stopping_) {
      return;
    }
    Job job = std::move(jobs_.front());
    jobs_.pop_front();
    lock.unlock();
    auto then = job();
    lock.lock();
    finished_.push_back(std::move(then));
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto written = write(wakeUp_, &one, sizeof one);
  }
}

void BackgroundRunner::handBack() {
  std::uint64_t count = 0;
  [[maybe_unused]] const auto read = ::read(wakeUp_, &count, sizeof count);
  std::vector<std::function<void()>> finished;
  {
    const std::lock_guard lock(mutex_);
    finished.swap(finished_);
  }
  for (auto& then : finished) {
    then();
  }
}

}  // namespace quillan::app
