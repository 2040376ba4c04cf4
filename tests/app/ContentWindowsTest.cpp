#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <QTreeWidget>

#include "TestHooks.h"
#include "app/ArticleListWindow.h"
#include "app/ContentBrowser.h"
#include "app/MainWindow.h"
#include "app/PageWindow.h"
#include "calendar/Date.h"
#include "content/MenuPages.h"
#include "content/PageAddress.h"

using namespace quillan;
using namespace quillan::app;
using namespace quillan::app::testing;

namespace {

QAction* action(const QObject& window, const QString& name) {
  auto* found = window.findChild<QAction*>(name);
  if (found == nullptr) {
    qFatal("no action named %s", qPrintable(name));
  }
  return found;
}

template <typename T>
T* openedWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* window = qobject_cast<T*>(widget); window != nullptr && window->isVisible()) {
      return window;
    }
  }
  return nullptr;
}

// Waits for the browser to put a page on screen; whether it loaded.
bool waitForPage(ContentBrowser* browser) {
  QSignalSpy shown(browser, &ContentBrowser::pageShown);
  if (!shown.wait(20000)) {
    return false;
  }
  return shown.last().at(1).toBool();
}

QUrl pageUrl(const std::string& base, std::string_view section, std::string_view file) {
  return QUrl(QString::fromStdString(content::pageAddress(base, section, file)));
}

}  // namespace

// The reading windows of the real main window, with the data service it embeds.
class ContentWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanupTestCase() { window_.reset(); }
  void cleanup();
  void collectionRowThreeShowsItsPage();
  void everySinglePageEntryOpensItsAddress();
  void everyCollectionEntryOpensItsSection();
  void linksInsidePagesAreFollowed();
  void anchorsWithinAPageScrollIt();
  void rightClickOpensNoMenu();
  void failedAddressesShowAsFailed();

 private:
  Recorded recorded_;
  std::unique_ptr<MainWindow> window_;
  std::string base_;
};

void ContentWindowsTest::initTestCase() {
  window_ = makeWindow(recorded_);
  QVERIFY2(window_->sources().lookup != nullptr, window_->serviceProblem().c_str());
  base_ = window_->sources().baseAddress;
  QVERIFY(base_.starts_with("http://127.0.0.1:"));
}

void ContentWindowsTest::cleanup() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (qobject_cast<ArticleListWindow*>(widget) || qobject_cast<PageWindow*>(widget)) {
      widget->close();
    }
  }
  QApplication::processEvents();
}

void ContentWindowsTest::collectionRowThreeShowsItsPage() {
  action(*window_, QStringLiteral("菜单项_育儿知识天天读"))->trigger();
  auto* list = openedWindow<ArticleListWindow>();
  QVERIFY(list != nullptr);
  QCOMPARE(list->windowModality(), Qt::ApplicationModal);
  QCOMPARE(list->windowTitle(), QStringLiteral("育儿知识天天读"));
  QCOMPARE(list->list()->topLevelItemCount(), 365);
  QCOMPARE(list->list()->topLevelItem(364)->text(1), QStringLiteral("365.htm"));
  QCOMPARE(list->list()->topLevelItem(2)->text(0), QStringLiteral("育儿知识天天读第3天"));

  list->list()->setCurrentItem(list->list()->topLevelItem(2));
  QVERIFY(waitForPage(list->browser()));
  QCOMPARE(list->browser()->source(), pageUrl(base_, "yezs/yezsttd/", "3.htm"));
  QVERIFY(list->browser()->toPlainText().startsWith(QStringLiteral("育儿知识天天读第3天")));
}

void ContentWindowsTest::everySinglePageEntryOpensItsAddress() {
  for (const auto pages :
       {content::folkPages(), content::zodiacPages(), content::rhymePages(), content::storyPages()}) {
    for (const auto& page : pages) {
      const QString entry = QString::fromUtf8(page.menuEntry.data(), static_cast<qsizetype>(page.menuEntry.size()));
      action(*window_, QStringLiteral("菜单项_") + entry)->trigger();
      auto* opened = openedWindow<PageWindow>();
      QVERIFY2(opened != nullptr, qPrintable(entry));
      QCOMPARE(opened->windowModality(), Qt::ApplicationModal);
      QCOMPARE(opened->windowTitle(), entry);
      QCOMPARE(opened->browser()->address(), pageUrl(base_, page.section, page.file));
      QVERIFY2(waitForPage(opened->browser()), qPrintable(entry));
      QVERIFY2(opened->browser()->toPlainText().startsWith(entry), qPrintable(entry));
      opened->close();
      QApplication::processEvents();
    }
  }
}

void ContentWindowsTest::everyCollectionEntryOpensItsSection() {
  const std::pair<const char*, const char*> entries[] = {
      {"育儿知识天天读", "yezs/yezsttd/"}, {"育儿知识月月读", "yezs/yezsyyd/"}, {"新生儿知识", "yezs/xsezs/"},
      {"新生儿护理", "yezs/xsehl/"},       {"母婴交流", "yezs/myjl/"},          {"潜能开发", "yezs/qnkf/"},
      {"育儿经验", "yezs/yejy/"}};
  for (const auto& [entry, section] : entries) {
    action(*window_, QStringLiteral("菜单项_") + QString::fromUtf8(entry))->trigger();
    auto* list = openedWindow<ArticleListWindow>();
    QVERIFY2(list != nullptr, entry);
    const int last = list->list()->topLevelItemCount() - 1;
    list->list()->setCurrentItem(list->list()->topLevelItem(last));
    QVERIFY2(waitForPage(list->browser()), entry);
    QCOMPARE(list->browser()->source(), pageUrl(base_, section, std::to_string(last + 1) + ".htm"));
    list->close();
    QApplication::processEvents();
  }
}

void ContentWindowsTest::linksInsidePagesAreFollowed() {
  action(*window_, QStringLiteral("菜单项_二十四节气表"))->trigger();
  auto* page = openedWindow<PageWindow>();
  QVERIFY(page != nullptr);
  ContentBrowser* browser = page->browser();
  QVERIFY(waitForPage(browser));
  // Click the link to the next year where it is drawn.
  const QTextCursor link = browser->document()->find(QStringLiteral("年→"));
  QVERIFY(!link.isNull());
  const QString nextYear = QString::number(calendar::chinaToday().year + 1);  // the clock the pages use
  QSignalSpy shown(browser, &ContentBrowser::pageShown);
  QTextCursor inside(browser->document());
  inside.setPosition(link.selectionStart() + 1);
  const QPoint where = browser->cursorRect(inside).center();
  QCOMPARE(browser->anchorAt(where), QStringLiteral("essjqb-") + nextYear + QStringLiteral(".htm"));
  QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, where);
  QVERIFY(shown.wait(20000));
  QVERIFY(shown.last().at(1).toBool());
  QCOMPARE(browser->source(), pageUrl(base_, "mszs/mszs/", "essjqb-" + nextYear.toStdString() + ".htm"));
  QVERIFY(browser->toPlainText().contains(nextYear + QStringLiteral("年")));
}

void ContentWindowsTest::anchorsWithinAPageScrollIt() {
  action(*window_, QStringLiteral("菜单项_常用多音字表"))->trigger();
  auto* page = openedWindow<PageWindow>();
  QVERIFY(page != nullptr);
  ContentBrowser* browser = page->browser();
  QVERIFY(waitForPage(browser));
  const QUrl address = browser->source();
  QCOMPARE(browser->verticalScrollBar()->value(), 0);
  // The letter index at the top: "Z" leads far down the same page.
  QTextCursor inside(browser->document());
  inside.setPosition(browser->document()->find(QStringLiteral("Z")).selectionStart());
  QTextCursor after(inside);
  after.movePosition(QTextCursor::NextCharacter);
  const QPoint where = (browser->cursorRect(inside).center() + browser->cursorRect(after).center()) / 2;
  QCOMPARE(browser->anchorAt(where), QStringLiteral("#Z"));
  QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, where);
  QTRY_VERIFY(browser->verticalScrollBar()->value() > 0);
  QCOMPARE(browser->source(), address);
}

void ContentWindowsTest::rightClickOpensNoMenu() {
  action(*window_, QStringLiteral("菜单项_三字经"))->trigger();
  auto* page = openedWindow<PageWindow>();
  QVERIFY(page != nullptr);
  ContentBrowser* browser = page->browser();
  QVERIFY(waitForPage(browser));
  QList<QPoint> clicks;
  browser->setRightClickHandler([&clicks](const QPoint& position) { clicks.push_back(position); });
  QTest::mouseClick(browser->viewport(), Qt::RightButton, {}, QPoint(40, 50));
  QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(40, 50),
                              browser->viewport()->mapToGlobal(QPoint(40, 50)));
  QApplication::sendEvent(browser->viewport(), &menuEvent);
  QApplication::processEvents();
  QCOMPARE(clicks, QList<QPoint>{QPoint(40, 50)});
  QVERIFY(QApplication::activePopupWidget() == nullptr);
  // Without a handler a right click is swallowed all the same.
  browser->setRightClickHandler({});
  QTest::mouseClick(browser->viewport(), Qt::RightButton, {}, QPoint(40, 50));
  QVERIFY(QApplication::activePopupWidget() == nullptr);
}

void ContentWindowsTest::failedAddressesShowAsFailed() {
  for (const auto& address : {pageUrl(base_, "yezs/yezsttd/", "366.htm"), QUrl("http://127.0.0.1:1/tovka/x.htm")}) {
    PageWindow page(QStringLiteral("缺页"), address, window_->background());
    QSignalSpy shown(page.browser(), &ContentBrowser::pageShown);
    page.show();
    QVERIFY(shown.wait(20000));
    QCOMPARE(shown.last().at(1).toBool(), false);
    QCOMPARE(page.browser()->source(), address);
    QVERIFY(page.browser()->toPlainText().contains(QStringLiteral("无法显示此网页")));
  }
}

QTEST_MAIN(ContentWindowsTest)
#include "ContentWindowsTest.moc"
