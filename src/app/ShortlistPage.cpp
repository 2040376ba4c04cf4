#include "app/ShortlistPage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <set>

#include "printout/PaperDocuments.h"

namespace quillan::app {
namespace {

enum Column { Name, Score, Pinyin, Meanings, Euphony, Added, Note, ColumnCount };

QTableWidgetItem* fixedItem(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  return item;
}

}  // namespace

ShortlistPage::ShortlistPage(shortlist::ShortlistStore store, const DialogHooks* hooks, std::function<QDate()> today,
                             QWidget* parent)
    : QWidget(parent), store_(std::move(store)), hooks_(hooks), today_(std::move(today)) {
  setObjectName(QStringLiteral("备选名单页"));
  table_ = new QTableWidget(0, ColumnCount, this);
  table_->setObjectName(QStringLiteral("表格_备选名单"));
  table_->setHorizontalHeaderLabels(
      {tr("姓名"), tr("评分"), tr("拼音"), tr("字义"), tr("音律"), tr("加入日期"), tr("备注")});
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::SelectedClicked);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setWordWrap(true);
  const int widths[] = {90, 60, 120, 280, 60, 100};
  for (int column = 0; column < Note; ++column) {
    table_->setColumnWidth(column, widths[column]);
  }

  auto* title = new QLabel(tr("备选名单：双击“备注”一栏写下家人的想法；选中两到四个名字可并排对比。"), this);
  title->setObjectName(QStringLiteral("标签_备选说明"));
  auto button = [this](const QString& text, const char* name) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(QString::fromUtf8(name));
    return b;
  };
  QPushButton* up = button(tr("上移"), "按钮_上移");
  QPushButton* down = button(tr("下移"), "按钮_下移");
  QPushButton* remove = button(tr("移除"), "按钮_移除");
  QPushButton* compare = button(tr("对比所选"), "按钮_对比");
  QPushButton* print = button(tr("打印名单"), "按钮_打印名单");
  QPushButton* pdf = button(tr("保存为PDF"), "按钮_名单PDF");

  auto* buttons = new QHBoxLayout;
  buttons->setObjectName(QStringLiteral("备选按钮布局"));
  for (QPushButton* b : {up, down, remove, compare}) {
    buttons->addWidget(b);
  }
  buttons->addStretch(1);
  buttons->addWidget(print);
  buttons->addWidget(pdf);
  auto* layout = new QVBoxLayout(this);
  layout->setObjectName(QStringLiteral("备选名单布局"));
  layout->addWidget(title);
  layout->addWidget(table_, 1);
  layout->addLayout(buttons);

  connect(up, &QPushButton::clicked, this, [this] { moveSelected(-1); });
  connect(down, &QPushButton::clicked, this, [this] { moveSelected(1); });
  connect(remove, &QPushButton::clicked, this, &ShortlistPage::removeSelected);
  connect(compare, &QPushButton::clicked, this, [this] {
    const auto names = selectedNames();
    if (names.size() < 2 || names.size() > 4) {
      hooks_->inform(this, tr("温馨提示"), tr("请选择两到四个名字进行对比"), DialogHooks::Tone::Plain);
      return;
    }
    emit compareRequested(names);
  });
  connect(print, &QPushButton::clicked, this, &ShortlistPage::printRequested);
  connect(pdf, &QPushButton::clicked, this, &ShortlistPage::pdfRequested);
  connect(table_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (filling_ || item->column() != Note || item->row() >= static_cast<int>(list_.size())) {
      return;
    }
    const std::string name = list_[static_cast<std::size_t>(item->row())].fullName();
    // Saved once the table is done with the item: showing the list again replaces every item.
    QMetaObject::invokeMethod(
        this, [this, name, note = item->text().toStdString()] { show(store_.setNote(name, note)); },
        Qt::QueuedConnection);
  });

  refresh();
}

void ShortlistPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  refresh();
}

bool ShortlistPage::add(shortlist::ShortlistEntry entry) {
  if (entry.added.empty()) {
    entry.added = today_().toString(QStringLiteral("yyyy-MM-dd")).toStdString();
  }
  const QString name = QString::fromStdString(entry.fullName());
  const auto outcome = store_.add(std::move(entry));
  show(outcome);
  if (outcome.ok) {
    emit added(name);
  }
  return outcome.ok;
}

void ShortlistPage::refresh() { show(store_.read()); }

void ShortlistPage::show(const shortlist::StoreOutcome& outcome) {
  if (!outcome.notice.empty()) {
    hooks_->inform(this, tr("温馨提示"), QString::fromStdString(outcome.notice), DialogHooks::Tone::Warning);
  }
  if (!outcome.message.empty()) {
    hooks_->inform(this, tr("温馨提示"), QString::fromStdString(outcome.message),
                   outcome.ok ? DialogHooks::Tone::Plain : DialogHooks::Tone::Warning);
  }
  const std::vector<std::string> selected = selectedNames();
  list_ = outcome.list;
  filling_ = true;
  table_->setRowCount(static_cast<int>(list_.size()));
  for (int row = 0; row < static_cast<int>(list_.size()); ++row) {
    const shortlist::ShortlistEntry& entry = list_[static_cast<std::size_t>(row)];
    table_->setItem(row, Name, fixedItem(QString::fromStdString(entry.fullName())));
    table_->setItem(row, Score, fixedItem(QString::fromStdString(entry.score)));
    table_->setItem(row, Pinyin, fixedItem(QString::fromStdString(entry.pinyin)));
    table_->setItem(row, Meanings, fixedItem(printout::meaningsText(entry.given)));
    table_->setItem(row, Euphony, fixedItem(entry.euphony >= 0 ? QString::number(entry.euphony) : QString()));
    table_->setItem(row, Added, fixedItem(QString::fromStdString(entry.added)));
    table_->setItem(row, Note, new QTableWidgetItem(QString::fromStdString(entry.note)));
  }
  table_->clearSelection();
  table_->setSelectionMode(QAbstractItemView::MultiSelection);
  for (int row = 0; row < static_cast<int>(list_.size()); ++row) {
    if (std::find(selected.begin(), selected.end(), list_[static_cast<std::size_t>(row)].fullName()) !=
        selected.end()) {
      table_->selectRow(row);
    }
  }
  table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  filling_ = false;
}

std::vector<std::string> ShortlistPage::selectedNames() const {
  std::set<int> rows;
  for (const QModelIndex& index : table_->selectionModel()->selectedRows()) {
    rows.insert(index.row());
  }
  std::vector<std::string> names;
  for (int row : rows) {
    if (row < static_cast<int>(list_.size())) {
      names.push_back(list_[static_cast<std::size_t>(row)].fullName());
    }
  }
  return names;
}

void ShortlistPage::moveSelected(int step) {
  const auto names = selectedNames();
  if (names.size() != 1) {
    return;
  }
  const auto at = std::find_if(list_.begin(), list_.end(), [&](const auto& e) { return e.fullName() == names[0]; });
  show(store_.move(names[0], static_cast<int>(at - list_.begin()) + step));
}

void ShortlistPage::removeSelected() {
  for (const std::string& name : selectedNames()) {
    show(store_.remove(name));
  }
}

}  // namespace quillan::app
