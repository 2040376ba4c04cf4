// The window's shortlist commands: where names come from and where the page sends its requests.

#include <QStatusBar>

#include <QPushButton>
#include "app/EvaluationCommands.h"
#include "app/GenerationPage.h"
#include "app/MainWindow.h"
#include "app/Printout.h"
#include "app/ResultListModel.h"
#include "app/ScoringPage.h"
#include "app/ShortlistEntries.h"
#include "app/ShortlistPage.h"
#include "printout/PaperDocuments.h"

namespace quillan::app {

void MainWindow::connectShortlist() {
  connect(generationPage_, &GenerationPage::shortlistRequested, this, [this](int row) {
    const ResultListModel& results = generationPage_->results();
    if (row >= 0 && row < results.rowCount()) {
      shortlistPage_->add(shortlistEntryOf(results.row(row), results.surnameChars()));
    }
  });
  connect(evaluation_, &EvaluationCommands::shortlistRequested, shortlistPage_,
          [this](const shortlist::ShortlistEntry& entry) { shortlistPage_->add(entry); });
  connect(scoringPage_->keepButton(), &QPushButton::clicked, evaluation_, &EvaluationCommands::keepScoredName);
  connect(shortlistPage_, &ShortlistPage::added, this,
          [this](const QString& name) { statusBar()->showMessage(tr("已加入备选名单：%1").arg(name), 4000); });
  connect(shortlistPage_, &ShortlistPage::compareRequested, this, [this](const std::vector<std::string>& names) {
    std::vector<std::pair<std::string, std::string>> parts;
    std::vector<int> euphonies;
    for (const std::string& name : names) {
      for (const shortlist::ShortlistEntry& entry : shortlistPage_->entries()) {
        if (entry.fullName() == name) {
          parts.emplace_back(entry.surname, entry.given);
          euphonies.push_back(entry.euphony);
        }
      }
    }
    evaluation_->compareNames(std::move(parts), std::move(euphonies));
  });
  const auto nothingToPrint = [this] {
    if (!shortlistPage_->entries().empty()) {
      return false;
    }
    options_.hooks.inform(this, tr("温馨提示"), tr("备选名单中还没有名字"), DialogHooks::Tone::Plain);
    return true;
  };
  connect(shortlistPage_, &ShortlistPage::printRequested, this, [this, nothingToPrint] {
    if (!nothingToPrint()) {
      printHtml(this, printout::shortlistHtml(shortlistPage_->entries()), options_.hooks);
    }
  });
  connect(shortlistPage_, &ShortlistPage::pdfRequested, this, [this, nothingToPrint] {
    if (!nothingToPrint()) {
      saveHtmlAsPdf(this, printout::shortlistHtml(shortlistPage_->entries()), tr("备选名单.pdf"), options_.hooks);
    }
  });
}

}  // namespace quillan::app
