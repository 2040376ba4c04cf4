#include <QCoreApplication>
#include <QTest>
#include <QThread>
#include <atomic>
#include <stdexcept>
#include <thread>

#include "app/BackgroundRunner.h"

using quillan::app::BackgroundOutcome;
using quillan::app::BackgroundRunner;

class BackgroundRunnerTest : public QObject {
  Q_OBJECT

 private slots:
  void resultComesBackOnTheReceiversThread();
  void timeOutIsSaidOnceAndTheLateResultDropped();
  void aReceiverThatIsGoneHearsNothing();
  void aFailureSaysWhatItWas();
};

void BackgroundRunnerTest::resultComesBackOnTheReceiversThread() {
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
  QCOMPARE(runner.pending(), 1);
  QTRY_VERIFY(heard.has_value());
  QCOMPARE(heard->ending, BackgroundOutcome<int>::Ending::Done);
  QCOMPARE(*heard->result, 42);
  QVERIFY(workedOn != std::this_thread::get_id());
  QCOMPARE(heardOn, QThread::currentThread());
  QCOMPARE(runner.pending(), 0);
}

void BackgroundRunnerTest::timeOutIsSaidOnceAndTheLateResultDropped() {
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
  QTRY_COMPARE(calls, 1);
  QCOMPARE(ending, BackgroundOutcome<int>::Ending::TimedOut);
  QCOMPARE(runner.pending(), 0);
  // The work goes on to its end; what it hands back then is nobody's any more.
  release = true;
  QTRY_VERIFY(finished.load());
  QTest::qWait(50);
  QCOMPARE(calls, 1);
}

void BackgroundRunnerTest::aReceiverThatIsGoneHearsNothing() {
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
  QTRY_VERIFY(finished.load());
  QTest::qWait(50);
  QCOMPARE(calls, 0);
  QCOMPARE(runner.pending(), 0);
}

void BackgroundRunnerTest::aFailureSaysWhatItWas() {
  BackgroundRunner runner;
  QObject receiver;
  std::optional<BackgroundOutcome<int>> heard;
  runner.run<int>(
      &receiver, []() -> int { throw std::runtime_error("the disk is full"); },
      [&heard](BackgroundOutcome<int> outcome) { heard = outcome; });
  QTRY_VERIFY(heard.has_value());
  QCOMPARE(heard->ending, BackgroundOutcome<int>::Ending::Failed);
  QVERIFY(!heard->result);
  QCOMPARE(heard->failure, std::string("the disk is full"));
}

QTEST_GUILESS_MAIN(BackgroundRunnerTest)
#include "BackgroundRunnerTest.moc"
