#pragma once

#include <QApplication>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>
#include <vector>

#include "app/MainWindow.h"

class QApplication;

namespace quillan::app::testing {

// What the window asked of the user while a test drove it; dialogs are answered at once.
struct Recorded {
  struct Message {
    QString caption;
    QString text;
  };
  std::vector<Message> messages;
  std::vector<QUrl> opened;
  std::vector<QString> questions;  // what was asked before something was undone
  bool confirmAnswer = true;       // what the question "answers"
  QString saveAnswer;              // what the save dialog "chooses"; empty cancels
  std::vector<QString> saveCaptions;
  QString saveFilter;  // the filter entry the save dialog "chose"
  QString openAnswer;  // what the open dialog "chooses"; empty cancels
  std::vector<QString> openCaptions;
  QString printTo;  // the print dialog "prints" into this PDF file; empty cancels
  int printDialogs = 0;
  // The user's data folder of the test's windows (the shortlist lives there), removed afterwards.
  QTemporaryDir dataFolder;

  QString lastText() const { return messages.empty() ? QString() : messages.back().text; }
};

// Options whose hooks write into `recorded`; the tray is unavailable unless asked for.
MainWindowOptions recordingOptions(Recorded& recorded);

// A window created and shown the way the program does it, once its start-up has ended (the data
// service reached, or known to be out of reach).
std::unique_ptr<MainWindow> makeWindow(Recorded& recorded);
std::unique_ptr<MainWindow> makeWindow(MainWindowOptions options);

// Waits until the window's background work has been handed back and no modal window is open, as
// after a command a user started has run its course. False when that took more than 30 s.
bool settle(MainWindow& window);

// Runs check on the modal window of type T once it is open, then closes it. The tests then look at
// what check saw, so a window that never opens fails them.
template <typename T>
void whenModalOpens(const std::function<void(T&)>& check) {
  auto poll = std::make_shared<std::function<void(int)>>();
  *poll = [=](int left) {
    if (auto* window = qobject_cast<T*>(QApplication::activeModalWidget())) {
      check(*window);
      window->close();
      return;
    }
    if (left > 0) {
      QTimer::singleShot(20, qApp, [=] { (*poll)(left - 1); });
    }
  };
  QTimer::singleShot(0, qApp, [=] { (*poll)(500); });
}

// Runs prepareApplication once for the test's QApplication.
void prepareOnce();

// The widget of that objectName under parent; a test without it cannot go on.
template <typename T>
T* namedChild(const QObject& parent, const QString& name) {
  T* found = parent.findChild<T*>(name);
  if (found == nullptr) {
    qFatal("no widget named %s", qPrintable(name));
  }
  return found;
}

}  // namespace quillan::app::testing
