#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "TestHooks.h"
#include "app/MainWindow.h"
#include "app/PastimeWindow.h"

using namespace quillan::app;
using namespace quillan::app::testing;

// Every function of 命运测算 and 民俗预测 beyond the birth chart, pressed in the real main window
// (offscreen) as a user would: each opens its window, takes its inputs and shows a result.
class FolkPagesTest : public QObject {
  Q_OBJECT

 private slots:
  void everyButtonOpensAWindowWithAResult();
  void badInputIsAnsweredAndResultsAreSaved();

 private:
  static std::unique_ptr<MainWindow> window(Recorded& recorded) {
    MainWindowOptions options = recordingOptions(recorded);
    // The generation page's birthday starts the birth boxes: 2013-05-20, 10 o'clock.
    options.now = [] { return QDateTime(QDate(2013, 5, 20), QTime(10, 0)); };
    return makeWindow(std::move(options));
  }

  static PastimeWindow* open(MainWindow& main, Page page, const QString& caption) {
    main.switchToPage(page);
    namedChild<QPushButton>(main, QStringLiteral("按钮_") + caption)->click();
    auto* dialog = namedChild<PastimeWindow>(main, QStringLiteral("窗口_") + caption);
    if (!QTest::qWaitForWindowExposed(dialog)) {
      qFatal("the window of %s did not open", qPrintable(caption));
    }
    return dialog;
  }
};

void FolkPagesTest::everyButtonOpensAWindowWithAResult() {
  Recorded recorded;
  auto main = window(recorded);
  const struct {
    Page page;
    const char* caption;
    std::function<void(PastimeWindow&)> enter;  // the user's inputs, before the run button
    const char* run;
    const char* expected;
  } cases[] = {
      {Page::Fate, "称骨论命", {}, "称骨", "合计：四两一钱"},
      {Page::Fate, "上辈为人", {}, "查看", "生年天干：癸"},
      {Page::Fate, "姓命配对",
       [](PastimeWindow& w) {
         namedChild<QLineEdit>(w, QStringLiteral("编辑框_姓"))->setText(QStringLiteral("李"));
         namedChild<QLineEdit>(w, QStringLiteral("编辑框_名"))->setText(QStringLiteral("明华"));
       },
       "配对", "补用神金"},
      {Page::Folk, "耳鸣预测",
       [](PastimeWindow& w) {
         namedChild<QComboBox>(w, QStringLiteral("组合框_时辰"))->setCurrentIndex(0);
         namedChild<QComboBox>(w, QStringLiteral("组合框_左右"))->setCurrentIndex(1);
       },
       "查看", "子时（23:00–01:00） · 右耳鸣"},
      {Page::Folk, "面热预测", {}, "查看", "巳时（09:00–11:00） · 面热"},  // the hour it is now
      {Page::Folk, "心惊预测", {}, "查看", "巳时（09:00–11:00） · 心惊"},
      {Page::Folk, "眼跳预测", {}, "查看", "左眼跳"},
      {Page::Folk, "号码吉凶",
       [](PastimeWindow& w) {
         namedChild<QLineEdit>(w, QStringLiteral("编辑框_号码"))->setText(QStringLiteral("13812345678"));
       },
       "测算", "13812345678 → 5678 → 5678 mod 80 = 78 → 凶"},
      {Page::Folk, "生男生女",
       [](PastimeWindow& w) {
         namedChild<QDateEdit>(w, QStringLiteral("日期框_母亲生日"))->setDate(QDate(1990, 6, 15));
         namedChild<QDateEdit>(w, QStringLiteral("日期框_受孕日期"))->setDate(QDate(2007, 4, 20));
       },
       "查表", "清宫表上写的是：女"},
      {Page::Folk, "指纹预测",
       [](PastimeWindow& w) { namedChild<QSpinBox>(w, QStringLiteral("数字框_斗数"))->setValue(3); }, "查看",
       "3个斗，7个簸箕"},
      {Page::Folk, "三世财运", {}, "查看", "今生"},
  };
  for (const auto& c : cases) {
    const QString caption = QString::fromUtf8(c.caption);
    auto* dialog = open(*main, c.page, caption);
    if (c.enter) {
      c.enter(*dialog);
    }
    namedChild<QPushButton>(*dialog, QStringLiteral("按钮_") + QString::fromUtf8(c.run))->click();
    QVERIFY(settle(*main));
    QVERIFY2(dialog->resultText().contains(QString::fromUtf8(c.expected)),
             qPrintable(caption + QStringLiteral(": ") + dialog->resultText()));
    dialog->close();
  }
  QVERIFY2(recorded.messages.empty(), qPrintable(recorded.lastText()));

  // 姓氏起源: searched by reading, chosen from the list, with the strokes from the data service.
  auto* origins = open(*main, Page::Fate, QStringLiteral("姓氏起源"));
  namedChild<QLineEdit>(*origins, QStringLiteral("编辑框_姓氏"))->setText(QStringLiteral("sima"));
  auto* list = namedChild<QListWidget>(*origins, QStringLiteral("列表_姓氏"));
  QCOMPARE(list->count(), 1);
  list->setCurrentRow(0);
  QVERIFY(settle(*main));
  QVERIFY2(origins->resultText().contains(QStringLiteral("司马 sī mǎ")), qPrintable(origins->resultText()));
  QVERIFY2(origins->resultText().contains(QStringLiteral("康熙笔划：5 + 10")), qPrintable(origins->resultText()));
  QVERIFY(origins->resultText().contains(QStringLiteral("天格：15（大吉）")));
  namedChild<QLineEdit>(*origins, QStringLiteral("编辑框_姓氏"))->setText(QStringLiteral("龘"));
  QCOMPARE(list->count(), 0);
  QVERIFY(origins->resultText().contains(QStringLiteral("没有找到「龘」的起源资料")));
}

void FolkPagesTest::badInputIsAnsweredAndResultsAreSaved() {
  Recorded recorded;
  auto main = window(recorded);
  auto* number = open(*main, Page::Folk, QStringLiteral("号码吉凶"));
  auto* box = namedChild<QLineEdit>(*number, QStringLiteral("编辑框_号码"));
  box->setText(QStringLiteral("京A12345"));
  namedChild<QPushButton>(*number, QStringLiteral("按钮_测算"))->click();
  QCOMPARE(recorded.messages.size(), std::size_t{1});
  QCOMPARE(recorded.messages.back().caption, QStringLiteral("温馨提示"));
  QVERIFY(recorded.lastText().contains(QStringLiteral("只能由数字0-9组成")));
  QVERIFY(number->resultText().isEmpty());

  box->setText(QStringLiteral("0081"));
  namedChild<QPushButton>(*number, QStringLiteral("按钮_测算"))->click();
  QTemporaryDir folder;
  recorded.saveAnswer = folder.filePath(QStringLiteral("号码.txt"));
  namedChild<QPushButton>(*number, QStringLiteral("按钮_保存结果"))->click();
  QFile saved(recorded.saveAnswer);
  QVERIFY(saved.open(QIODevice::ReadOnly));
  QVERIFY(QString::fromUtf8(saved.readAll()).contains(QStringLiteral("0081 → 81 mod 80 = 1 → 大吉")));

  // The table lists mothers of 虚岁 18-45 only.
  auto* gender = open(*main, Page::Folk, QStringLiteral("生男生女"));
  namedChild<QDateEdit>(*gender, QStringLiteral("日期框_母亲生日"))->setDate(QDate(1990, 6, 15));
  namedChild<QDateEdit>(*gender, QStringLiteral("日期框_受孕日期"))->setDate(QDate(2035, 6, 1));
  namedChild<QPushButton>(*gender, QStringLiteral("按钮_查表"))->click();
  QVERIFY(recorded.lastText().contains(QStringLiteral("虚岁46岁")));
  QVERIFY(gender->resultText().isEmpty());
}

QTEST_MAIN(FolkPagesTest)
#include "FolkPagesTest.moc"
