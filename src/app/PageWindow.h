#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>

namespace quillan::app {

class BackgroundRunner;
class ContentBrowser;

// The page window: one browser box showing one page. Modal.
class PageWindow : public QDialog {
  Q_OBJECT

 public:
  PageWindow(const QString& caption, const QUrl& address, BackgroundRunner& background, QWidget* parent = nullptr);

  ContentBrowser* browser() const { return browser_; }

 private:
  ContentBrowser* browser_ = nullptr;
};

}  // namespace quillan::app
