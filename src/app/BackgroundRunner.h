#pragma once

#include <QObject>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace quillan::app {

// How background work ended, as its receiver hears it on the window's thread.
template <typename Result>
struct BackgroundOutcome {
  enum class Ending { Done, TimedOut, Failed };
  Ending ending = Ending::Done;
  std::optional<Result> result;  // when Done
  std::string failure;           // when Failed: what the work threw
};

// The one way the window runs work off its thread: a pool of worker threads owned by the window.
// Each job's outcome is handed back on the thread of its receiver, exactly once, and only while the
// receiver lives. With a time-out the receiver hears TimedOut once it has passed, and the job's
// late result is dropped. Nothing here waits: the window's thread goes on with its events.
// Destroying the runner waits for the jobs still running; they must own what they use.
class BackgroundRunner : public QObject {
  Q_OBJECT

 public:
  static constexpr std::chrono::milliseconds kNoTimeout{0};
  // The wait for the data service.
  static constexpr std::chrono::milliseconds kServiceTimeout{std::chrono::seconds(90)};

  explicit BackgroundRunner(QObject* parent = nullptr, int threads = 4);
  ~BackgroundRunner() override;

  template <typename Result>
  void run(QObject* receiver, std::function<Result()> work, std::function<void(BackgroundOutcome<Result>)> done,
           std::chrono::milliseconds timeout = kNoTimeout);

  // Jobs started and not yet handed back (or given up on).
  int pending() const { return pending_; }

 private:
  void startJob(std::function<void()> job);

  QThreadPool pool_;
  int pending_ = 0;
};

template <typename Result>
void BackgroundRunner::run(QObject* receiver, std::function<Result()> work,
                           std::function<void(BackgroundOutcome<Result>)> done, std::chrono::milliseconds timeout) {
  // Whoever hands back first, the job or the timer, settles it; the other finds it settled.
  struct Settlement {
    std::atomic<bool> settled{false};
    std::function<void(BackgroundOutcome<Result>)> done;
  };
  auto settlement = std::make_shared<Settlement>();
  settlement->done = std::move(done);
  ++pending_;
  QPointer<BackgroundRunner> self(this);
  QPointer<QObject> target(receiver);
  // Runs on the window's thread only, so the pointers it reads cannot change under it.
  auto settle = [settlement, self, target](BackgroundOutcome<Result> outcome) {
    if (settlement->settled.exchange(true)) {
      return;
    }
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
  startJob([this, work = std::move(work), settle] {
    BackgroundOutcome<Result> outcome;
    try {
      outcome.result.emplace(work());
    } catch (const std::exception& error) {
      outcome = {BackgroundOutcome<Result>::Ending::Failed, std::nullopt, error.what()};
    } catch (...) {
      outcome = {BackgroundOutcome<Result>::Ending::Failed, std::nullopt, "unknown failure"};
    }
    // The runner outlives its jobs (its destructor waits for them), so it can carry the outcome
    // back to the window's thread.
    QMetaObject::invokeMethod(
        this, [settle, outcome = std::move(outcome)]() mutable { settle(std::move(outcome)); }, Qt::QueuedConnection);
  });
}

}  // namespace quillan::app
