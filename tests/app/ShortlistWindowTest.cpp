// The result list's sorting, filtering and export, the shortlist page, the comparison and the PDF,
// driven through the real window.

#include <QAction>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

#include "TestHooks.h"
#include "app/CertificateWindow.h"
#include "app/CompareWindow.h"
#include "app/GenerationPage.h"
#include "app/ReportWindow.h"
#include "app/ResultListModel.h"
#include "app/ScoringPage.h"
#include "app/ShortlistPage.h"
#include "common/GbkCodec.h"
#include "shortlist/ShortlistStore.h"

using namespace quillan;
using namespace quillan::app;
using namespace quillan::app::testing;

namespace {

template <typename T>
T* child(const QObject& window, const char* name) {
  T* found = window.findChild<T*>(QString::fromUtf8(name));
  if (found == nullptr) {
    qFatal("no widget named %s", name);
  }
  return found;
}

// Rows as a high-score run for 李 makes them (strokes 7; 8 + 14, 9 + 17, 10 + 11).
std::vector<generate::ResultRow> runRows() {
  return {
      {{"1", "李明华", "木火水", "8,15,22,15,29", "吉,大吉,吉,大吉,吉", "金,土,木", "96.5"}, {"lǐ míng huá", -1}},
      {{"2", "李思远", "木金土", "8,16,26,18,33", "吉,大吉,凶,吉,大吉", "金,土,土", "100"}, {"lǐ sī yuǎn", -1}},
      {{"3", "李浩然", "木水金", "8,18,23,13,30", "吉,吉,大吉,大吉,凶", "金,金,火", "89"}, {"lǐ hào rán", -1}},
  };
}

QStringList column(const QAbstractItemModel& model, int c) {
  QStringList cells;
  for (int r = 0; r < model.rowCount(); ++r) {
    cells << model.index(r, c).data().toString();
  }
  return cells;
}

void clickHeader(QTableView* view, int section) {
  QHeaderView* header = view->horizontalHeader();
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(section) + 10, header->height() / 2));
}

// A PDF's bytes with its compressed streams inflated, in lower case: where its fonts map glyphs
// back to characters (the ToUnicode maps) can be searched.
QByteArray pdfStreams(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return {};
  }
  const QByteArray bytes = file.readAll();
  QByteArray all = bytes.toLower();
  for (qsizetype at = bytes.indexOf("stream"); at >= 0; at = bytes.indexOf("stream", at + 1)) {
    qsizetype begin = at + 6;
    while (begin < bytes.size() && (bytes[begin] == '\r' || bytes[begin] == '\n')) {
      ++begin;
    }
    const qsizetype end = bytes.indexOf("endstream", begin);
    if (end < 0) {
      break;
    }
    const qsizetype dictionary = bytes.lastIndexOf("<<", at);
    if (dictionary < 0 || !bytes.mid(dictionary, at - dictionary).contains("/FlateDecode")) {
      at = end;
      continue;
    }
    QByteArray framed(4, '\0');
    const quint32 room = 1u << 22;  // qUncompress wants the size ahead; a bound is enough
    framed[0] = static_cast<char>(room >> 24);
    framed[1] = static_cast<char>((room >> 16) & 0xff);
    framed[2] = static_cast<char>((room >> 8) & 0xff);
    framed[3] = static_cast<char>(room & 0xff);
    framed += bytes.mid(begin, end - begin);
    all += qUncompress(framed).toLower();
    at = end;
  }
  return all;
}

bool mapsCharacters(const QByteArray& streams, const QString& text) {
  for (const QChar c : text) {
    const QByteArray code = QByteArray::number(c.unicode(), 16).rightJustified(4, '0');
    if (!streams.contains("<" + code + ">")) {
      return false;
    }
  }
  return true;
}

}  // namespace

class ShortlistWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void headerSortsByValueAndReverses();
  void filterBarCountsAndExportWritesTheShownRows();
  void euphonyColumnAndFilterForRunsThatHaveIt();
  void addFromRowRefusesDuplicates();
  void addFromTheReportWindow();
  void addFromTheScoringPage();
  void twoWindowsShareTheShortlist();
  void unreadableShortlistIsKeptAsideAndSaid();
  void compareTwoShortlistedNames();
  void shortlistSavesAsPdfAndPrints();
  void theCommandLineSharesTheWindowsFile();
  void reportAndCertificateSaveAsPdf();
};

void ShortlistWindowTest::headerSortsByValueAndReverses() {
  Recorded recorded;
  auto window = makeWindow(recorded);
  window->show();
  QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  window->generationPage()->results().appendChunk(runRows());
  QTableView* view = window->generationPage()->resultView();

  clickHeader(view, 6);
  // As numbers "100" is the highest score, though as text it would come first.
  QCOMPARE(column(*view->model(), 6), (QStringList{"89", "96.5", "100"}));
  // Each row keeps its own number.
  QCOMPARE(column(*view->model(), 0), (QStringList{"3", "1", "2"}));
  clickHeader(view, 6);
  QCOMPARE(column(*view->model(), 6), (QStringList{"100", "96.5", "89"}));
  clickHeader(view, 1);
  // By pinyin: hào, míng, sī.
  QCOMPARE(column(*view->model(), 1), (QStringList{"李浩然", "李明华", "李思远"}));
  // The euphony column stays hidden for a run without it.
  QVERIFY(view->isColumnHidden(ResultListModel::kEuphonyColumn));
}

void ShortlistWindowTest::filterBarCountsAndExportWritesTheShownRows() {
  Recorded recorded;
  auto window = makeWindow(recorded);
  window->generationPage()->results().appendChunk(runRows());
  auto* counts = child<QLabel>(*window, "标签_显示数");
  QCOMPARE(counts->text(), QStringLiteral("显示 3 / 共 3 个"));
  child<QDoubleSpinBox>(*window, "数字框_最低分")->setValue(90);
  QCOMPARE(counts->text(), QStringLiteral("显示 2 / 共 3 个"));
  child<QLineEdit>(*window, "编辑框_搜索")->setText(QStringLiteral("yuan"));
  QCOMPARE(counts->text(), QStringLiteral("显示 1 / 共 3 个"));
  child<QLineEdit>(*window, "编辑框_搜索")->clear();
  clickHeader(window->generationPage()->resultView(), 6);
  clickHeader(window->generationPage()->resultView(), 6);

  QTemporaryDir dir;
  recorded.saveAnswer = dir.filePath(QStringLiteral("names.txt"));
  QTest::mouseClick(window->generationPage()->exportButton(), Qt::LeftButton);
  QVERIFY2(recorded.lastText().startsWith(QStringLiteral("已导出 2 个名字到")), qPrintable(recorded.lastText()));
  QFile file(recorded.saveAnswer);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const auto text = common::gbkToUtf8(file.readAll().toStdString());
  QVERIFY(text.has_value());
  const QStringList lines = QString::fromStdString(*text).split(QStringLiteral("\r\n"));
  // The fixed header's three lines, then the shown rows in the order shown.
  QCOMPARE(lines.size(), 6);
  QVERIFY(lines[1].startsWith(QStringLiteral("编号★姓名★")));
  QVERIFY(lines[3].startsWith(QStringLiteral("2★李思远★")));
  QVERIFY(lines[4].startsWith(QStringLiteral("1★李明华★")));
  QCOMPARE(lines[5], QString());

  child<QPushButton>(*window, "按钮_清除筛选")->click();
  QCOMPARE(counts->text(), QStringLiteral("显示 3 / 共 3 个"));
}

void ShortlistWindowTest::euphonyColumnAndFilterForRunsThatHaveIt() {
  Recorded recorded;
  auto window = makeWindow(recorded);
  window->show();
  QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  auto rows = runRows();
  rows[0].details.euphony = 72;
  rows[1].details.euphony = 9;
  rows[2].details.euphony = 100;
  window->generationPage()->results().appendChunk(rows);
  QTableView* view = window->generationPage()->resultView();
  QVERIFY(!view->isColumnHidden(ResultListModel::kEuphonyColumn));
  QCOMPARE(view->model()->headerData(ResultListModel::kEuphonyColumn, Qt::Horizontal).toString(),
           QStringLiteral("音律"));
  clickHeader(view, ResultListModel::kEuphonyColumn);
  // As numbers: 9 before 72 before 100.
  QCOMPARE(column(*view->model(), 1), (QStringList{"李思远", "李明华", "李浩然"}));
  auto* lowest = child<QSpinBox>(*window, "数字框_最低音律");
  QVERIFY(lowest->isVisible());
  lowest->setValue(70);
  QCOMPARE(child<QLabel>(*window, "标签_显示数")->text(), QStringLiteral("显示 2 / 共 3 个"));
}

void ShortlistWindowTest::addFromRowRefusesDuplicates() {
  Recorded recorded;
  auto window = makeWindow(recorded);
  window->generationPage()->results().appendChunk(runRows());
  QTableView* view = window->generationPage()->resultView();
  clickHeader(view, 6);  // 李浩然, 李明华, 李思远
  view->setCurrentIndex(view->model()->index(1, 1));
  auto* keep = child<QPushButton>(*window, "按钮_加入备选");
  QTest::mouseClick(keep, Qt::LeftButton);
  const auto& kept = window->shortlistPage()->entries();
  QCOMPARE(kept.size(), std::size_t{1});
  QCOMPARE(QString::fromStdString(kept[0].fullName()), QStringLiteral("李明华"));
  QCOMPARE(QString::fromStdString(kept[0].given), QStringLiteral("明华"));
  QCOMPARE(QString::fromStdString(kept[0].score), QStringLiteral("96.5"));
  QCOMPARE(QString::fromStdString(kept[0].added), QDate::currentDate().toString(Qt::ISODate));

  // The context menu's entry (and its shortcut) does the same; a second time is refused.
  child<QAction>(*view, "动作_加入备选")->trigger();
  QCOMPARE(recorded.lastText(), QStringLiteral("「李明华」已在备选名单中"));
  QCOMPARE(window->shortlistPage()->entries().size(), std::size_t{1});

  // The page, reached from the toolbar, lists it with its meanings.
  child<QAction>(*window, "工具条1_备选名单")->trigger();
  auto* table = child<QTableWidget>(*window, "表格_备选名单");
  QVERIFY(table->isVisible() || !window->isVisible());
  QCOMPARE(table->item(0, 0)->text(), QStringLiteral("李明华"));
  QVERIFY(table->item(0, 3)->text().contains(QStringLiteral("明：光明磊落")));
  // A note written in the table is saved at once.
  table->item(0, 6)->setText(QStringLiteral("外婆喜欢"));
  const auto savedNote = [&] {
    const auto saved = shortlist::ShortlistStore(window->shortlistPage()->store().file()).read();
    return saved.list.empty() ? QString() : QString::fromStdString(saved.list.front().note);
  };
  QTRY_COMPARE(savedNote(), QStringLiteral("外婆喜欢"));
}

void ShortlistWindowTest::addFromTheReportWindow() {
  Recorded recorded;
  auto window = makeWindow(recorded);
  window->generationPage()->results().appendChunk(runRows());
  window->show();
  QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  whenModalOpens<ReportWindow>([](ReportWindow& report) {
    QTest::mouseClick(report.findChild<QPushButton*>(QStringLiteral("按钮_报告加入备选")), Qt::LeftButton);
  });
  QTableView* view = window->generationPage()->resultView();
  const QPoint at = view->visualRect(view->model()->index(2, 1)).center();
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
  QVERIFY(settle(*window));
  const auto& kept = window->shortlistPage()->entries();
  QCOMPARE(kept.size(), std::size_t{1});
  QCOMPARE(QString::fromStdString(kept[0].fullName()), QStringLiteral("李浩然"));
  QVERIFY(!kept[0].pinyin.empty());
}

void ShortlistWindowTest::addFromTheScoringPage() {
  Recorded recorded;
  auto window = makeWindow(recorded);
  window->switchToPage(Page::Scoring, ScoringTab::Score);
  ScoringPage* page = window->scoringPage();
  page->surnameBox()->setText(QStringLiteral("欧阳"));
  page->givenBox()->setText(QStringLiteral("明华"));
  QTest::mouseClick(page->keepButton(), Qt::LeftButton);
  QVERIFY(settle(*window));
  const auto& kept = window->shortlistPage()->entries();
  QCOMPARE(kept.size(), std::size_t{1});
  QCOMPARE(QString::fromStdString(kept[0].surname), QStringLiteral("欧阳"));
  QCOMPARE(QString::fromStdString(kept[0].given), QStringLiteral("明华"));
  QVERIFY(!kept[0].score.empty());
  QVERIFY2(QString::fromStdString(kept[0].pinyin).startsWith(QStringLiteral("ōu yáng")), kept[0].pinyin.c_str());
}

void ShortlistWindowTest::twoWindowsShareTheShortlist() {
  Recorded first;
  Recorded second;
  auto one = makeWindow(first);
  MainWindowOptions options = recordingOptions(second);
  options.shortlistFile =
      std::filesystem::path(first.dataFolder.filePath(QStringLiteral("shortlist.tsv")).toStdString());
  auto other = makeWindow(std::move(options));

  QVERIFY(one->shortlistPage()->add({"李", "明华", "96.5", "lǐ míng huá", -1, {}, {}}));
  QVERIFY(other->shortlistPage()->add({"李", "思远", "100", "lǐ sī yuǎn", -1, {}, {}}));
  // Each window's page shows the other's name once it is opened again.
  one->switchToPage(Page::Shortlist);
  one->shortlistPage()->refresh();
  QCOMPARE(one->shortlistPage()->table()->rowCount(), 2);
  QCOMPARE(one->shortlistPage()->table()->item(1, 0)->text(), QStringLiteral("李思远"));
  // And the second window's duplicate of the first's name is refused.
  QVERIFY(!other->shortlistPage()->add({"李", "明华", "96.5", {}, -1, {}, {}}));
}

void ShortlistWindowTest::unreadableShortlistIsKeptAsideAndSaid() {
  Recorded recorded;
  const QString file = recorded.dataFolder.filePath(QStringLiteral("shortlist.tsv"));
  {
    QFile broken(file);
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("李明华 written by hand\n");
  }
  auto window = makeWindow(recorded);
  QVERIFY2(std::any_of(recorded.messages.begin(), recorded.messages.end(),
                       [](const auto& m) { return m.text.contains(QStringLiteral("备选名单文件无法读取")); }),
           qPrintable(recorded.lastText()));
  QVERIFY(window->shortlistPage()->entries().empty());
  const QStringList aside =
      QDir(recorded.dataFolder.path()).entryList({QStringLiteral("shortlist.tsv.unreadable-*")}, QDir::Files);
  QCOMPARE(aside.size(), 1);
  QFile kept(QDir(recorded.dataFolder.path()).filePath(aside.front()));
  QVERIFY(kept.open(QIODevice::ReadOnly));
  QCOMPARE(kept.readAll(), QByteArray("李明华 written by hand\n"));
  // A new name starts a new file; the kept one stays as it was.
  QVERIFY(window->shortlistPage()->add({"李", "思远", "95", {}, -1, {}, {}}));
  QVERIFY(QFile::exists(file));
}

void ShortlistWindowTest::compareTwoShortlistedNames() {
  Recorded recorded;
  auto window = makeWindow(recorded);
  QVERIFY(window->shortlistPage()->add({"李", "明华", "", "", 88, {}, {}}));
  QVERIFY(window->shortlistPage()->add({"李", "思远", "", "", -1, {}, {}}));
  window->switchToPage(Page::Shortlist);
  auto* compare = child<QPushButton>(*window, "按钮_对比");
  QTableWidget* table = window->shortlistPage()->table();
  table->selectRow(0);
  QTest::mouseClick(compare, Qt::LeftButton);
  QCOMPARE(recorded.lastText(), QStringLiteral("请选择两到四个名字进行对比"));
  table->selectAll();
  QTest::mouseClick(compare, Qt::LeftButton);
  QVERIFY(settle(*window));
  auto* comparison = window->findChild<CompareWindow*>(QStringLiteral("对比窗口"));
  QVERIFY(comparison != nullptr);
  QTableWidget* cells = comparison->table();
  QCOMPARE(cells->horizontalHeaderItem(0)->text(), QStringLiteral("李明华"));
  QCOMPARE(cells->horizontalHeaderItem(1)->text(), QStringLiteral("李思远"));
  // 天格 is the surname's alone: the same; 繁体 differs and is marked.
  for (int r = 0; r < cells->rowCount(); ++r) {
    const QString label = cells->verticalHeaderItem(r)->text();
    const bool marked = cells->item(r, 0)->data(Qt::UserRole).toBool();
    if (label.startsWith(QStringLiteral("天格"))) {
      QVERIFY(!marked);
    }
    if (label.startsWith(QStringLiteral("繁体"))) {
      QVERIFY(marked);
      QCOMPARE(cells->item(r, 0)->text(), QStringLiteral("李明華"));
    }
    if (label.startsWith(QStringLiteral("音律分"))) {
      QCOMPARE(cells->item(r, 0)->text(), QStringLiteral("88"));
    }
  }
  comparison->close();
}

void ShortlistWindowTest::shortlistSavesAsPdfAndPrints() {
  Recorded recorded;
  auto window = makeWindow(recorded);
  QVERIFY(window->shortlistPage()->add({"李", "明华", "96.5", "lǐ míng huá", -1, {}, "第一页"}));
  QVERIFY(window->shortlistPage()->add({"欧阳", "思远", "100", "ōu yáng sī yuǎn", -1, {}, {}}));
  window->switchToPage(Page::Shortlist);
  QTemporaryDir dir;
  recorded.saveAnswer = dir.filePath(QStringLiteral("名单"));
  QTest::mouseClick(child<QPushButton>(*window, "按钮_名单PDF"), Qt::LeftButton);
  const QString pdf = recorded.saveAnswer + QStringLiteral(".pdf");
  QVERIFY2(recorded.lastText().contains(QStringLiteral("已保存为PDF")), qPrintable(recorded.lastText()));
  QFile file(pdf);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  QVERIFY(bytes.startsWith("%PDF-"));
  QVERIFY(mapsCharacters(pdfStreams(pdf), QStringLiteral("李明华欧阳思远")));
  // One name to a page: two pages, A4 (595 x 842 points).
  QVERIFY2(bytes.contains("/Count 2"), bytes.left(2000).constData());
  const QRegularExpression a4(QStringLiteral("/MediaBox \\[0 0 595(\\.0+)? 842(\\.0+)?\\]"));
  QVERIFY(a4.match(QString::fromLatin1(bytes)).hasMatch());

  // Printing goes through the print dialog's hook; here it prints into a PDF file.
  recorded.printTo = dir.filePath(QStringLiteral("printed.pdf"));
  QTest::mouseClick(child<QPushButton>(*window, "按钮_打印名单"), Qt::LeftButton);
  QCOMPARE(recorded.printDialogs, 1);
  QVERIFY(mapsCharacters(pdfStreams(recorded.printTo), QStringLiteral("李明华")));
}

void ShortlistWindowTest::theCommandLineSharesTheWindowsFile() {
  QTemporaryDir home;
  Recorded recorded;
  MainWindowOptions options = recordingOptions(recorded);
  // Where the command line finds it: $XDG_DATA_HOME/quillan/shortlist.tsv.
  options.shortlistFile = std::filesystem::path(home.filePath(QStringLiteral("quillan/shortlist.tsv")).toStdString());
  auto window = makeWindow(std::move(options));
  QVERIFY(window->shortlistPage()->add({"李", "明华", "96.5", "lǐ míng huá", -1, {}, {}}));

  const auto cli = [&](const QStringList& arguments) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUILLAN_CLI_PROGRAM), arguments);
    program.waitForFinished(60000);
    return std::make_pair(program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()));
  };
  const auto listed =
      cli({QStringLiteral("shortlist"), QStringLiteral("list"), QStringLiteral("--format"), QStringLiteral("json")});
  QCOMPARE(listed.first, 0);
  QVERIFY2(listed.second.contains(QStringLiteral("\"name\":\"李明华\"")), qPrintable(listed.second));

  const auto added = cli({QStringLiteral("shortlist"), QStringLiteral("add"), QStringLiteral("李"),
                          QStringLiteral("思远"), QStringLiteral("--note"), QStringLiteral("外公起的")});
  QCOMPARE(added.first, 0);
  window->shortlistPage()->refresh();
  const auto& kept = window->shortlistPage()->entries();
  QCOMPARE(kept.size(), std::size_t{2});
  QCOMPARE(QString::fromStdString(kept[1].fullName()), QStringLiteral("李思远"));
  QCOMPARE(QString::fromStdString(kept[1].note), QStringLiteral("外公起的"));
  QVERIFY(!kept[1].score.empty());

  // A name the window kept is refused by the command line as well.
  QCOMPARE(
      cli({QStringLiteral("shortlist"), QStringLiteral("add"), QStringLiteral("李"), QStringLiteral("明华")}).first, 2);
}

void ShortlistWindowTest::reportAndCertificateSaveAsPdf() {
  Recorded recorded;
  auto window = makeWindow(recorded);
  QTemporaryDir dir;
  ScoringPage* page = window->scoringPage();
  page->surnameBox()->setText(QStringLiteral("李"));
  page->givenBox()->setText(QStringLiteral("明华"));
  page->hourBox()->setText(QStringLiteral("10"));

  recorded.saveAnswer = dir.filePath(QStringLiteral("report.pdf"));
  whenModalOpens<ReportWindow>([](ReportWindow& report) {
    QTest::mouseClick(report.findChild<QPushButton*>(QStringLiteral("按钮_报告PDF")), Qt::LeftButton);
  });
  QTest::mouseClick(page->scoreButton(), Qt::LeftButton);
  QVERIFY(settle(*window));
  QVERIFY2(recorded.lastText().contains(QStringLiteral("已保存为PDF")), qPrintable(recorded.lastText()));
  QVERIFY(mapsCharacters(pdfStreams(recorded.saveAnswer), QStringLiteral("李明华姓名五格")));

  recorded.saveAnswer = dir.filePath(QStringLiteral("certificate.pdf"));
  whenModalOpens<CertificateWindow>([](CertificateWindow& certificate) {
    QTest::mouseClick(certificate.findChild<QPushButton*>(QStringLiteral("按钮_证书PDF")), Qt::LeftButton);
  });
  QTest::mouseClick(page->certificateButton(), Qt::LeftButton);
  QVERIFY(settle(*window));
  QVERIFY2(recorded.lastText().contains(QStringLiteral("已保存为PDF")), qPrintable(recorded.lastText()));
  QFile certificate(recorded.saveAnswer);
  QVERIFY(certificate.open(QIODevice::ReadOnly));
  const QByteArray bytes = certificate.readAll();
  QVERIFY(bytes.startsWith("%PDF-"));
  // The drawn certificate on its page.
  QVERIFY(bytes.contains("/Subtype /Image"));
}

QTEST_MAIN(ShortlistWindowTest)
#include "ShortlistWindowTest.moc"
