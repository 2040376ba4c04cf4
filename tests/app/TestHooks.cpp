#include "TestHooks.h"

#include <QCoreApplication>
#include <QDir>
#include <QPrinter>
#include <filesystem>

#include <QApplication>
#include <QTest>

#include "app/ApplicationSetup.h"
#include "app/BackgroundRunner.h"

namespace quillan::app::testing {

void prepareOnce() {
  static bool done = false;
  if (!done) {
    prepareApplication(*qApp);
    done = true;
  }
}

MainWindowOptions recordingOptions(Recorded& recorded) {
  MainWindowOptions options;
  options.trayAvailable = false;
  // Never the user's own preferences: a file of this process that does not exist yet.
  static int windows = 0;
  options.preferencesFile = std::filesystem::path(QDir::tempPath().toStdString()) /
                            ("quillan-test-preferences-" + std::to_string(QCoreApplication::applicationPid()) + "-" +
                             std::to_string(++windows) + ".txt");
  options.hooks.inform = [&recorded](QWidget*, const QString& caption, const QString& text, DialogHooks::Tone) {
    recorded.messages.push_back({caption, text});
  };
  options.hooks.confirm = [&recorded](QWidget*, const QString&, const QString& text) {
    recorded.questions.push_back(text);
    return recorded.confirmAnswer;
  };
  options.hooks.saveFileName = [&recorded](QWidget*, const QString& caption, const QString&, const QString&) {
    recorded.saveCaptions.push_back(caption);
    return recorded.saveAnswer;
  };
  options.hooks.saveFileNameWithFilter = [&recorded](QWidget*, const QString& caption, const QString&, const QString&,
                                                     QString* selected) {
    recorded.saveCaptions.push_back(caption);
    if (selected != nullptr) {
      *selected = recorded.saveFilter;
    }
    return recorded.saveAnswer;
  };
  options.hooks.openFileName = [&recorded](QWidget*, const QString& caption, const QString&) {
    recorded.openCaptions.push_back(caption);
    return recorded.openAnswer;
  };
  options.hooks.choosePrinter = [&recorded](QWidget*, QPrinter& printer) {
    ++recorded.printDialogs;
    if (recorded.printTo.isEmpty()) {
      return false;
    }
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(recorded.printTo);
    return true;
  };
  options.shortlistFile =
      std::filesystem::path(recorded.dataFolder.filePath(QStringLiteral("shortlist.tsv")).toStdString());
  options.hooks.openUrl = [&recorded](const QUrl& address) {
    recorded.opened.push_back(address);
    return true;
  };
  return options;
}

std::unique_ptr<MainWindow> makeWindow(MainWindowOptions options) {
  prepareOnce();
  auto window = std::make_unique<MainWindow>(std::move(options));
  window->show();
  if (!QTest::qWaitForWindowExposed(window.get())) {
    qWarning("the main window was not exposed");
  }
  if (!QTest::qWaitFor([&] { return window->started(); }, 30000)) {
    qWarning("the main window's start-up did not end");
  }
  return window;
}

bool settle(MainWindow& window) {
  return QTest::qWaitFor(
      [&] { return window.background().pending() == 0 && QApplication::activeModalWidget() == nullptr; }, 30000);
}

std::unique_ptr<MainWindow> makeWindow(Recorded& recorded) { return makeWindow(recordingOptions(recorded)); }

}  // namespace quillan::app::testing
