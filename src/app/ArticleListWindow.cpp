#include "app/ArticleListWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QSplitter>
#include <QTreeWidget>

#include "app/ContentBrowser.h"
#include "content/PageAddress.h"
#include "content/TitleRows.h"

namespace quillan::app {

ArticleListWindow::ArticleListWindow(const QString& caption, std::string baseAddress, std::string section,
                                     const std::string& titleList, BackgroundRunner& background, QWidget* parent)
    : QDialog(parent), baseAddress_(std::move(baseAddress)), section_(std::move(section)) {
  setObjectName(QStringLiteral("文章列表窗口"));
  setWindowTitle(caption);
  setWindowModality(Qt::ApplicationModal);
  setAttribute(Qt::WA_DeleteOnClose);
  resize(960, 640);

  list_ = new QTreeWidget(this);
  list_->setObjectName(QStringLiteral("超级列表框_文章"));
  list_->setColumnCount(2);
  list_->setHeaderLabels({tr("标题"), tr("页面")});
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  for (const auto& row : content::titleRows(titleList)) {
    new QTreeWidgetItem(list_, {QString::fromStdString(row.title), QString::fromStdString(row.pageFile)});
  }
  list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  list_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  list_->header()->setStretchLastSection(false);

  browser_ = new ContentBrowser(background, this);
  browser_->setObjectName(QStringLiteral("浏览框_文章"));

  auto* splitter = new QSplitter(this);
  splitter->addWidget(list_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 2);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(splitter);

  connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (item) {
      showRow(list_->indexOfTopLevelItem(item));
    }
  });
}

void ArticleListWindow::showRow(int row) {
  const auto* item = list_->topLevelItem(row);
  const auto address = content::pageAddress(baseAddress_, section_, item->text(1).toStdString());
  browser_->openAddress(QUrl(QString::fromStdString(address)));
}

}  // namespace quillan::app
