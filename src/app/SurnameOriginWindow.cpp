#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <vector>

#include "app/BackgroundRunner.h"
#include "app/FolkWindows.h"
#include "app/PastimeInputs.h"
#include "app/PastimeWindow.h"
#include "chars/CharacterLookup.h"
#include "common/TextSplit.h"
#include "folk/SurnameOrigins.h"
#include "scoring/ScoringState.h"

namespace quillan::app {
namespace {

// The strokes and 天格 of a surname, from its characters' records; empty text when one is missing.
QString figuresHtml(const std::string& surname, const std::vector<chars::LookupResult>& found) {
  const auto characters = common::splitCharacters(surname);
  std::vector<int> strokes;
  for (std::size_t i = 0; i < found.size() && i < characters.size(); ++i) {
    if (!chars::hasStrokes(found[i])) {
      return QObject::tr("<p>笔划：%1</p>").arg(htmlText(chars::lookupFailureMessage(found[i], characters[i])));
    }
    strokes.push_back(found[i].record.strokeCount());
  }
  scoring::ScoringState state;
  if (!state.computeHeavenGrid(strokes)) {
    return {};
  }
  QString strokesText;
  for (int s : strokes) {
    strokesText += (strokesText.isEmpty() ? QString() : QStringLiteral(" + ")) + QString::number(s);
  }
  const int heaven = state.gridNumber(scoring::Grid::Heaven);
  return QObject::tr("<p>康熙笔划：%1　天格：%2（%3）</p>")
      .arg(strokesText)
      .arg(heaven)
      .arg(htmlText(scoring::luckWord(scoring::rateNumber(heaven))));
}

QString originHtml(const folk::SurnameOrigin& origin, const QString& figures) {
  return QObject::tr("<h2>%1 <small>%2</small></h2>%3<p>%4</p>")
      .arg(htmlText(origin.surname), htmlText(origin.reading), figures, htmlText(origin.origin));
}

}  // namespace

PastimeWindow* makeSurnameOriginWindow(LookupSource lookup, BackgroundRunner* background, const DialogHooks* hooks,
                                       QWidget* parent) {
  auto* window = new PastimeWindow(
      QStringLiteral("窗口_姓氏起源"), QObject::tr("姓氏起源"),
      QObject::tr("姓氏的来历多出自史书与族谱的记载，不少带着传说色彩，说法也常不止一种。这里的介绍是我们依据"
                  "通行的说法自己写的简述，供了解姓氏文化参考。"),
      parent, hooks);
  auto* row = addInputRow(window);
  auto* search = addLabelled(row, QObject::tr("姓氏或拼音"), new QLineEdit(window), 1);
  search->setObjectName(QStringLiteral("编辑框_姓氏"));
  search->setPlaceholderText(QObject::tr("如 王、司马、zhang"));
  search->setClearButtonEnabled(true);
  auto* list = new QListWidget(window);
  list->setObjectName(QStringLiteral("列表_姓氏"));
  list->setMaximumHeight(150);
  list->setFlow(QListView::LeftToRight);
  list->setWrapping(true);
  list->setResizeMode(QListView::Adjust);
  window->inputs()->addWidget(list);

  const auto fill = [=](const QString& query) {
    list->clear();
    const auto found = folk::searchSurnames(query.trimmed().toStdString());
    for (const auto* origin : found) {
      auto* item = new QListWidgetItem(QString::fromStdString(origin->surname), list);
      item->setToolTip(QString::fromStdString(origin->reading));
    }
    if (found.empty()) {
      window->showResult(QObject::tr("<p>没有找到「%1」的起源资料。这里收录了百家姓中的%2个单姓和复姓。</p>")
                             .arg(query.trimmed().toHtmlEscaped())
                             .arg(folk::surnameOrigins().size()));
    }
  };
  QObject::connect(search, &QLineEdit::textChanged, window, fill);
  QObject::connect(search, &QLineEdit::returnPressed, window, [list] {
    if (list->count() > 0) {
      list->setCurrentRow(0);
      list->setFocus();
    }
  });
  QObject::connect(list, &QListWidget::currentTextChanged, window, [=](const QString& surname) {
    const folk::SurnameOrigin* origin = folk::originOf(surname.toStdString());
    if (origin == nullptr) {
      return;
    }
    window->showResult(originHtml(*origin, QString()));
    const auto characters = lookup();
    if (!characters) {
      return;
    }
    background->run<std::vector<chars::LookupResult>>(
        window,
        [characters, text = origin->surname] {
          std::vector<chars::LookupResult> found;
          for (const auto& character : common::splitCharacters(text)) {
            found.push_back(characters->lookup(character));
          }
          return found;
        },
        [=](BackgroundOutcome<std::vector<chars::LookupResult>> done) {
          // Only while the surname is still the one shown.
          if (done.result && list->currentItem() != nullptr && list->currentItem()->text() == surname) {
            window->showResult(originHtml(*origin, figuresHtml(origin->surname, *done.result)));
          }
        },
        BackgroundRunner::kServiceTimeout);
  });
  fill(QString());
  return window;
}

}  // namespace quillan::app
