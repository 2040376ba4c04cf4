#include "app/PageWindow.h"

#include <QVBoxLayout>

#include "app/ContentBrowser.h"

namespace quillan::app {

PageWindow::PageWindow(const QString& caption, const QUrl& address, BackgroundRunner& background, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("页面窗口"));
  setWindowTitle(caption);
  setWindowModality(Qt::ApplicationModal);
  setAttribute(Qt::WA_DeleteOnClose);
  resize(760, 640);
  browser_ = new ContentBrowser(background, this);
  browser_->setObjectName(QStringLiteral("浏览框_页面"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(browser_);
  browser_->openAddress(address);
}

}  // namespace quillan::app
