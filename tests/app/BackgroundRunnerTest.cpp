// The window's background runner, with an event loop and no window.
#include "app/BackgroundRunner.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <atomic>
#include <stdexcept>
#include <thread>

namespace quillan::app {
namespace {

class BackgroundRunnerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "BackgroundRunnerTest";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
  }

  // Runs the event loop until `done` holds or two seconds have passed.
  static bool spinUntil(const std::function<bool()>& done) {
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < 2000) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return done();
  }
  static void spinFor(int milliseconds) {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < milliseconds) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
  }
};

TEST_F(BackgroundRunnerTest, TheResultComesBackOnTheReceiversThread) {
  BackgroundRunner runner;
  QObject receiver;
  std::thread::id workedOn;
  std::optional<BackgroundOutcome<int>> heard;
  QThread* heardOn = nullptr;
  runner.run<int>(
      &receiver,
      [&workedOn] {
        workedOn = std::this_thread::get_id();
        return 42;
      },
      [&](BackgroundOutcome<int> outcome) {
        heard = outcome;
        heardOn = QThread::currentThread();
      });
  EXPECT_EQ(runner.pending(), 1);
  ASSERT_TRUE(spinUntil([&] { return heard.has_value(); }));
  EXPECT_EQ(heard->ending, BackgroundOutcome<int>::Ending::Done);
  EXPECT_EQ(heard->result, 42);
  EXPECT_NE(workedOn, std::this_thread::get_id());
  EXPECT_EQ(heardOn, QThread::currentThread());
  EXPECT_EQ(runner.pending(), 0);
}

TEST_F(BackgroundRunnerTest, ATimeOutIsSaidOnceAndTheLateResultDropped) {
  BackgroundRunner runner;
  QObject receiver;
  std::atomic<bool> release{false};
  std::atomic<bool> finished{false};
  int calls = 0;
  BackgroundOutcome<int>::Ending ending{};
  runner.run<int>(
      &receiver,
      [&] {
        while (!release) {
          std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        finished = true;
        return 7;
      },
      [&](BackgroundOutcome<int> outcome) {
        ++calls;
        ending = outcome.ending;
      },
      std::chrono::milliseconds(50));
  ASSERT_TRUE(spinUntil([&] { return calls == 1; }));
  EXPECT_EQ(ending, BackgroundOutcome<int>::Ending::TimedOut);
  EXPECT_EQ(runner.pending(), 0);
  // The work goes on to its end; what it hands back then is nobody's any more.
  release = true;
  ASSERT_TRUE(spinUntil([&] { return finished.load(); }));
  spinFor(50);
  EXPECT_EQ(calls, 1);
}

TEST_F(BackgroundRunnerTest, AReceiverThatIsGoneHearsNothing) {
  BackgroundRunner runner;
  int calls = 0;
  std::atomic<bool> finished{false};
  {
    QObject receiver;
    runner.run<int>(
        &receiver,
        [&finished] {
          std::this_thread::sleep_for(std::chrono::milliseconds(30));
          finished = true;
          return 1;
        },
        [&calls](BackgroundOutcome<int>) { ++calls; }, std::chrono::milliseconds(10000));
  }
  ASSERT_TRUE(spinUntil([&] { return finished.load(); }));
  spinFor(50);
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(runner.pending(), 0);
}

TEST_F(BackgroundRunnerTest, AFailureSaysWhatItWas) {
  BackgroundRunner runner;
  QObject receiver;
  std::optional<BackgroundOutcome<int>> heard;
  runner.run<int>(
      &receiver, []() -> int { throw std::runtime_error("the disk is full"); },
      [&heard](BackgroundOutcome<int> outcome) { heard = outcome; });
  ASSERT_TRUE(spinUntil([&] { return heard.has_value(); }));
  EXPECT_EQ(heard->ending, BackgroundOutcome<int>::Ending::Failed);
  EXPECT_FALSE(heard->result);
  EXPECT_EQ(heard->failure, "the disk is full");
}

TEST_F(BackgroundRunnerTest, ManyJobsAtOnceEachComeBack) {
  BackgroundRunner runner(nullptr, 3);
  QObject receiver;
  std::vector<int> heard;
  for (int i = 0; i < 40; ++i) {
    runner.run<int>(
        &receiver, [i] { return i * i; },
        [&heard](BackgroundOutcome<int> outcome) { heard.push_back(*outcome.result); });
  }
  ASSERT_TRUE(spinUntil([&] { return heard.size() == 40; }));
  std::sort(heard.begin(), heard.end());
  for (int i = 0; i < 40; ++i) {
    EXPECT_EQ(heard[static_cast<std::size_t>(i)], i * i);
  }
}

}  // namespace
}  // namespace quillan::app
