#include <QApplication>
#include <QDateEdit>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <functional>

#include "TestHooks.h"
#include "app/CertificateWindow.h"
#include "app/GenerationPage.h"
#include "app/MainWindow.h"
#include "app/ReportWindow.h"
#include "app/ResultListModel.h"
#include "app/ScoringPage.h"
#include "certificate/CertificateRenderer.h"
#include "common/GbkCodec.h"

using namespace quillan::app;
using namespace quillan::app::testing;

namespace {

// Types text the way an input method commits it: key events carrying the characters.
void typeText(QWidget* widget, const QString& text) {
  QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text, Qt::NoModifier);
}

QString fileText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return {};
  }
  const auto text = quillan::common::gbkToUtf8(file.readAll().toStdString());
  return text ? QString::fromStdString(*text) : QString();
}

}  // namespace

class EvaluationWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void missingNamesAreRefused();
  void scoringOpensTheReportAndExportsText();
  void doubleClickedRowOpensItsReport();
  void certificateInputsAreChecked();
  void certificateOpensAndSavesInEveryFormat();
  void photoButtons();
};

void EvaluationWindowTest::missingNamesAreRefused() {
  Recorded recorded;
  auto window = makeWindow(recorded);
  window->switchToPage(Page::Scoring, ScoringTab::Score);
  ScoringPage* page = window->scoringPage();
  struct Case {
    QString surname, given, message;
    QLineEdit* focus;
  };
  const Case cases[] = {{"", "明华", "请输入姓氏！", page->surnameBox()}, {"李", "", "请输入名字！", page->givenBox()}};
  for (const Case& c : cases) {
    page->surnameBox()->setText(c.surname);
    page->givenBox()->setText(c.given);
    QTest::mouseClick(page->scoreButton(), Qt::LeftButton);
    QCOMPARE(recorded.messages.back().caption, QStringLiteral("温馨提示"));
    QCOMPARE(recorded.lastText(), c.message);
    QVERIFY(c.focus->hasFocus());
  }
}

void EvaluationWindowTest::scoringOpensTheReportAndExportsText() {
  Recorded recorded;
  auto window = makeWindow(recorded);
  window->switchToPage(Page::Scoring, ScoringTab::Score);
  ScoringPage* page = window->scoringPage();
  QVERIFY(page->scoreButton()->isEnabled());
  typeText(page->surnameBox(), QStringLiteral("李"));
  typeText(page->givenBox(), QStringLiteral("明华"));
  QTemporaryDir dir;
  recorded.saveAnswer = dir.filePath(QStringLiteral("报告"));

  QString shown;
  QString title;
  bool buttonDisabledWhileOpen = false;
  whenModalOpens<ReportWindow>([&](ReportWindow& report) {
    title = report.windowTitle();
    shown = report.browser()->toPlainText();
    buttonDisabledWhileOpen = !page->scoreButton()->isEnabled();
    QTest::mouseClick(report.findChild<QPushButton*>(QStringLiteral("按钮_导出文本")), Qt::LeftButton);
  });
  QTest::mouseClick(page->scoreButton(), Qt::LeftButton);
  QVERIFY(settle(*window));

  QCOMPARE(title, QStringLiteral("五格三才综合评分"));
  QVERIFY(buttonDisabledWhileOpen);
  QVERIFY(page->scoreButton()->isEnabled());
  QVERIFY2(shown.contains(QStringLiteral("姓名五格三才综合评分")), qPrintable(shown.left(200)));
  QVERIFY(shown.contains(QStringLiteral("李")));
  QCOMPARE(recorded.messages.back().caption, QStringLiteral("恭喜"));
  QCOMPARE(recorded.lastText(), QStringLiteral("保存成功！"));
  // The extension of the dialog's filter is added; the text report holds the same score.
  const QString text = fileText(recorded.saveAnswer + QStringLiteral(".txt"));
  QVERIFY(text.startsWith(QString(43, QChar(0x2508))));
  const QString scoreLine = text.section(QStringLiteral("\r\n"), 1, 1);
  QVERIFY(scoreLine.startsWith(QStringLiteral("『李明华』姓名五格三才综合评分：")));
  const QString score = scoreLine.section(QStringLiteral("："), 1).chopped(2);
  QVERIFY2(shown.contains(score + QStringLiteral("分")) || shown.contains(score), qPrintable(score));
}

void EvaluationWindowTest::doubleClickedRowOpensItsReport() {
  Recorded recorded;
  auto window = makeWindow(recorded);
  // 李明华: strokes 7, 8, 14 — grids 8, 15, 22, 15, 29.
  window->generationPage()->results().appendChunk(
      {quillan::generate::ResultRow{{"1", "李明华", "", "8,15,22,15,29", "", "", "88.5"}, {}}});
  QString shown;
  whenModalOpens<ReportWindow>([&](ReportWindow& report) { shown = report.browser()->toPlainText(); });
  window->switchToPage(Page::Generation, ScoringTab::Certificate);
  window->show();
  QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  QTableView* view = window->generationPage()->resultView();
  const QModelIndex cell = view->model()->index(0, 1);
  // A double-click arrives after the first click's press and release, as from a real mouse.
  const QPoint at = view->visualRect(cell).center();
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
  QVERIFY(settle(*window));
  QVERIFY2(shown.contains(QStringLiteral("88.5")), qPrintable(shown.right(200)));
  QVERIFY(shown.contains(QStringLiteral("22")));
}

void EvaluationWindowTest::certificateInputsAreChecked() {
  Recorded recorded;
  auto window = makeWindow(recorded);
  window->switchToPage(Page::Scoring, ScoringTab::Certificate);
  ScoringPage* page = window->scoringPage();
  struct Case {
    QString surname, given, hour, message;
  };
  const Case cases[] = {{"", "明华", "10", "请输入姓氏！"},
                        {"李", "", "10", "请输入名字！"},
                        {"李", "明华", "", "请输入出生时辰！"},
                        {"李", "明华", "24", "出生时辰应为0到23之间的整数"},
                        {"李", "明华", "十", "出生时辰应为0到23之间的整数"},
                        {"李", "明华", "-1", "出生时辰应为0到23之间的整数"}};
  for (const Case& c : cases) {
    page->surnameBox()->setText(c.surname);
    page->givenBox()->setText(c.given);
    page->hourBox()->setText(c.hour);
    QTest::mouseClick(page->certificateButton(), Qt::LeftButton);
    QCOMPARE(recorded.lastText(), c.message);
    QCOMPARE(recorded.messages.back().caption, QStringLiteral("温馨提示"));
  }
}

void EvaluationWindowTest::certificateOpensAndSavesInEveryFormat() {
  Recorded recorded;
  auto window = makeWindow(recorded);
  window->switchToPage(Page::Scoring, ScoringTab::Certificate);
  ScoringPage* page = window->scoringPage();
  page->surnameBox()->setText(QStringLiteral("李"));
  page->givenBox()->setText(QStringLiteral("明华"));
  page->dateBox()->setDate(QDate(2013, 5, 20));
  page->hourBox()->setText(QStringLiteral("10"));
  QCOMPARE(window->findChild<QLabel*>(QStringLiteral("标签_农历"))->text(),
           QStringLiteral("农历癸巳年 四月 十一 · 属蛇"));

  QTemporaryDir dir;
  const QSize expected = quillan::certificate::CertificateRenderer::logicalSize() * 2;
  struct Format {
    QString filter, name, file;
  };
  const Format formats[] = {{"BMP(*.bmp)", "a", "a.bmp"},
                            {"JPGE(*.jpg)", "b", "b.jpg"},
                            {"GIF(*.gif)", "c", "c.gif"},
                            {"PNG(*.png)", "d.png", "d.png"},
                            {"TIFF(*.tiff)", "e", "e.tiff"}};
  quillan::evaluate::EvaluationResult texts;
  QString number;
  whenModalOpens<CertificateWindow>([&](CertificateWindow& certificate) {
    texts = certificate.content().texts;
    number = certificate.content().number;
    for (const Format& f : formats) {
      recorded.saveFilter = f.filter;
      recorded.saveAnswer = dir.filePath(f.name);
      QTest::mouseClick(certificate.findChild<QPushButton*>(QStringLiteral("按钮_保存证书")), Qt::LeftButton);
      QCOMPARE(recorded.lastText(), QStringLiteral("保存成功！"));
    }
    // A file that cannot be written is reported, not passed off as saved.
    recorded.saveAnswer = dir.filePath(QStringLiteral("missing/x.png"));
    QTest::mouseClick(certificate.findChild<QPushButton*>(QStringLiteral("按钮_保存证书")), Qt::LeftButton);
    QVERIFY(recorded.lastText().startsWith(QStringLiteral("保存失败：")));
  });
  QTest::mouseClick(page->certificateButton(), Qt::LeftButton);
  QVERIFY(settle(*window));

  QCOMPARE(texts.birth.gregorian, std::string("2013年5月20日"));
  QCOMPARE(texts.birth.lunar, std::string("癸巳年 四月 十一"));
  QCOMPARE(texts.name, std::string("李明华"));
  QVERIFY(!texts.score.empty());
  QCOMPARE(number.size(), 36);
  QCOMPARE(recorded.saveCaptions.back(), QStringLiteral("保存转换后的文件"));
  for (const Format& f : formats) {
    QImageReader reader(dir.filePath(f.file));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(f.file + ": " + reader.errorString()));
    QCOMPARE(image.size(), expected);
  }
  QVERIFY(page->certificateButton()->isEnabled());
}

void EvaluationWindowTest::photoButtons() {
  Recorded recorded;
  auto window = makeWindow(recorded);
  ScoringPage* page = window->scoringPage();
  QVERIFY(!page->photo().isNull());  // the default photo
  auto* add = page->findChild<QPushButton*>(QStringLiteral("按钮5"));
  auto* remove = page->findChild<QPushButton*>(QStringLiteral("按钮6"));
  QVERIFY(add && remove);
  QCOMPARE(add->text(), QStringLiteral("添加照片"));
  QCOMPARE(remove->text(), QStringLiteral("删除照片"));
  QTemporaryDir dir;
  QImage picture(40, 60, QImage::Format_RGB32);
  picture.fill(Qt::blue);
  recorded.openAnswer = dir.filePath(QStringLiteral("p.jpg"));
  QVERIFY(picture.save(recorded.openAnswer));
  QTest::mouseClick(add, Qt::LeftButton);
  QCOMPARE(recorded.openCaptions.back(), QStringLiteral("加载图片"));
  QCOMPARE(page->photo().size(), QSize(40, 60));
  QTest::mouseClick(remove, Qt::LeftButton);
  QVERIFY(page->photo().isNull());
  recorded.openAnswer.clear();  // cancelled: unchanged
  QTest::mouseClick(add, Qt::LeftButton);
  QVERIFY(page->photo().isNull());
}

QTEST_MAIN(EvaluationWindowTest)
#include "EvaluationWindowTest.moc"
