#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "TestHooks.h"
#include "app/GrowthChartView.h"
#include "app/GrowthWindow.h"
#include "app/MainWindow.h"
#include "app/PastimeWindow.h"

using namespace quillan::app;
using namespace quillan::app::testing;

namespace {

QPushButton* button(const QObject& parent, const QString& caption) {
  return namedChild<QPushButton>(parent, QStringLiteral("按钮_") + caption);
}

QByteArray fileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

// The four functions of 更多功能 in the real main window, offscreen, with the records file in a
// folder of the test's own.
class MorePageTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void growthChartFromEntryToFiles();
  void unreadableRecordsAreKeptAside();
  void folkFunctionsShowCopyableResults();

 private:
  std::unique_ptr<MainWindow> openMorePage(Recorded& recorded);
  QString recordsPath() const { return data_.path() + QStringLiteral("/quillan/growth.tsv"); }

  QTemporaryDir data_;
};

void MorePageTest::initTestCase() {
  QVERIFY(data_.isValid());
  qputenv("XDG_DATA_HOME", data_.path().toUtf8());
}

void MorePageTest::init() { QDir(data_.path() + QStringLiteral("/quillan")).removeRecursively(); }

std::unique_ptr<MainWindow> MorePageTest::openMorePage(Recorded& recorded) {
  MainWindowOptions options = recordingOptions(recorded);
  options.now = [] { return QDateTime(QDate(2026, 7, 10), QTime(9, 0)); };
  auto window = makeWindow(std::move(options));
  window->switchToPage(Page::More);
  for (const char* caption : {"生长曲线", "星座", "求签", "生肖配对"}) {
    auto* feature = button(*window, QString::fromUtf8(caption));
    if (!feature->isEnabled() || !feature->isVisible()) {
      qFatal("the button %s cannot be pressed", caption);
    }
  }
  return window;
}

void MorePageTest::growthChartFromEntryToFiles() {
  Recorded recorded;
  auto window = openMorePage(recorded);
  QTest::mouseClick(button(*window, QStringLiteral("生长曲线")), Qt::LeftButton);
  auto* growth = namedChild<GrowthWindow>(*window, QStringLiteral("窗口_生长曲线"));
  QVERIFY(growth->isVisible());

  // As an input method commits it: one key event carrying the characters.
  QTest::sendKeyEvent(QTest::Click, namedChild<QLineEdit>(*growth, QStringLiteral("编辑框_孩子名字")), Qt::Key_unknown,
                      QStringLiteral("小宝"), Qt::NoModifier);
  namedChild<QDateEdit>(*growth, QStringLiteral("日期框_出生"))->setDate(QDate(2026, 1, 5));
  QTest::mouseClick(button(*growth, QStringLiteral("添加孩子")), Qt::LeftButton);
  QVERIFY2(recorded.messages.empty(), qPrintable(recorded.lastText()));
  QCOMPARE(namedChild<QComboBox>(*growth, QStringLiteral("组合框_孩子"))->currentText(), QStringLiteral("小宝"));

  auto* date = namedChild<QDateEdit>(*growth, QStringLiteral("日期框_测量"));
  auto* weight = namedChild<QLineEdit>(*growth, QStringLiteral("编辑框_体重"));
  auto* length = namedChild<QLineEdit>(*growth, QStringLiteral("编辑框_身长"));
  auto* table = namedChild<QTableWidget>(*growth, QStringLiteral("表格_测量"));
  date->setDate(QDate(2026, 7, 5));
  QTest::keyClicks(weight, QStringLiteral("7.9"));
  QTest::keyClicks(length, QStringLiteral("68"));
  QTest::mouseClick(button(*growth, QStringLiteral("添加测量")), Qt::LeftButton);
  QVERIFY2(recorded.messages.empty(), qPrintable(recorded.lastText()));
  QCOMPARE(table->rowCount(), 1);
  QCOMPARE(table->item(0, 1)->text(), QStringLiteral("6个月0天"));
  QCOMPARE(table->item(0, 2)->text(), QStringLiteral("7.9"));
  QCOMPARE(table->item(0, 3)->text(), QStringLiteral("P49.4 (z -0.02)"));
  auto* chart = namedChild<GrowthChartView>(*growth, QStringLiteral("画面_生长曲线"));
  QVERIFY(chart->chart());
  QCOMPARE(chart->chart()->childPoints.size(), std::size_t{1});
  auto* indicator = namedChild<QComboBox>(*growth, QStringLiteral("组合框_指标"));
  indicator->setCurrentIndex(indicator->findText(QStringLiteral("身长/身高别体重")));
  QVERIFY(QString::fromStdString(chart->chart()->title).endsWith(QStringLiteral("身长/身高别体重")));
  QCOMPARE(chart->chart()->childPoints.size(), std::size_t{1});
  QCOMPARE(table->item(0, 8)->text(), QStringLiteral("P45.9 (z -0.10)"));
  const QByteArray saved = fileBytes(recordsPath());
  QVERIFY(saved.contains("measurement\t小宝\t2026-07-05\t7.9\t68\t\n"));

  // Implausible entries: a message, and neither the list nor the file changes.
  struct Refused {
    QDate day;
    QString weight;
  };
  const Refused refused[] = {{QDate(2026, 7, 6), QStringLiteral("-1")},
                             {QDate(2026, 7, 11), QStringLiteral("8")},
                             {QDate(2026, 1, 4), QStringLiteral("3")},
                             {QDate(2026, 7, 6), QStringLiteral("79")},
                             {QDate(2026, 7, 6), QStringLiteral("七")}};
  for (const Refused& entry : refused) {
    recorded.messages.clear();
    date->setDate(entry.day);
    weight->setText(entry.weight);
    QTest::mouseClick(button(*growth, QStringLiteral("添加测量")), Qt::LeftButton);
    QCOMPARE(recorded.messages.size(), std::size_t{1});
    QCOMPARE(recorded.messages.back().caption, QStringLiteral("温馨提示"));
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(fileBytes(recordsPath()), saved);
  }
  weight->clear();
  length->clear();
  recorded.messages.clear();

  button(*growth, QStringLiteral("复制结果"))->click();
  QVERIFY(QApplication::clipboard()->text().contains(QStringLiteral("6个月0天")));

  const QString png = data_.path() + QStringLiteral("/chart.png");
  recorded.saveAnswer = png;
  button(*growth, QStringLiteral("保存图表"))->click();
  const QImage image(png);
  QVERIFY(!image.isNull());
  QVERIFY(image.width() > 1000);
  recorded.saveAnswer = data_.path() + QStringLiteral("/chart");
  recorded.saveFilter = QStringLiteral("PDF 文件 (*.pdf)");
  button(*growth, QStringLiteral("保存图表"))->click();
  QVERIFY(fileBytes(data_.path() + QStringLiteral("/chart.pdf")).startsWith("%PDF"));
  QVERIFY2(recorded.messages.empty(), qPrintable(recorded.lastText()));

  // Closed and opened again, the window reads what it saved.
  growth->close();
  QTRY_VERIFY(window->findChild<GrowthWindow*>(QStringLiteral("窗口_生长曲线")) == nullptr);
  button(*window, QStringLiteral("生长曲线"))->click();
  auto* again = namedChild<GrowthWindow>(*window, QStringLiteral("窗口_生长曲线"));
  auto* list = namedChild<QTableWidget>(*again, QStringLiteral("表格_测量"));
  QCOMPARE(list->rowCount(), 1);

  // Removing asks first; "No" keeps everything.
  list->selectRow(0);
  recorded.confirmAnswer = false;
  button(*again, QStringLiteral("删除测量"))->click();
  QCOMPARE(recorded.questions.size(), std::size_t{1});
  QCOMPARE(list->rowCount(), 1);
  QCOMPARE(fileBytes(recordsPath()), saved);
  recorded.confirmAnswer = true;
  button(*again, QStringLiteral("删除测量"))->click();
  QCOMPARE(list->rowCount(), 0);
  QVERIFY(!fileBytes(recordsPath()).contains("measurement"));
  button(*again, QStringLiteral("删除孩子"))->click();
  QCOMPARE(namedChild<QComboBox>(*again, QStringLiteral("组合框_孩子"))->count(), 0);
  QCOMPARE(fileBytes(recordsPath()), QByteArray("quillan-growth 1\n"));
  again->close();
}

void MorePageTest::unreadableRecordsAreKeptAside() {
  QDir().mkpath(data_.path() + QStringLiteral("/quillan"));
  {
    QFile file(recordsPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("quillan-growth 1\nchild\t小宝\tboy\t2026-01-");
  }
  Recorded recorded;
  auto window = openMorePage(recorded);
  button(*window, QStringLiteral("生长曲线"))->click();
  QCOMPARE(recorded.messages.size(), std::size_t{1});
  QVERIFY(recorded.lastText().contains(QStringLiteral("无法读取")));
  QVERIFY(!QFile::exists(recordsPath()));
  const QStringList aside =
      QDir(data_.path() + QStringLiteral("/quillan")).entryList({QStringLiteral("growth.tsv.unreadable-*")});
  QCOMPARE(aside.size(), 1);
  QVERIFY(recorded.lastText().contains(aside.front()));
  namedChild<GrowthWindow>(*window, QStringLiteral("窗口_生长曲线"))->close();
}

void MorePageTest::folkFunctionsShowCopyableResults() {
  Recorded recorded;
  auto window = openMorePage(recorded);

  button(*window, QStringLiteral("星座"))->click();
  auto* signs = namedChild<PastimeWindow>(*window, QStringLiteral("窗口_星座"));
  namedChild<QDateEdit>(*signs, QStringLiteral("日期框_生日"))->setDate(QDate(2026, 3, 21));
  button(*signs, QStringLiteral("查看星座"))->click();
  QVERIFY(signs->resultText().contains(QStringLiteral("白羊座")));
  QVERIFY(signs->resultText().contains(QStringLiteral("火象")));
  auto* result = namedChild<QTextBrowser>(*signs, QStringLiteral("文本_结果"));
  QVERIFY(result->focusPolicy() & Qt::TabFocus);
  button(*signs, QStringLiteral("复制结果"))->click();
  QCOMPARE(QApplication::clipboard()->text(), signs->resultText());

  button(*window, QStringLiteral("求签"))->click();
  auto* sticks = namedChild<PastimeWindow>(*window, QStringLiteral("窗口_求签"));
  button(*sticks, QStringLiteral("摇签"))->click();
  QTRY_VERIFY(sticks->resultText().startsWith(QStringLiteral("第 ")));
  QVERIFY(sticks->resultText().contains(QStringLiteral("签 · ")));

  button(*window, QStringLiteral("生肖配对"))->click();
  auto* pairs = namedChild<PastimeWindow>(*window, QStringLiteral("窗口_生肖配对"));
  namedChild<QSpinBox>(*pairs, QStringLiteral("数字框_出生年甲"))->setValue(2020);
  namedChild<QSpinBox>(*pairs, QStringLiteral("数字框_出生年乙"))->setValue(2021);
  QVERIFY(
      namedChild<QComboBox>(*pairs, QStringLiteral("组合框_生肖甲"))->currentText().startsWith(QStringLiteral("鼠")));
  button(*pairs, QStringLiteral("配对"))->click();
  QVERIFY(pairs->resultText().contains(QStringLiteral("六合")));
  QVERIFY(recorded.messages.empty());
  for (PastimeWindow* open : {signs, sticks, pairs}) {
    open->close();
  }
}

QTEST_MAIN(MorePageTest)
#include "MorePageTest.moc"
