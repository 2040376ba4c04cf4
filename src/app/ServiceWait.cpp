#include "app/ServiceWait.h"

#include <QEventLoop>
#include <QMetaObject>
#include <exception>
#include <thread>

namespace quillan::app {

void runWhileWaiting(const std::function<void()>& work) {
  QEventLoop loop;
  std::exception_ptr failure;
  std::thread worker([&] {
    try {
      work();
    } catch (...) {
      failure = std::current_exception();
    }
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  worker.join();
  if (failure) {
    std::rethrow_exception(failure);
  }
}

}  // namespace quillan::app
