// bench_app: figures of the desktop program on the offscreen platform.
//   start-up      process start to the window shown, the embedded data service answering
//   high-score    李, boy: click on "生成" to the last row in the list, several runs, with "普通算法"
//                 and with "高级算法"
//   event gap     the longest wait of a 5 ms timer on the window's thread during a run
//   memory        resident set after the runs, and again after the reports
//   list tools    with the high-score rows in the list: a click on the score header (sort, reverse), a
//                 lowest score typed, the filter cleared — each from the action to the list repainted,
//                 with the longest event gap; a run with the list sorted and filtered; memory
//   report        "姓名评分" with 李 / 明华, and a double-click on a row of a classic list: the click to
//                 the report window shown with its page, and to that page first drawn, many times
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <vector>

#include "app/ApplicationSetup.h"
#include "app/GenerationController.h"
#include "app/MainWindow.h"

namespace {

long residentKiB() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) {
    return -1;
  }
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmRSS:")) {
      return line.mid(6).trimmed().split(' ').front().toLong();
    }
  }
  return -1;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double worst(const std::vector<double>& values) { return *std::max_element(values.begin(), values.end()); }

// Runs the whole generation the window starts on "生成" and waits for its end.
int generateList(quillan::app::MainWindow& window) {
  int rows = -1;
  const auto finished = QObject::connect(window.generation(), &quillan::app::GenerationController::finished, &window,
                                         [&](int written) { rows = written; });
  window.findChild<QPushButton*>(QStringLiteral("按钮_生成"))->click();
  while (rows < 0) {
    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  QObject::disconnect(finished);
  return rows;
}

// Text the way an input method commits it: a key event carrying the characters.
void type(QWidget* box, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
  QApplication::sendEvent(box, &press);
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
  QApplication::sendEvent(box, &release);
}

void sendMouse(QWidget* target, QEvent::Type type, QPoint at) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

// One opening of the modal report window, timed from the clock's start: when it is shown, whether its
// page is in it by then, and when that page has first been drawn. It closes the window after the draw
// so that exec() returns; a window that never draws is closed after a while and counted as missing.
class ReportWatch : public QObject {
 public:
  explicit ReportWatch(const QElapsedTimer& clock) : clock_(clock) {}

  QString name;  // the name the report is for: its characters stand in the page's table
  double shownMs = -1;
  double drawnMs = -1;
  bool pageLoaded = false;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && report_ == nullptr) {
      auto* dialog = qobject_cast<QDialog*>(watched);
      if (dialog != nullptr && dialog->objectName() == QStringLiteral("报告窗口")) {
        shownMs = clock_.nsecsElapsed() / 1e6;
        report_ = dialog;
        browser_ = dialog->findChild<QTextBrowser*>(QStringLiteral("超文本浏览框1"));
        const QString page = browser_ != nullptr ? browser_->toPlainText() : QString();
        pageLoaded = page.contains(QStringLiteral("姓名五格三才综合评分")) &&
                     std::all_of(name.begin(), name.end(), [&](QChar c) { return page.contains(c); });
        QTimer::singleShot(2000, dialog, [dialog] { dialog->close(); });
      }
    } else if (event->type() == QEvent::Paint && browser_ != nullptr && watched == browser_->viewport() &&
               drawnMs < 0 && !closing_) {
      // Runs once the paint that is starting now is done.
      closing_ = true;
      QTimer::singleShot(0, report_, [this] {
        drawnMs = clock_.nsecsElapsed() / 1e6;
        report_->close();
      });
    }
    return false;
  }

 private:
  const QElapsedTimer& clock_;
  QDialog* report_ = nullptr;
  QTextBrowser* browser_ = nullptr;
  bool closing_ = false;
};

struct ReportFigures {
  std::vector<double> shown;
  std::vector<double> drawn;
  int missing = 0;
};

// Times `open` (a click that opens the report window) `runs` times, each until the window has closed
// again; `open` starts the clock and tells which name the report must be for.
ReportFigures timeReports(int runs, const std::function<void(QElapsedTimer&, QString&)>& open) {
  ReportFigures figures;
  for (int run = 0; run < runs; ++run) {
    QElapsedTimer clock;
    ReportWatch watch(clock);
    qApp->installEventFilter(&watch);
    open(clock, watch.name);
    // The report opens once its evaluation comes back from the background; wait for it to close.
    QElapsedTimer waited;
    waited.start();
    while ((watch.drawnMs < 0 || QApplication::activeModalWidget() != nullptr) && waited.elapsed() < 10000) {
      QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    qApp->removeEventFilter(&watch);
    if (watch.shownMs < 0 || watch.drawnMs < 0 || !watch.pageLoaded) {
      ++figures.missing;
      continue;
    }
    figures.shown.push_back(watch.shownMs);
    figures.drawn.push_back(watch.drawnMs);
    // Lets the closed window go before the next click.
    QApplication::processEvents();
  }
  return figures;
}

void printReportFigures(const char* what, int runs, const ReportFigures& figures) {
  if (figures.shown.empty()) {
    std::printf("%s: no report window with its page in %d clicks\n", what, runs);
    return;
  }
  std::printf(
      "%s: %zu of %d reports, click to report shown median %.1f ms, worst %.1f ms (first %.1f ms); "
      "to page drawn median %.1f ms, worst %.1f ms\n",
      what, figures.shown.size(), runs, median(figures.shown), worst(figures.shown), figures.shown.front(),
      median(figures.drawn), worst(figures.drawn));
  if (figures.missing > 0) {
    std::printf("%s: %d clicks without a report window showing its page\n", what, figures.missing);
  }
}

// The time from an action to the list's viewport repainted after it, and the longest the window's
// thread went without serving a 5 ms timer meanwhile.
struct Repaint {
  double ms = -1;
  double gapMs = 0;
};

class PaintWatch : public QObject {
 public:
  bool painted = false;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      painted = true;
    }
    return false;
  }
};

Repaint timeRepaint(QAbstractItemView* list, const std::function<void()>& action) {
  QApplication::processEvents();
  PaintWatch watch;
  list->viewport()->installEventFilter(&watch);
  QTimer probe;
  probe.setTimerType(Qt::PreciseTimer);
  probe.setInterval(5);
  QElapsedTimer sinceTick;
  Repaint figures;
  QObject::connect(&probe, &QTimer::timeout, [&] {
    figures.gapMs = std::max(figures.gapMs, sinceTick.nsecsElapsed() / 1e6);
    sinceTick.restart();
  });
  QElapsedTimer clock;
  sinceTick.start();
  probe.start();
  clock.start();
  action();
  while (!watch.painted && clock.elapsed() < 10000) {
    QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
  }
  figures.ms = clock.nsecsElapsed() / 1e6;
  // The gap the action itself made counts too.
  figures.gapMs = std::max(figures.gapMs, sinceTick.nsecsElapsed() / 1e6);
  list->viewport()->removeEventFilter(&watch);
  return figures;
}

void clickHeader(QTableView* view, int section) {
  QHeaderView* header = view->horizontalHeader();
  const QPoint at(header->sectionViewportPosition(section) + 10, header->height() / 2);
  sendMouse(header->viewport(), QEvent::MouseButtonPress, at);
  sendMouse(header->viewport(), QEvent::MouseButtonRelease, at);
}

// One click on "生成" timed until its run has finished: when the last row arrived, and the longest
// the window went without processing events (the longest time between two ticks of a 5 ms timer on
// the window's thread).
struct TimedRun {
  int rows = 0;
  double lastRowMs = 0;
  double gapMs = 0;
};

TimedRun timeGeneration(quillan::app::MainWindow& window, QPushButton* generate, const QAbstractItemModel* model) {
  TimedRun timed;
  QElapsedTimer clock;
  const auto inserted = QObject::connect(model, &QAbstractItemModel::rowsInserted, &window,
                                         [&] { timed.lastRowMs = clock.nsecsElapsed() / 1e6; });
  QTimer probe;
  probe.setTimerType(Qt::PreciseTimer);
  probe.setInterval(5);
  QElapsedTimer sinceTick;
  QObject::connect(&probe, &QTimer::timeout, [&] {
    timed.gapMs = std::max(timed.gapMs, sinceTick.nsecsElapsed() / 1e6);
    sinceTick.restart();
  });
  bool done = false;
  const auto finished =
      QObject::connect(window.generation(), &quillan::app::GenerationController::finished, &window, [&](int written) {
        timed.rows = written;
        done = true;
      });
  sinceTick.start();
  probe.start();
  clock.start();
  generate->click();
  while (!done) {
    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  probe.stop();
  QObject::disconnect(inserted);
  QObject::disconnect(finished);
  return timed;
}

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer sinceStart;
  sinceStart.start();
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication application(argc, argv);
  quillan::app::prepareApplication(application);

  quillan::app::MainWindowOptions options;
  options.trayAvailable = false;
  options.preferencesFile = std::filesystem::path(QDir::tempPath().toStdString()) / "quillan-bench-preferences.txt";
  QString summary;
  options.hooks.inform = [&summary](QWidget*, const QString&, const QString& text, quillan::app::DialogHooks::Tone) {
    summary = text;
  };
  quillan::app::MainWindow window(std::move(options));
  window.show();
  while (!window.windowHandle()->isExposed()) {
    QApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  QApplication::processEvents();
  const double shownMs = sinceStart.nsecsElapsed() / 1e6;
  while (!window.started()) {
    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  const bool serviceUp = window.sources().lookup != nullptr;
  const double serviceMs = sinceStart.nsecsElapsed() / 1e6;
  std::printf("start-up: window shown %.1f ms, embedded data service answering %.1f ms (%s)\n", shownMs, serviceMs,
              serviceUp ? "up" : window.serviceProblem().c_str());

  window.findChild<QLineEdit*>(QStringLiteral("编辑框1"))->setText(QStringLiteral("李"));
  window.findChild<QRadioButton*>(QStringLiteral("单选框_男"))->click();
  window.findChild<QRadioButton*>(QStringLiteral("单选框_高分模式"))->click();
  auto* generate = window.findChild<QPushButton*>(QStringLiteral("按钮_生成"));
  const QAbstractItemModel* model = window.findChild<QAbstractItemView*>(QStringLiteral("超级列表框1"))->model();

  constexpr int kRuns = 5;
  const auto timeHighScore = [&](const char* algorithm) {
    std::vector<double> toLastRow;
    double worstGap = 0;
    int rows = 0;
    for (int run = 0; run < kRuns; ++run) {
      const TimedRun timed = timeGeneration(window, generate, model);
      rows = timed.rows;
      toLastRow.push_back(timed.lastRowMs);
      worstGap = std::max(worstGap, timed.gapMs);
      std::printf("high-score %s run %d: %d rows, click to last row %.1f ms, longest event gap %.1f ms\n", algorithm,
                  run + 1, model->rowCount(), timed.lastRowMs, timed.gapMs);
    }
    std::printf("high-score %s (李, boy): %d rows, click to last row median %.1f ms, longest event gap %.1f ms\n",
                algorithm, rows, median(toLastRow), worstGap);
    std::printf("closing message: %s\n", qPrintable(summary));
  };
  timeHighScore("normal");
  window.findChild<QRadioButton*>(QStringLiteral("单选框_高级算法"))->click();
  timeHighScore("advanced");
  window.findChild<QRadioButton*>(QStringLiteral("单选框_普通算法"))->click();
  // The list tools below work on the larger list of the plain algorithm.
  timeGeneration(window, generate, model);
  std::printf("memory after %d runs: %.1f MB resident\n", kRuns, residentKiB() / 1024.0);

  // The list tools on the rows of the last run.
  auto* table = window.findChild<QTableView*>(QStringLiteral("超级列表框1"));
  auto* minScore = window.findChild<QDoubleSpinBox*>(QStringLiteral("数字框_最低分"));
  auto* clearFilter = window.findChild<QPushButton*>(QStringLiteral("按钮_清除筛选"));
  const auto report = [&](const char* what, const Repaint& r) {
    std::printf("%s: %d rows shown, action to list repainted %.1f ms, longest event gap %.1f ms\n", what,
                model->rowCount(), r.ms, r.gapMs);
  };
  for (int pass = 0; pass < 2; ++pass) {
    report("sort by score", timeRepaint(table, [&] { clickHeader(table, 6); }));
    report("reverse the order", timeRepaint(table, [&] { clickHeader(table, 6); }));
    report("sort by name (pinyin)", timeRepaint(table, [&] { clickHeader(table, 1); }));
    report("lowest score 99", timeRepaint(table, [&] { minScore->setValue(99); }));
    report("clear the filter", timeRepaint(table, [&] { clearFilter->click(); }));
  }
  std::printf("memory with the rows sorted: %.1f MB resident\n", residentKiB() / 1024.0);

  // A run that adds its rows to a list sorted by score and filtered.
  clickHeader(table, 6);
  minScore->setValue(97);
  {
    const TimedRun timed = timeGeneration(window, generate, model);
    std::printf(
        "high-score run into a sorted, filtered list: %d of %d rows shown, click to last row %.1f ms, "
        "longest event gap %.1f ms\n",
        model->rowCount(), timed.rows, timed.lastRowMs, timed.gapMs);
  }
  clearFilter->click();

  constexpr int kReports = 20;
  // Double-click on a row of a classic list: rows taken in turn, each scrolled into view first.
  window.findChild<QRadioButton*>(QStringLiteral("单选框_经典模式"))->click();
  summary.clear();
  const int classicRows = generateList(window);
  const QString classicMessage = summary.isEmpty() ? QStringLiteral("no closing message") : summary;
  summary.clear();
  auto* list = window.findChild<QAbstractItemView*>(QStringLiteral("超级列表框1"));
  int nextRow = 0;
  const ReportFigures rowReports = timeReports(kReports, [&](QElapsedTimer& clock, QString& name) {
    const QModelIndex index = model->index(nextRow++ % std::max(1, model->rowCount()), 1);
    name = index.data().toString();
    list->scrollTo(index);
    QWidget* viewport = list->viewport();
    const QPoint at = list->visualRect(index).center();
    sendMouse(viewport, QEvent::MouseButtonPress, at);
    sendMouse(viewport, QEvent::MouseButtonRelease, at);
    clock.start();
    sendMouse(viewport, QEvent::MouseButtonDblClick, at);
    sendMouse(viewport, QEvent::MouseButtonRelease, at);
  });
  std::printf("classic list: %d rows (%s)\n", classicRows, qPrintable(classicMessage));
  printReportFigures("row double-click", kReports, rowReports);

  // "姓名评分" on its page with 李 / 明华 typed in.
  window.switchToPage(quillan::app::Page::Scoring, quillan::app::ScoringTab::Score);
  QApplication::processEvents();
  type(window.findChild<QLineEdit*>(QStringLiteral("编辑框8")), QStringLiteral("李"));
  type(window.findChild<QLineEdit*>(QStringLiteral("编辑框9")), QStringLiteral("明华"));
  auto* score = window.findChild<QPushButton*>(QStringLiteral("按钮9"));
  const ReportFigures scoreReports = timeReports(kReports, [&](QElapsedTimer& clock, QString& name) {
    name = QStringLiteral("李明华");
    clock.start();
    score->click();
  });
  printReportFigures("click-to-report (李明华)", kReports, scoreReports);
  if (!summary.isEmpty()) {
    std::printf("message during the reports: %s\n", qPrintable(summary));
  }
  std::printf("memory after %d reports: %.1f MB resident\n", 2 * kReports, residentKiB() / 1024.0);
  return 0;
}
