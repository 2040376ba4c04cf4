#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <chrono>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "common/WorkerPool.h"

class QSocketNotifier;

namespace quillan::app {

// How background work ended, as its receiver hears it on the window's thread.
template <typename Result>
struct BackgroundOutcome {
  enum class Ending { Done, TimedOut, Failed };
  Ending ending = Ending::Done;
  std::optional<Result> result;  // when Done
  std::string failure;           // when Failed: what the work threw
};

// The one way the window runs work off its thread: worker threads owned by the window. Each job's
// outcome is handed back on the window's thread, exactly once, and only while its receiver lives.
// With a time-out the receiver hears TimedOut once it has passed, and the job's late result is
// dropped. Nothing here waits: the window's thread goes on with its events. Jobs and outcomes pass
// between the threads under one mutex of ours (a wake-up on an event descriptor says when), so
// that every hand-over is visible to the thread sanitizer. Destroying the runner waits for the
// jobs still running and drops those not yet started; jobs must own what they use.
class BackgroundRunner : public QObject {
  Q_OBJECT

 public:
  static constexpr std::chrono::milliseconds kNoTimeout{0};
  // The wait for the data service.
  static constexpr std::chrono::milliseconds kServiceTimeout{std::chrono::seconds(90)};

  explicit BackgroundRunner(QObject* parent = nullptr, std::size_t threads = 4);
  ~BackgroundRunner() override;
  BackgroundRunner(const BackgroundRunner&) = delete;
  BackgroundRunner& operator=(const BackgroundRunner&) = delete;

  template <typename Result>
  void run(QObject* receiver, std::function<Result()> work, std::function<void(BackgroundOutcome<Result>)> done,
           std::chrono::milliseconds timeout = kNoTimeout);

  // Jobs started and not yet handed back (or given up on).
  int pending() const { return pending_; }

 private:
  // A job runs on a worker and returns what is to run on the window's thread afterwards.
  using Job = std::function<std::function<void()>()>;
  void startJob(Job job);
  void handBack();

  std::mutex mutex_;
  std::vector<std::function<void()>> finished_;
  int wakeUp_ = -1;  // an eventfd the workers write to when they leave something in finished_
  QSocketNotifier* notifier_ = nullptr;
  int pending_ = 0;
  common::WorkerPool workers_;  // last, so that it ends (and joins) first
};

template <typename Result>
void BackgroundRunner::run(QObject* receiver, std::function<Result()> work,
                           std::function<void(BackgroundOutcome<Result>)> done, std::chrono::milliseconds timeout) {
  // Whoever hands back first, the job or the timer, settles it; the other finds it settled. Both
  // run on the window's thread.
  struct Settlement {
    bool settled = false;
    std::function<void(BackgroundOutcome<Result>)> done;
  };
  auto settlement = std::make_shared<Settlement>();
  settlement->done = std::move(done);
  ++pending_;
  QPointer<BackgroundRunner> self(this);
  QPointer<QObject> target(receiver);
  // Runs on the window's thread only, so the pointers it reads cannot change under it.
  auto settle = [settlement, self, target](BackgroundOutcome<Result> outcome) {
    if (settlement->settled) {
      return;
    }
    settlement->settled = true;
    if (self) {
      --self->pending_;
    }
    if (target) {
      settlement->done(std::move(outcome));
    }
  };
  if (timeout > kNoTimeout) {
    QTimer::singleShot(timeout, receiver, [settle] {
      settle({BackgroundOutcome<Result>::Ending::TimedOut, std::nullopt, {}});
    });
  }
  startJob([work = std::move(work), settle]() -> std::function<void()> {
    BackgroundOutcome<Result> outcome;
    try {
      outcome.result.emplace(work());
    } catch (const std::exception& error) {
      outcome = {BackgroundOutcome<Result>::Ending::Failed, std::nullopt, error.what()};
    } catch (...) {
      outcome = {BackgroundOutcome<Result>::Ending::Failed, std::nullopt, "unknown failure"};
    }
    // Held by a shared pointer: a result need not be copyable (a session is not), a std::function is.
    auto kept = std::make_shared<BackgroundOutcome<Result>>(std::move(outcome));
    return [settle, kept] { settle(std::move(*kept)); };
  });
}

}  // namespace quillan::app
