#include "app/BackgroundRunner.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cstdint>
#include <stdexcept>

namespace quillan::app {

BackgroundRunner::BackgroundRunner(QObject* parent, std::size_t threads)
    : QObject(parent), wakeUp_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)), workers_(threads) {
  if (wakeUp_ < 0) {
    throw std::runtime_error("no event descriptor for the background runner");
  }
  notifier_ = new QSocketNotifier(wakeUp_, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &BackgroundRunner::handBack);
}

BackgroundRunner::~BackgroundRunner() {
  workers_.shutdown(common::WorkerPool::Queued::Drop);
  delete notifier_;
  close(wakeUp_);
}

void BackgroundRunner::startJob(Job job) {
  workers_.post([this, job = std::move(job)] {
    auto then = job();
    {
      const std::lock_guard lock(mutex_);
      finished_.push_back(std::move(then));
    }
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto written = write(wakeUp_, &one, sizeof one);
  });
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
