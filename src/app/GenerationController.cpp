#include "app/GenerationController.h"

#include <QPushButton>

#include "app/BackgroundRunner.h"
#include "app/GenerationPage.h"
#include "app/ResultListModel.h"
#include "chars/MemoryCharacterLookup.h"
#include "generate/Generate.h"
#include "generate/RequestCheck.h"

namespace quillan::app {
namespace {

// Each hand-over repaints the list (about 15 ms); every 40 ms keeps the list and the progress bar
// moving while leaving most of the time to the user.
constexpr int kBatchIntervalMs = 40;
// Rows per chunk: the list takes a chunk in one insertion.
constexpr std::size_t kChunkRows = 2048;

QString caption() { return QString::fromUtf8(generate::kMessageCaption.data(), generate::kMessageCaption.size()); }

}  // namespace

GenerationController::GenerationController(GenerationPage* page, const chars::CharacterLists* lists,
                                           BackgroundRunner* background, const DialogHooks* hooks,
                                           QWidget* dialogParent)
    : page_(page), lists_(lists), background_(background), hooks_(hooks), dialogParent_(dialogParent) {
  batchTimer_.setInterval(kBatchIntervalMs);
  connect(&batchTimer_, &QTimer::timeout, this, &GenerationController::drain);
}

void GenerationController::start() {
  if (running()) {
    return;
  }
  auto check = generate::checkRequest(page_->request(), *lists_);
  if (!check.checked) {
    const auto message = generate::problemMessage(check.problem);
    hooks_->inform(dialogParent_, caption(), QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())),
                   DialogHooks::Tone::Plain);
    page_->boxForRefusal(check.problem)->setFocus(Qt::OtherFocusReason);
    return;
  }

  mode_ = check.checked->request.mode;
  surnameChars_ = static_cast<int>(check.checked->surnameCharacters.size());
  began_ = false;
  running_ = true;
  inbox_ = std::make_shared<Inbox>();
  emit busyChanged(true);

  generate::GenerationSinks sinks;
  auto inbox = inbox_;
  sinks.row = [inbox](generate::ResultRow row) {
    const std::lock_guard guard(inbox->lock);
    inbox->began = true;
    if (inbox->filling.capacity() == 0) {
      inbox->filling.reserve(kChunkRows);
    }
    inbox->filling.push_back(std::move(row));
    if (inbox->filling.size() == kChunkRows) {
      inbox->chunks.push_back(std::move(inbox->filling));
      inbox->filling = {};
    }
  };
  sinks.progress = [inbox](std::string_view label, int range, int position) {
    const std::lock_guard guard(inbox->lock);
    inbox->began = true;
    inbox->progressLabel = std::string(label);
    inbox->progressRange = range;
    inbox->progressPosition = position;
  };
  sinks.notice = [inbox](std::string_view message) {
    const std::lock_guard guard(inbox->lock);
    inbox->notices.emplace_back(message);
  };

  batchTimer_.start();
  // Without a data service every lookup answers that nothing answered, as a service that is down.
  auto lookup = lookup_;
  if (!lookup) {
    auto down = std::make_shared<chars::MemoryCharacterLookup>();
    down->setReachable(false);
    lookup = down;
  }
  // No time-out: a run ends by itself, each lookup at the latest with the service's time-out.
  background_->run<generate::GenerationOutcome>(
      this,
      [run = std::move(*check.checked), sinks, lists = lists_, lookup] {
        return generate::runGenerate(run, *lists, *lookup, sinks);
      },
      [this](BackgroundOutcome<generate::GenerationOutcome> done) {
        if (done.result) {
          return finish(*done.result);
        }
        generate::GenerationOutcome failed;
        failed.status = generate::GenerationStatus::ServiceUnreachable;
        failed.message = "无法完成生成：" + done.failure;
        finish(failed);
      });
}

void GenerationController::drain() {
  if (!inbox_) {
    return;
  }
  std::vector<std::vector<generate::ResultRow>> chunks;
  std::optional<std::string> label;
  int range = 0;
  int position = 0;
  bool began = false;
  std::vector<std::string> notices;
  {
    const std::lock_guard guard(inbox_->lock);
    chunks.swap(inbox_->chunks);
    if (!inbox_->filling.empty()) {
      chunks.push_back(std::move(inbox_->filling));
      inbox_->filling = {};
    }
    label = inbox_->progressLabel;
    range = inbox_->progressRange;
    position = inbox_->progressPosition;
    began = inbox_->began;
    notices.swap(inbox_->notices);
  }
  if (began && !began_) {
    began_ = true;
    page_->runBegins(mode_, surnameChars_);
  }
  if (label) {
    page_->showProgress(QString::fromStdString(*label), range, position);
  }
  for (auto& chunk : chunks) {
    page_->results().appendChunk(std::move(chunk));
  }
  if (!notices.empty() && !informing_) {
    informing_ = true;
    for (const std::string& notice : notices) {
      hooks_->inform(dialogParent_, caption(), QString::fromStdString(notice), DialogHooks::Tone::Plain);
    }
    informing_ = false;
  }
}

void GenerationController::finish(const generate::GenerationOutcome& outcome) {
  batchTimer_.stop();
  if (outcome.status == generate::GenerationStatus::Completed && !began_) {
    began_ = true;
    page_->runBegins(mode_, surnameChars_);
  }
  drain();
  inbox_.reset();
  running_ = false;
  if (!outcome.message.empty()) {
    hooks_->inform(dialogParent_, caption(), QString::fromStdString(outcome.message), DialogHooks::Tone::Warning);
  }
  if (!outcome.summary.empty()) {
    hooks_->inform(dialogParent_, caption(), QString::fromStdString(outcome.summary), DialogHooks::Tone::Plain);
  }
  page_->hideProgress();
  emit busyChanged(false);
  emit finished(outcome.rowsWritten);
}

}  // namespace quillan::app
