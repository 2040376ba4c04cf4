#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <condition_variable>
#include <mutex>

#include "TestHooks.h"
#include "app/GenerationController.h"
#include "app/GenerationPage.h"
#include "app/ResultListModel.h"
#include "chars/MemoryCharacterLookup.h"
#include "common/GbkCodec.h"
#include "generate/Generate.h"
#include "generate/ResultExport.h"
#include "service/EmbeddedDataService.h"

using namespace quillan;
using namespace quillan::app;
using namespace quillan::app::testing;

namespace {

// Small lists whose strokes give high-score rows for 李 (7): 8 + 10 passes every grid test.
chars::CharacterLists testLists() {
  return {{"明,明,ming,8,火", "峰,峰,feng,10,土", "华,華,hua,14,水", "成,成,cheng,7,金", "思,思,si,9,金",
           "远,遠,yuan,17,土", "宇,宇,yu,6,土", "轩,軒,xuan,10,土", "浩,浩,hao,11,水", "天,天,tian,4,火"},
          {"婉,婉,wan,11,土", "欢,歡,huan,22,木", "倩,倩,qian,10,金", "怡,怡,yi,9,土", "雪,雪,xue,11,水"}};
}

std::shared_ptr<chars::MemoryCharacterLookup> testLookup() {
  return std::make_shared<chars::MemoryCharacterLookup>(
      std::vector<chars::CharRecord>{{"李", "李", "li", "7", "木"},
                                     {"欧", "歐", "ou", "15", "土"},
                                     {"阳", "陽", "yang", "17", "土"},
                                     {"成", "成", "cheng", "7", "金"},
                                     {"明", "明", "ming", "8", "火"},
                                     {"华", "華", "hua", "14", "水"}});
}

// A lookup that holds every question until the test lets it go, to look at the window mid-run.
class GatedLookup final : public chars::CharacterLookup {
 public:
  chars::LookupResult lookup(std::string_view character) override {
    std::unique_lock hold(mutex_);
    waiting_ = true;
    released_.wait(hold, [this] { return open_; });
    return inner_.lookup(character);
  }
  void open() {
    const std::lock_guard guard(mutex_);
    open_ = true;
    released_.notify_all();
  }
  bool waiting() {
    const std::lock_guard guard(mutex_);
    return waiting_;
  }

 private:
  chars::MemoryCharacterLookup inner_{{{"李", "李", "li", "7", "木"}}};
  std::mutex mutex_;
  std::condition_variable released_;
  bool open_ = false;
  bool waiting_ = false;
};

template <typename T>
T* child(const QObject& window, const char* name) {
  T* found = window.findChild<T*>(QString::fromUtf8(name));
  if (found == nullptr) {
    qFatal("no widget named %s", name);
  }
  return found;
}

std::unique_ptr<MainWindow> windowWith(Recorded& recorded, std::shared_ptr<chars::CharacterLookup> lookup) {
  MainWindowOptions options = recordingOptions(recorded);
  options.lists = testLists();
  options.lookup = std::move(lookup);
  return makeWindow(std::move(options));
}

// Clicks "生成" and waits for the run to end.
bool runOnce(MainWindow& window) {
  QSignalSpy done(window.generation(), &GenerationController::finished);
  child<QPushButton>(window, "按钮_生成")->click();
  return done.wait(20000);
}

std::vector<generate::ResultRow> listed(const MainWindow& window) { return window.generationPage()->results().rows(); }

std::vector<generate::ResultRow> expected(const MainWindow& window, chars::CharacterLookup& lookup) {
  std::vector<generate::ResultRow> rows;
  generate::GenerationSinks sinks;
  sinks.row = [&rows](generate::ResultRow row) { rows.push_back(std::move(row)); };
  generate::runGenerate(window.generationPage()->request(), window.lists(), lookup, sinks);
  return rows;
}

}  // namespace

class GenerationPageTest : public QObject {
  Q_OBJECT

 private slots:
  void classicRunListsHundredNumberedRows();
  void emptySurnameLeavesTheList();
  void highScoreRunEndsWithItsCount();
  void commandsWaitWhileARunWaits();
  void unreachableServiceSaysSo();
  void nicknamePanelChoiceReachesTheRun();
  void selfChosenCharactersAreCombined();
  void exportWritesTheExportFile();
  void embeddedServiceServesTheWindow();
  void configuredServiceIsUsed();
  void configuredServiceThatIsDownIsReported();
  void avoidListIsKeptAndReachesTheRun();
  void unreadablePreferencesAreKeptAside();
};

void GenerationPageTest::classicRunListsHundredNumberedRows() {
  Recorded recorded;
  auto lookup = testLookup();
  auto window = windowWith(recorded, lookup);
  child<QLineEdit>(*window, "编辑框1")->setText(QStringLiteral("李"));
  QVERIFY(runOnce(*window));
  const auto rows = listed(*window);
  QCOMPARE(rows.size(), std::size_t{100});
  for (std::size_t i = 0; i < rows.size(); ++i) {
    QCOMPARE(rows[i].cells[0], std::to_string(i + 1));
    QVERIFY(rows[i].cells[1].starts_with("李"));
  }
  QVERIFY(rows == expected(*window, *lookup));
  QVERIFY(!child<QWidget>(*window, "图片框_介绍")->isVisible());
  QVERIFY(child<QPushButton>(*window, "按钮_生成")->isEnabled());
  QVERIFY(child<QPushButton>(*window, "按钮_导出")->isEnabled());
  QVERIFY(recorded.messages.empty());
  QCOMPARE(child<QTableView>(*window, "超级列表框1")->model()->rowCount(), 100);

  // The list's hint shows now that the list is no longer covered by the introduction.
  QTest::mouseMove(child<QTableView>(*window, "超级列表框1")->viewport());
  QTRY_COMPARE(child<QLabel>(*window, "状态条1_部分0")->text(), QStringLiteral("双击列表可查看名字详细评分说明"));

  // The same inputs give the same list; another hour gives another.
  QVERIFY(runOnce(*window));
  QVERIFY(listed(*window) == rows);
  auto* hour = child<QComboBox>(*window, "组合框_时");
  hour->setCurrentIndex((hour->currentIndex() + 1) % hour->count());
  QVERIFY(runOnce(*window));
  QVERIFY(listed(*window) != rows);
}

void GenerationPageTest::emptySurnameLeavesTheList() {
  Recorded recorded;
  auto window = windowWith(recorded, testLookup());
  auto* surname = child<QLineEdit>(*window, "编辑框1");
  surname->setText(QStringLiteral("李"));
  QVERIFY(runOnce(*window));
  const auto before = listed(*window);
  surname->clear();
  child<QPushButton>(*window, "按钮_导出")->setFocus();
  child<QPushButton>(*window, "按钮_生成")->click();
  QCOMPARE(recorded.messages.size(), std::size_t{1});
  QCOMPARE(recorded.messages.back().caption, QStringLiteral("温馨提示"));
  QCOMPARE(recorded.messages.back().text, QStringLiteral("请输入姓氏"));
  QVERIFY(surname->hasFocus());
  QVERIFY(!window->generation()->running());
  QVERIFY(listed(*window) == before);
  QVERIFY(child<QPushButton>(*window, "按钮_生成")->isEnabled());
}

void GenerationPageTest::highScoreRunEndsWithItsCount() {
  Recorded recorded;
  auto lookup = testLookup();
  auto window = windowWith(recorded, lookup);
  child<QLineEdit>(*window, "编辑框1")->setText(QStringLiteral("李"));
  auto* length = child<QComboBox>(*window, "组合框_个数");
  length->setCurrentIndex(0);  // "二字": the high-score run switches to "三字"
  child<QAbstractButton>(*window, "单选框_高分模式")->click();
  QVERIFY(runOnce(*window));

  const auto rows = listed(*window);
  QVERIFY(!rows.empty());
  QVERIFY(rows == expected(*window, *lookup));
  QCOMPARE(recorded.messages.size(), std::size_t{1});
  QCOMPARE(recorded.messages.back().text, QStringLiteral("本次共生成高分名字%1个").arg(rows.size()));
  QCOMPARE(length->currentText(), QStringLiteral("三字"));
  QVERIFY(child<QPushButton>(*window, "按钮_设置")->isEnabled());
  // 李明峰: 8 and 10 strokes pass every grid test.
  QVERIFY(std::any_of(rows.begin(), rows.end(), [](const generate::ResultRow& row) {
    return row.cells[1] == "李明峰" && row.cells[3] == "8,15,18,11,25";
  }));
  // The progress line was shown for the run and is gone again.
  QVERIFY(!child<QProgressBar>(*window, "进度条1")->isVisible());
  QVERIFY(!child<QLabel>(*window, "透明标签_进度")->isVisible());
  QVERIFY(child<QLabel>(*window, "透明标签_广告")->isVisible());
  QCOMPARE(child<QProgressBar>(*window, "进度条1")->maximum(), static_cast<int>(testLists().boys.size()));
}

void GenerationPageTest::commandsWaitWhileARunWaits() {
  Recorded recorded;
  auto gate = std::make_shared<GatedLookup>();
  auto window = windowWith(recorded, gate);
  child<QLineEdit>(*window, "编辑框1")->setText(QStringLiteral("李"));
  QSignalSpy done(window->generation(), &GenerationController::finished);
  child<QPushButton>(*window, "按钮_生成")->click();
  QTRY_VERIFY(gate->waiting());

  // The window goes on answering while the lookup waits ...
  bool ticked = false;
  QTimer::singleShot(10, [&ticked] { ticked = true; });
  QTRY_VERIFY(ticked);
  // ... and refuses what could interleave with the run.
  QVERIFY(!child<QPushButton>(*window, "按钮_生成")->isEnabled());
  QVERIFY(!child<QPushButton>(*window, "按钮_导出")->isEnabled());
  QVERIFY(!child<QPushButton>(*window, "按钮9")->isEnabled());
  QVERIFY(!child<QPushButton>(*window, "按钮4")->isEnabled());
  QVERIFY(window->generationPage()->busy());
  QSignalSpy activated(window->generationPage(), &GenerationPage::rowActivated);
  auto* view = child<QTableView>(*window, "超级列表框1");
  emit view->doubleClicked(view->model()->index(0, 0));
  QCOMPARE(activated.count(), 0);

  gate->open();
  QVERIFY(done.wait(20000));
  QCOMPARE(listed(*window).size(), std::size_t{100});
  QVERIFY(child<QPushButton>(*window, "按钮_生成")->isEnabled());
  QVERIFY(child<QPushButton>(*window, "按钮_导出")->isEnabled());
  QVERIFY(!window->generationPage()->busy());
  emit view->doubleClicked(view->model()->index(0, 1));
  QCOMPARE(activated.count(), 1);
}

void GenerationPageTest::unreachableServiceSaysSo() {
  Recorded recorded;
  auto lookup = testLookup();
  auto window = windowWith(recorded, lookup);
  child<QLineEdit>(*window, "编辑框1")->setText(QStringLiteral("李"));
  QVERIFY(runOnce(*window));
  const auto before = listed(*window);
  lookup->setReachable(false);
  QVERIFY(runOnce(*window));
  QCOMPARE(recorded.lastText(), QStringLiteral("无法连接数据服务"));
  QVERIFY(listed(*window) == before);
  QVERIFY(child<QPushButton>(*window, "按钮_生成")->isEnabled());
}

void GenerationPageTest::nicknamePanelChoiceReachesTheRun() {
  Recorded recorded;
  auto window = windowWith(recorded, testLookup());
  child<QLineEdit>(*window, "编辑框1")->setText(QStringLiteral("李"));
  child<QAbstractButton>(*window, "单选框_起小名")->click();
  child<QAbstractButton>(*window, "单选框_A儿")->click();
  child<QAbstractButton>(*window, "按钮_自选1")->click();
  QVERIFY(!child<QWidget>(*window, "分组框8")->isVisible());
  QVERIFY(runOnce(*window));
  const auto rows = listed(*window);
  QCOMPARE(rows.size(), std::size_t{100});
  for (const auto& row : rows) {
    QVERIFY(row.cells[1].ends_with("儿"));
    QVERIFY(row.cells[2].ends_with("金"));
  }
}

void GenerationPageTest::selfChosenCharactersAreCombined() {
  Recorded recorded;
  auto window = windowWith(recorded, testLookup());
  child<QLineEdit>(*window, "编辑框1")->setText(QStringLiteral("李"));
  child<QAbstractButton>(*window, "单选框_自选模式")->click();
  child<QLineEdit>(*window, "编辑框5")->setText(QStringLiteral("明华"));
  child<QAbstractButton>(*window, "按钮_自选")->click();
  QVERIFY(runOnce(*window));
  std::vector<std::string> names;
  for (const auto& row : listed(*window)) {
    names.push_back(row.cells[1]);
  }
  QCOMPARE(names, (std::vector<std::string>{"李明明", "李明华", "李华明", "李华华"}));
  QCOMPARE(child<QComboBox>(*window, "组合框_个数")->currentText(), QStringLiteral("三字"));
}

void GenerationPageTest::exportWritesTheExportFile() {
  Recorded recorded;
  auto window = windowWith(recorded, testLookup());
  QTemporaryDir folder;
  const QString target = folder.filePath(QStringLiteral("名字.txt"));
  recorded.saveAnswer = target;

  child<QPushButton>(*window, "按钮_导出")->click();
  QCOMPARE(recorded.lastText(), QStringLiteral("没有可导出的名字"));
  QVERIFY(recorded.saveCaptions.empty());
  QVERIFY(!QFile::exists(target));

  child<QLineEdit>(*window, "编辑框1")->setText(QStringLiteral("李"));
  QVERIFY(runOnce(*window));
  child<QPushButton>(*window, "按钮_导出")->click();
  QCOMPARE(recorded.saveCaptions.size(), std::size_t{1});
  QVERIFY(recorded.lastText().contains(QDir::toNativeSeparators(target)));
  QFile file(target);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  const auto gbk = common::utf8ToGbk(generate::exportText(listed(*window)));
  QVERIFY(gbk.has_value());
  QCOMPARE(bytes, QByteArray::fromStdString(*gbk));
  // The header the window holds (a text box keeps lines, not line ends) is the file's first three lines.
  const QString header = child<QWidget>(*window, "编辑框4")->property("plainText").toString();
  const QString written = QString::fromStdString(*common::gbkToUtf8(bytes.toStdString()));
  QCOMPARE(header.split(QLatin1Char('\n')), written.split(QStringLiteral("\r\n")).mid(0, 3));
  QCOMPARE(header.split(QLatin1Char('\n')).front(), QString(37, QChar(0x2550)));

  // A cancelled dialog writes nothing; a write that fails says so.
  const std::size_t said = recorded.messages.size();
  recorded.saveAnswer.clear();
  child<QPushButton>(*window, "按钮_导出")->click();
  QCOMPARE(recorded.messages.size(), said);
  recorded.saveAnswer = folder.filePath(QStringLiteral("没有这个文件夹/名字.txt"));
  child<QPushButton>(*window, "按钮_导出")->click();
  QVERIFY(recorded.lastText().startsWith(QStringLiteral("导出失败：")));
  QVERIFY(recorded.lastText().size() > QStringLiteral("导出失败：").size());
}

void GenerationPageTest::embeddedServiceServesTheWindow() {
  // The program as it starts: no lookup given, so the window starts the embedded data service.
  Recorded recorded;
  auto window = makeWindow(recordingOptions(recorded));
  QVERIFY2(window->sources().lookup != nullptr, window->serviceProblem().c_str());
  child<QLineEdit>(*window, "编辑框1")->setText(QStringLiteral("李"));
  QVERIFY(runOnce(*window));
  QCOMPARE(recorded.messages.size(), std::size_t{0});
  QCOMPARE(listed(*window).size(), std::size_t{100});
  QVERIFY(listed(*window) == expected(*window, *window->sources().lookup));
}

void GenerationPageTest::configuredServiceIsUsed() {
  // A service of its own stands in for a remote one: the window must go there, not embed another.
  service::EmbeddedDataService remote;
  Recorded recorded;
  MainWindowOptions options = recordingOptions(recorded);
  options.config.serviceBase = QString::fromStdString(remote.baseAddress());
  options.config.serviceKey = QString::fromStdString(remote.keyText());
  auto window = makeWindow(std::move(options));
  QVERIFY2(window->sources().lookup != nullptr, window->serviceProblem().c_str());
  QCOMPARE(window->sources().description, "the data service at " + remote.baseAddress());
  child<QLineEdit>(*window, "编辑框1")->setText(QStringLiteral("李"));
  QVERIFY(runOnce(*window));
  QCOMPARE(listed(*window).size(), std::size_t{100});
  QVERIFY(recorded.messages.empty());
}

void GenerationPageTest::configuredServiceThatIsDownIsReported() {
  Recorded recorded;
  MainWindowOptions options = recordingOptions(recorded);
  options.config.serviceBase = QStringLiteral("http://127.0.0.1:1/");
  options.config.serviceKey = QString::fromStdString(service::EmbeddedDataService().keyText());
  auto window = makeWindow(std::move(options));
  QVERIFY(window->sources().lookup == nullptr);
  QVERIFY(!window->serviceProblem().empty());
  child<QLineEdit>(*window, "编辑框1")->setText(QStringLiteral("李"));
  QVERIFY(runOnce(*window));
  QCOMPARE(recorded.lastText(), QStringLiteral("无法连接数据服务"));
  QVERIFY(listed(*window).empty());
  QVERIFY(child<QWidget>(*window, "图片框_介绍")->isVisible());
}

void GenerationPageTest::avoidListIsKeptAndReachesTheRun() {
  Recorded recorded;
  auto lookup = testLookup();
  MainWindowOptions options = recordingOptions(recorded);
  options.lists = testLists();
  options.lookup = lookup;
  const std::filesystem::path preferences = options.preferencesFile;
  auto window = makeWindow(std::move(options));
  auto* characters = child<QLineEdit>(*window, "编辑框_避开字");
  auto* sounds = child<QLineEdit>(*window, "编辑框_避开音");

  // A sound that is no syllable is refused and the boxes keep the last good list.
  sounds->setText(QStringLiteral("guo,xx"));
  emit sounds->editingFinished();
  QCOMPARE(recorded.lastText(), QStringLiteral("要避开的读音「xx」不是一个拼音音节（例如 guo、hua）"));
  QCOMPARE(sounds->text(), QString());
  QVERIFY(!std::filesystem::exists(preferences));

  characters->setText(QStringLiteral("华、明"));
  emit characters->editingFinished();
  sounds->setText(QStringLiteral("Feng"));
  emit sounds->editingFinished();
  QCOMPARE(characters->text(), QStringLiteral("华明"));
  QCOMPARE(sounds->text(), QStringLiteral("feng"));

  child<QLineEdit>(*window, "编辑框1")->setText(QStringLiteral("李"));
  child<QAbstractButton>(*window, "单选框_高分模式")->click();
  QVERIFY(runOnce(*window));
  const auto rows = listed(*window);
  QVERIFY(!rows.empty());
  QVERIFY(rows == expected(*window, *lookup));
  for (const auto& row : rows) {
    const QString name = QString::fromStdString(row.cells[1]);
    QVERIFY2(!name.contains(QStringLiteral("华")) && !name.contains(QStringLiteral("明")) &&
                 !name.contains(QStringLiteral("峰")),
             qPrintable(name));
  }
  QVERIFY(recorded.lastText().contains(QStringLiteral("筛选去掉了")));

  // The list was saved and a new window starts with it.
  Recorded again;
  MainWindowOptions next = recordingOptions(again);
  next.lists = testLists();
  next.lookup = lookup;
  next.preferencesFile = preferences;
  auto reopened = makeWindow(std::move(next));
  QCOMPARE(child<QLineEdit>(*reopened, "编辑框_避开字")->text(), QStringLiteral("华明"));
  QCOMPARE(child<QLineEdit>(*reopened, "编辑框_避开音")->text(), QStringLiteral("feng"));
  QVERIFY(again.messages.empty());
  std::filesystem::remove(preferences);
}

void GenerationPageTest::unreadablePreferencesAreKeptAside() {
  QTemporaryDir folder;
  const std::filesystem::path file = std::filesystem::path(folder.path().toStdString()) / "preferences.txt";
  {
    QFile broken(QString::fromStdString(file.string()));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("avoid_characters=国\nthis line means nothing\n");
  }
  Recorded recorded;
  MainWindowOptions options = recordingOptions(recorded);
  options.lists = testLists();
  options.lookup = testLookup();
  options.preferencesFile = file;
  auto window = makeWindow(std::move(options));
  QCOMPARE(child<QLineEdit>(*window, "编辑框_避开字")->text(), QString());
  QVERIFY(recorded.lastText().contains(QStringLiteral("无法读取")));
  QVERIFY(!std::filesystem::exists(file));
  int kept = 0;
  for (const auto& entry : std::filesystem::directory_iterator(file.parent_path())) {
    kept += entry.path().filename().string().starts_with("preferences.txt.unreadable-") ? 1 : 0;
    QVERIFY(recorded.lastText().contains(QString::fromStdString(entry.path().string())));
  }
  QCOMPARE(kept, 1);
}

QTEST_MAIN(GenerationPageTest)
#include "GenerationPageTest.moc"
