#include <QAbstractItemView>
#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QTest>

#include "TestHooks.h"
#include "app/LunarCalendarWidget.h"
#include "app/MainWindow.h"
#include "app/ScoringPage.h"

using namespace quillan::app;
using namespace quillan::app::testing;

namespace {

LunarCalendarWidget* lunarCalendarOf(ScoringPage* page) {
  return qobject_cast<LunarCalendarWidget*>(page->dateBox()->calendarWidget());
}

// The cell that shows `day`; a grid of six weeks shows days 15–21 of its month only.
QModelIndex cellOfDay(QAbstractItemView* view, int day) {
  const QAbstractItemModel* model = view->model();
  for (int row = 1; row < model->rowCount(); ++row) {
    for (int column = 0; column < model->columnCount(); ++column) {
      const QModelIndex index = model->index(row, column);
      if (index.data(Qt::DisplayRole).toString() == QString::number(day)) {
        return index;
      }
    }
  }
  return {};
}

}  // namespace

class LunarCalendarTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void dateBoxUsesTheLunarCalendar();
  void cellTexts_data();
  void cellTexts();
  void pickingADayFromThePopup();

 private:
  Recorded recorded_;
  std::unique_ptr<MainWindow> window_;
};

void LunarCalendarTest::initTestCase() { window_ = makeWindow(recorded_); }

void LunarCalendarTest::dateBoxUsesTheLunarCalendar() {
  QDateEdit* box = window_->scoringPage()->dateBox();
  QVERIFY(box->calendarPopup());
  LunarCalendarWidget* calendar = lunarCalendarOf(window_->scoringPage());
  QVERIFY(calendar != nullptr);
  QCOMPARE(calendar->minimumDate(), QDate(1901, 1, 1));
  QCOMPARE(calendar->maximumDate(), QDate(2100, 12, 31));
  QCOMPARE(calendar->firstDayOfWeek(), Qt::Monday);
}

void LunarCalendarTest::cellTexts_data() {
  QTest::addColumn<QDate>("date");
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("solarTerm");
  QTest::newRow("lunar day") << QDate(2013, 5, 20) << "十一" << false;
  QTest::newRow("first of 四月") << QDate(2013, 5, 10) << "四月" << false;
  QTest::newRow("first of a leap month") << QDate(2023, 3, 22) << "闰二月" << false;
  QTest::newRow("first of 正月") << QDate(2024, 2, 10) << "正月" << false;
  QTest::newRow("立春") << QDate(2024, 2, 4) << "立春" << true;
  QTest::newRow("清明") << QDate(2024, 4, 4) << "清明" << true;
  QTest::newRow("a term on 正月初一 wins") << QDate(2015, 2, 19) << "雨水" << true;
  QTest::newRow("last day of the range") << QDate(2100, 12, 31) << "腊月" << false;
  QTest::newRow("before the range") << QDate(1900, 12, 31) << "" << false;
  QTest::newRow("after the range") << QDate(2101, 1, 1) << "" << false;
  QTest::newRow("invalid") << QDate() << "" << false;
}

void LunarCalendarTest::cellTexts() {
  QFETCH(QDate, date);
  QFETCH(QString, text);
  QFETCH(bool, solarTerm);
  LunarCalendarWidget* calendar = lunarCalendarOf(window_->scoringPage());
  QVERIFY(calendar != nullptr);
  const LunarCellText cell = calendar->cellText(date);
  QCOMPARE(cell.text, text);
  QCOMPARE(cell.solarTerm, solarTerm);
}

void LunarCalendarTest::pickingADayFromThePopup() {
  window_->switchToPage(Page::Scoring, ScoringTab::Certificate);
  ScoringPage* page = window_->scoringPage();
  QDateEdit* box = page->dateBox();
  box->setDate(QDate(2013, 5, 16));
  LunarCalendarWidget* calendar = lunarCalendarOf(page);
  QVERIFY(calendar != nullptr);

  // The drop-down arrow sits at the right end of the box.
  QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(box->width() - 6, box->height() / 2));
  QTRY_VERIFY(calendar->isVisible());
  QCOMPARE(calendar->selectedDate(), QDate(2013, 5, 16));
  const QSize hint = calendar->sizeHint();
  QVERIFY2(calendar->width() >= hint.width() && calendar->height() >= hint.height(), "the popup is cut");

  // The selected day is painted as a filled accent cell, which only the lunar cells draw.
  auto* view = calendar->findChild<QAbstractItemView*>(QStringLiteral("qt_calendar_calendarview"));
  QVERIFY(view != nullptr);
  const QImage image = calendar->grab().toImage();
  QVERIFY(!image.isNull());
  const QRect selected = view->visualRect(cellOfDay(view, 16));
  QVERIFY(selected.isValid());
  const QPoint corner = view->viewport()->mapTo(calendar, selected.topLeft() + QPoint(6, 6));
  const qreal ratio = image.devicePixelRatio();
  QCOMPARE(image.pixelColor(QPoint(qRound(corner.x() * ratio), qRound(corner.y() * ratio))).name(),
           calendar->accent().name());

  // A click on the 20th picks it, closes the popup and shows its lunar date beside the box.
  const QRect twentieth = view->visualRect(cellOfDay(view, 20));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, twentieth.center());
  QTRY_VERIFY(!calendar->isVisible());
  QCOMPARE(box->date(), QDate(2013, 5, 20));
  auto* caption = page->findChild<QLabel*>(QStringLiteral("标签_农历"));
  QVERIFY(caption != nullptr);
  QCOMPARE(caption->text(), QStringLiteral("农历癸巳年 四月 十一 · 属蛇"));
}

QTEST_MAIN(LunarCalendarTest)
#include "LunarCalendarTest.moc"
