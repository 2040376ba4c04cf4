#pragma once

#include <QObject>
#include <QTimer>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "app/DialogHooks.h"
#include "chars/CharacterLists.h"
#include "chars/CharacterLookup.h"
#include "generate/GenerationOutcome.h"
#include "generate/GenerationRequest.h"
#include "generate/ResultRow.h"

namespace quillan::app {

class BackgroundRunner;
class GenerationPage;

// "生成": checks the window's selections, then runs the Generate command in the background. The
// run's rows, progress and notices are collected under a lock and handed to the window in chunks
// by a timer on the window's thread, so that lookups that wait for the data service and runs of
// tens of thousands of rows never stop the window from repainting or answering the mouse. Owned by
// the window, whose lists outlive every run.
class GenerationController : public QObject {
  Q_OBJECT

 public:
  GenerationController(GenerationPage* page, const chars::CharacterLists* lists, BackgroundRunner* background,
                       const DialogHooks* hooks, QWidget* dialogParent);

  // The lookup the runs use, once start-up has it (null: the data service could not be had).
  void setLookup(std::shared_ptr<chars::CharacterLookup> lookup) { lookup_ = std::move(lookup); }

  void start();
  bool running() const { return running_; }

 signals:
  // True when a run starts, false once it has ended and its messages were answered.
  void busyChanged(bool busy);
  void finished(int rows);

 private:
  // What the worker hands over; touched under the lock only. Rows come in chunks the worker fills,
  // so that handing them to the list moves no row on the window's thread.
  struct Inbox {
    std::mutex lock;
    std::vector<std::vector<generate::ResultRow>> chunks;
    std::vector<generate::ResultRow> filling;
    std::optional<std::string> progressLabel;
    int progressRange = 0;
    int progressPosition = 0;
    bool began = false;
    std::vector<std::string> notices;
  };

  void drain();
  void finish(const generate::GenerationOutcome& outcome);

  GenerationPage* page_;
  const chars::CharacterLists* lists_;
  std::shared_ptr<chars::CharacterLookup> lookup_;
  BackgroundRunner* background_;
  const DialogHooks* hooks_;
  QWidget* dialogParent_;
  std::shared_ptr<Inbox> inbox_;
  QTimer batchTimer_;
  generate::GenerationMode mode_ = generate::GenerationMode::Classic;
  int surnameChars_ = 1;
  bool began_ = false;
  bool informing_ = false;
  bool running_ = false;
};

}  // namespace quillan::app
