#include "app/ContentBrowser.h"

#include <QContextMenuEvent>
#include <QMouseEvent>

#include "app/BackgroundRunner.h"
#include "content/PageDecoding.h"
#include "dataservice/HttpExchange.h"

namespace quillan::app {
namespace {

struct Fetched {
  bool completed = false;
  std::string body;
  std::string headers;
};

Fetched fetch(const std::string& address) {
  dataservice::HttpExchangeRequest request;
  request.address = address;
  const auto result = dataservice::httpExchange(request);
  return {result.completed, result.body, result.headers};
}

bool samePage(const QUrl& a, const QUrl& b) {
  return a.adjusted(QUrl::RemoveFragment) == b.adjusted(QUrl::RemoveFragment);
}

}  // namespace

ContentBrowser::ContentBrowser(BackgroundRunner& background, QWidget* parent)
    : QTextBrowser(parent), background_(background) {
  // Links are followed here, so that every address goes through the program's HTTP client.
  setOpenLinks(false);
  setOpenExternalLinks(false);
  setContextMenuPolicy(Qt::NoContextMenu);
  viewport()->installEventFilter(this);
  connect(this, &QTextBrowser::anchorClicked, this, &ContentBrowser::followLink);
}

ContentBrowser::~ContentBrowser() = default;

QString ContentBrowser::failedPageHtml(const QUrl& address) {
  return QStringLiteral("<html><body><h3>%1</h3><p>%2</p></body></html>")
      .arg(tr("无法显示此网页"), address.toString().toHtmlEscaped());
}

void ContentBrowser::openAddress(const QUrl& address) {
  if (!loading_ && address.hasFragment() && samePage(address, source())) {
    address_ = address;
    scrollToAnchor(address.fragment());
    return;
  }
  address_ = address;
  loading_ = true;
  const quint64 request = ++latestRequest_;
  const std::string target = address.adjusted(QUrl::RemoveFragment).toString(QUrl::FullyEncoded).toStdString();
  background_.run<Fetched>(
      this, [target] { return fetch(target); },
      [this, request, address](BackgroundOutcome<Fetched> outcome) {
        if (request != latestRequest_) {
          return;  // a newer page was asked for meanwhile
        }
        std::optional<QString> html;
        if (outcome.result && outcome.result->completed) {
          if (const auto utf8 = content::decodePage(outcome.result->body, outcome.result->headers)) {
            html = QString::fromStdString(*utf8);
          }
        }
        showAnswer(address, html);
      },
      BackgroundRunner::kServiceTimeout);
}

void ContentBrowser::showAnswer(const QUrl& address, const std::optional<QString>& html) {
  loading_ = false;
  answer_ = html ? *html : failedPageHtml(address);
  if (samePage(address, source())) {
    setHtml(answer_);  // the same page again: QTextBrowser would only scroll
    if (address.hasFragment()) {
      scrollToAnchor(address.fragment());
    }
  } else {
    // QTextBrowser takes the text from loadResource and resolves the page's links against it.
    answerAddress_ = address.adjusted(QUrl::RemoveFragment);
    setSource(address, QTextDocument::HtmlResource);
    answerAddress_.clear();
  }
  answer_.clear();
  emit pageShown(address, html.has_value());
}

QVariant ContentBrowser::loadResource(int type, const QUrl& name) {
  if (type == QTextDocument::HtmlResource && !answerAddress_.isEmpty() && samePage(name, answerAddress_)) {
    return answer_;
  }
  return {};  // our pages load nothing else
}

void ContentBrowser::followLink(const QUrl& link) {
  // QTextBrowser has resolved the link against the page's address.
  const QUrl target = source().resolved(link);
  if (target.scheme() != QLatin1String("http")) {
    return;  // the pages link only to pages of the same service
  }
  openAddress(target);
}

bool ContentBrowser::eventFilter(QObject* watched, QEvent* event) {
  if (watched == viewport()) {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
          if (rightClick_ && event->type() == QEvent::MouseButtonPress) {
            rightClick_(mouse->position().toPoint());
          }
          return true;
        }
        break;
      }
      case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
          return true;
        }
        break;
      case QEvent::ContextMenu:
        return true;
      default:
        break;
    }
  }
  return QTextBrowser::eventFilter(watched, event);
}

void ContentBrowser::contextMenuEvent(QContextMenuEvent* event) { event->accept(); }

}  // namespace quillan::app
