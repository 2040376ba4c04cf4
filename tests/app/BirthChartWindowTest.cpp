#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "TestHooks.h"
#include "app/ElementBars.h"
#include "app/MainWindow.h"
#include "app/PastimeWindow.h"

using namespace quillan::app;
using namespace quillan::app::testing;

// The birth-chart functions of 命运测算 and the chart line of the generation page, in the real
// main window, offscreen.
class BirthChartWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void theThreeChartWindowsShowTheirResult();
  void theGenerationPageShowsTheChartOfItsBirthday();

 private:
  static std::unique_ptr<MainWindow> window(Recorded& recorded) {
    MainWindowOptions options = recordingOptions(recorded);
    options.now = [] { return QDateTime(QDate(2013, 5, 20), QTime(10, 0)); };
    return makeWindow(std::move(options));
  }
};

void BirthChartWindowTest::theThreeChartWindowsShowTheirResult() {
  Recorded recorded;
  auto main = window(recorded);
  main->switchToPage(Page::Fate);
  const struct {
    const char* caption;
    const char* window;
    const char* expected;
  } cases[] = {
      {"生辰八字", "窗口_生辰八字", "长流水"},
      {"八字测算", "窗口_八字测算", "生扶日主：比劫（火）5分 + 印（木）0分 = 5分，占63%"},
      {"日干论命", "窗口_日干论命", "日干：丙火"},
  };
  for (const auto& c : cases) {
    auto* feature = namedChild<QPushButton>(*main, QStringLiteral("按钮_") + QString::fromUtf8(c.caption));
    QVERIFY(feature->isEnabled());
    feature->click();
    auto* dialog = namedChild<PastimeWindow>(*main, QString::fromUtf8(c.window));
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QCOMPARE(namedChild<QDateEdit>(*dialog, QStringLiteral("日期框_生日"))->date(), QDate(2013, 5, 20));
    namedChild<QComboBox>(*dialog, QStringLiteral("组合框_时辰"))->setCurrentIndex(1 + 10);
    namedChild<QPushButton>(*dialog, QStringLiteral("按钮_排盘"))->click();
    const QString result = dialog->resultText();
    QVERIFY2(result.contains(QStringLiteral("八字：癸巳 丁巳 丙戌 癸巳 · 身强 · 喜用神：金、土")), qPrintable(result));
    QVERIFY2(result.contains(QString::fromUtf8(c.expected)), qPrintable(result));
    dialog->close();
  }
  QVERIFY(recorded.messages.empty());

  // A birthplace far west moves the hour pillar by true solar time.
  namedChild<QPushButton>(*main, QStringLiteral("按钮_生辰八字"))->click();
  auto* dialog = namedChild<PastimeWindow>(*main, QStringLiteral("窗口_生辰八字"));
  namedChild<QComboBox>(*dialog, QStringLiteral("组合框_时辰"))->setCurrentIndex(1 + 10);
  auto* place = namedChild<QComboBox>(*dialog, QStringLiteral("组合框_出生地"));
  place->setCurrentIndex(place->findText(QStringLiteral("乌鲁木齐"), Qt::MatchStartsWith));
  namedChild<QPushButton>(*dialog, QStringLiteral("按钮_排盘"))->click();
  QVERIFY2(dialog->resultText().contains(QStringLiteral("壬辰")), qPrintable(dialog->resultText()));
  QVERIFY(dialog->resultText().contains(QStringLiteral("真太阳时")));
  dialog->close();
}

void BirthChartWindowTest::theGenerationPageShowsTheChartOfItsBirthday() {
  Recorded recorded;
  auto main = window(recorded);
  auto* line = namedChild<QLabel>(*main, QStringLiteral("标签_八字"));
  QCOMPARE(line->text(), QStringLiteral("八字：癸巳 丁巳 丙戌 癸巳 · 身强 · 喜用神：金、土"));
  QVERIFY(!line->isHidden());

  // The chart windows start from that birthday, not from today.
  auto* year = namedChild<QComboBox>(*main, QStringLiteral("组合框_年"));
  year->setCurrentIndex(year->findText(QStringLiteral("2015")));
  main->switchToPage(Page::Fate);
  namedChild<QPushButton>(*main, QStringLiteral("按钮_生辰八字"))->click();
  auto* dialog = namedChild<PastimeWindow>(*main, QStringLiteral("窗口_生辰八字"));
  QCOMPARE(namedChild<QDateEdit>(*dialog, QStringLiteral("日期框_生日"))->date(), QDate(2015, 5, 20));
  QCOMPARE(namedChild<QComboBox>(*dialog, QStringLiteral("组合框_时辰"))->currentData().toInt(), 10);
  dialog->close();

  namedChild<QComboBox>(*main, QStringLiteral("组合框_生日"))->setCurrentIndex(1);  // "未知"
  QVERIFY(line->isHidden());
}

QTEST_MAIN(BirthChartWindowTest)
#include "BirthChartWindowTest.moc"
