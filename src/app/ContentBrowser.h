#pragma once

#include <QPoint>
#include <QString>
#include <QTextBrowser>
#include <QUrl>
#include <functional>
#include <optional>

namespace quillan::app {

class BackgroundRunner;

// The browser box of the content windows: a QTextBrowser that fetches http pages through the
// program's HTTP client in the background, shows them in the charset they declare, follows the
// links inside them, shows every failed address the same way, and opens no context menu on a right
// click (an optional handler gets the click's position instead).
class ContentBrowser : public QTextBrowser {
  Q_OBJECT

 public:
  using RightClickHandler = std::function<void(const QPoint& position)>;

  ContentBrowser(BackgroundRunner& background, QWidget* parent = nullptr);
  ~ContentBrowser() override;

  // Shows the page at an http address; an answer that arrives after a newer request is dropped.
  void openAddress(const QUrl& address);

  // The address shown or being loaded.
  QUrl address() const { return address_; }

  void setRightClickHandler(RightClickHandler handler) { rightClick_ = std::move(handler); }

  // The text shown for an address that could not be loaded.
  static QString failedPageHtml(const QUrl& address);

 signals:
  // A page was put on screen: its address and whether it loaded.
  void pageShown(const QUrl& address, bool loaded);

 protected:
  QVariant loadResource(int type, const QUrl& name) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void followLink(const QUrl& link);
  void showAnswer(const QUrl& address, const std::optional<QString>& html);

  BackgroundRunner& background_;
  QUrl address_;
  quint64 latestRequest_ = 0;
  QUrl answerAddress_;  // the page QTextBrowser is about to ask loadResource for
  QString answer_;
  bool loading_ = false;
  RightClickHandler rightClick_;
};

}  // namespace quillan::app
