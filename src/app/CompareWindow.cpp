#include "app/CompareWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/Printout.h"
#include "printout/PaperDocuments.h"

namespace quillan::app {

CompareWindow::CompareWindow(compare::Comparison comparison, const DialogHooks* hooks, QWidget* parent)
    : QDialog(parent), comparison_(std::move(comparison)), hooks_(hooks) {
  setObjectName(QStringLiteral("对比窗口"));
  setWindowTitle(tr("名字对比"));
  setAttribute(Qt::WA_DeleteOnClose);
  resize(900, 640);

  const int rows = static_cast<int>(comparison_.rows.size());
  const int columns = static_cast<int>(comparison_.names.size());
  table_ = new QTableWidget(rows, columns, this);
  table_->setObjectName(QStringLiteral("表格_对比"));
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setWordWrap(true);
  QStringList names;
  for (const std::string& name : comparison_.names) {
    names.push_back(QString::fromStdString(name));
  }
  table_->setHorizontalHeaderLabels(names);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  const QColor differs(0xfd, 0xe9, 0xc8);
  for (int r = 0; r < rows; ++r) {
    const compare::ComparisonRow& row = comparison_.rows[static_cast<std::size_t>(r)];
    auto* label = new QTableWidgetItem(QString::fromStdString(row.label) + (row.differs ? tr(" ◆") : QString()));
    table_->setVerticalHeaderItem(r, label);
    for (int c = 0; c < columns && c < static_cast<int>(row.cells.size()); ++c) {
      auto* item = new QTableWidgetItem(QString::fromStdString(row.cells[static_cast<std::size_t>(c)]));
      if (row.differs) {
        item->setBackground(differs);
        item->setData(Qt::UserRole, true);
      }
      table_->setItem(r, c, item);
    }
  }
  table_->resizeRowsToContents();

  auto* print = new QPushButton(tr("打印"), this);
  print->setObjectName(QStringLiteral("按钮_打印对比"));
  auto* pdf = new QPushButton(tr("保存为PDF"), this);
  pdf->setObjectName(QStringLiteral("按钮_对比PDF"));
  connect(print, &QPushButton::clicked, this,
          [this] { printHtml(this, printout::comparisonHtml(comparison_), *hooks_); });
  connect(pdf, &QPushButton::clicked, this,
          [this] { saveHtmlAsPdf(this, printout::comparisonHtml(comparison_), tr("名字对比.pdf"), *hooks_); });

  auto* buttons = new QHBoxLayout;
  buttons->setObjectName(QStringLiteral("对比按钮布局"));
  buttons->addStretch(1);
  buttons->addWidget(print);
  buttons->addWidget(pdf);
  auto* layout = new QVBoxLayout(this);
  layout->setObjectName(QStringLiteral("对比布局"));
  layout->addWidget(table_, 1);
  layout->addLayout(buttons);
}

}  // namespace quillan::app
