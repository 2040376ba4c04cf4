#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QSystemTrayIcon>
#include <QTest>

#include "TestHooks.h"
#include "app/BirthDateBoxes.h"
#include "app/GenerationPage.h"
#include "app/MainWindow.h"
#include "app/RecordingLookup.h"
#include "app/ServiceStatusText.h"
#include "app/SkinCatalog.h"
#include "app/TrayController.h"
#include "chars/MemoryCharacterLookup.h"

using namespace quillan::app;
using namespace quillan::app::testing;
using quillan::generate::GenerationCharOption;
using quillan::generate::NicknamePattern;

namespace {

template <typename T>
T* child(const QObject& window, const QString& name) {
  T* found = window.findChild<T*>(name);
  if (found == nullptr) {
    qFatal("no widget named %s", qPrintable(name));
  }
  return found;
}

QAction* action(const QObject& window, const QString& name) { return child<QAction>(window, name); }

QString statusText(const QObject& window) { return child<QLabel>(window, QStringLiteral("状态条1_部分0"))->text(); }

// Types text the way an input method commits it: key events carrying the characters.
void typeText(QWidget* widget, const QString& text) {
  QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text, Qt::NoModifier);
}

void selectText(QComboBox* box, const QString& text) {
  const int index = box->findText(text);
  QVERIFY2(index >= 0, qPrintable(text));
  box->setCurrentIndex(index);
}

}  // namespace

class MainWindowShellTest : public QObject {
  Q_OBJECT

 private slots:
  void startUpState();
  void nameLengthRule();
  void birthdayRule();
  void daysFollowYearAndMonth_data();
  void daysFollowYearAndMonth();
  void chineseOnlyBoxes_data();
  void chineseOnlyBoxes();
  void pasteIsCheckedToo();
  void statusHints();
  void skinMenuMovesTheTick();
  void pageSwitching_data();
  void pageSwitching();
  void generationCharPanelKeepsItsChoice();
  void modePanelsKeepTheirChoices();
  void homePageOnlyWhenConfigured();
  void minimiseToNotificationArea();
  void everyFeatureButtonWorks();
  void statusBarNamesTheDataService();
  void serviceStatusFollowsTheLastLookup();
};

void MainWindowShellTest::startUpState() {
  Recorded recorded;
  auto window = makeWindow(recorded);

  QCOMPARE(child<QStackedWidget>(*window, QStringLiteral("选择夹1"))->currentIndex(), 0);
  QCOMPARE(window->currentSkin(), SkinCatalog::defaultSkinNumber());
  QVERIFY(action(*window, QStringLiteral("菜单项_默认皮肤"))->isChecked());

  const QStringList enabledMenus{"快捷菜单",   "育儿知识",   "民俗知识", "生肖运程",
                                 "宝宝听儿歌", "宝宝听故事", "更换皮肤"};
  QStringList titles;
  for (QAction* top : window->menuBar()->actions()) {
    titles << top->text();
  }
  QCOMPARE(titles, enabledMenus + QStringList{"联系我们"});
  for (const QString& title : enabledMenus) {
    QVERIFY2(child<QMenu>(*window, QStringLiteral("菜单_") + title)->isEnabled(), qPrintable(title));
  }

  QVERIFY(child<QPushButton>(*window, QStringLiteral("按钮_生成"))->isEnabled());
  QVERIFY(!child<QLabel>(*window, QStringLiteral("标签_载入"))->isVisible());

  auto* years = child<QComboBox>(*window, QStringLiteral("组合框_年"));
  QCOMPARE(years->count(), 31);
  QCOMPARE(years->itemText(0), QStringLiteral("2000"));
  QCOMPARE(years->itemText(30), QStringLiteral("2030"));
  const QDate today = QDate::currentDate();
  QCOMPARE(years->currentText(),
           QString::number(std::clamp(today.year(), BirthDateBoxes::kFirstYear, BirthDateBoxes::kLastYear)));
  QCOMPARE(child<QComboBox>(*window, QStringLiteral("组合框_月"))->count(), 12);
  QCOMPARE(child<QComboBox>(*window, QStringLiteral("组合框_月"))->currentText(), QString::number(today.month()));
  QCOMPARE(child<QComboBox>(*window, QStringLiteral("组合框_日"))->currentText(), QString::number(today.day()));
  auto* hours = child<QComboBox>(*window, QStringLiteral("组合框_时"));
  QCOMPARE(hours->count(), 25);
  QCOMPARE(hours->itemText(0), QStringLiteral("0"));
  QCOMPARE(hours->itemText(23), QStringLiteral("23"));
  QCOMPARE(hours->itemText(24), QStringLiteral("未知"));

  QCOMPARE(child<QComboBox>(*window, QStringLiteral("组合框_个数"))->currentText(), QStringLiteral("三字"));
  QCOMPARE(child<QComboBox>(*window, QStringLiteral("组合框_生日"))->currentText(), QStringLiteral("生日"));
  QVERIFY(child<QPushButton>(*window, QStringLiteral("按钮_设置"))->isEnabled());
  QVERIFY(child<QRadioButton>(*window, QStringLiteral("单选框_男"))->isChecked());
  QVERIFY(child<QRadioButton>(*window, QStringLiteral("单选框_经典模式"))->isChecked());
  QVERIFY(child<QRadioButton>(*window, QStringLiteral("单选框_普通算法"))->isChecked());

  const QLabel* photo = child<QLabel>(*window, QStringLiteral("图片框2"));
  QVERIFY(!photo->pixmap().isNull());
  QVERIFY(child<QWidget>(*window, QStringLiteral("图片框_介绍"))->isVisible());
  for (const char* panel : {"分组框6", "分组框7", "分组框8"}) {
    QVERIFY(!child<QGroupBox>(*window, QString::fromUtf8(panel))->isVisible());
  }
  QVERIFY(statusText(*window).startsWith(QStringLiteral("Quillan")));
  QVERIFY(recorded.messages.empty());
}

void MainWindowShellTest::nameLengthRule() {
  Recorded recorded;
  auto window = makeWindow(recorded);
  auto* length = child<QComboBox>(*window, QStringLiteral("组合框_个数"));
  auto* settings = child<QPushButton>(*window, QStringLiteral("按钮_设置"));
  selectText(length, QStringLiteral("二字"));
  QVERIFY(!settings->isEnabled());
  selectText(length, QStringLiteral("三字"));
  QVERIFY(settings->isEnabled());
}

void MainWindowShellTest::birthdayRule() {
  Recorded recorded;
  auto window = makeWindow(recorded);
  auto* birthday = child<QComboBox>(*window, QStringLiteral("组合框_生日"));
  const QStringList boxes{"组合框_年", "组合框_月", "组合框_日", "组合框_时"};
  const QString dayBefore = child<QComboBox>(*window, QStringLiteral("组合框_日"))->currentText();
  selectText(birthday, QStringLiteral("未知"));
  for (const QString& name : boxes) {
    QVERIFY2(!child<QComboBox>(*window, name)->isEnabled(), qPrintable(name));
  }
  // The selections stay: the generation modes still read them.
  QCOMPARE(child<QComboBox>(*window, QStringLiteral("组合框_日"))->currentText(), dayBefore);
  selectText(birthday, QStringLiteral("生日"));
  for (const QString& name : boxes) {
    QVERIFY2(child<QComboBox>(*window, name)->isEnabled(), qPrintable(name));
  }
}

void MainWindowShellTest::daysFollowYearAndMonth_data() {
  QTest::addColumn<QString>("year");
  QTest::addColumn<QString>("month");
  QTest::addColumn<int>("days");
  QTest::addColumn<QString>("dayAfter");  // selected before: 31
  QTest::newRow("February 2012") << "2012"
                                 << "2" << 29 << "29";
  QTest::newRow("February 2013") << "2013"
                                 << "2" << 28 << "28";
  QTest::newRow("February 2000") << "2000"
                                 << "2" << 29 << "29";
  QTest::newRow("April") << "2013"
                         << "4" << 30 << "30";
  QTest::newRow("December") << "2013"
                            << "12" << 31 << "31";
}

void MainWindowShellTest::daysFollowYearAndMonth() {
  QFETCH(QString, year);
  QFETCH(QString, month);
  QFETCH(int, days);
  QFETCH(QString, dayAfter);
  Recorded recorded;
  auto window = makeWindow(recorded);
  auto* yearBox = child<QComboBox>(*window, QStringLiteral("组合框_年"));
  auto* monthBox = child<QComboBox>(*window, QStringLiteral("组合框_月"));
  auto* dayBox = child<QComboBox>(*window, QStringLiteral("组合框_日"));
  selectText(monthBox, QStringLiteral("1"));
  selectText(dayBox, QStringLiteral("31"));
  selectText(yearBox, year);
  selectText(monthBox, month);
  QCOMPARE(dayBox->count(), days);
  QCOMPARE(dayBox->itemText(days - 1), QString::number(days));
  QCOMPARE(dayBox->currentText(), dayAfter);
  QCOMPARE(daysInMonth(year.toInt(), month.toInt()), days);
}

void MainWindowShellTest::chineseOnlyBoxes_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<int>("page");
  QTest::addColumn<QString>("message");
  QTest::newRow("surname") << "编辑框1" << 0 << "姓氏只能是中文汉字";
  QTest::newRow("second character") << "编辑框2" << 0 << "名字只能是中文汉字";
  QTest::newRow("third character") << "编辑框3" << 0 << "名字只能是中文汉字";
  QTest::newRow("self-chosen") << "编辑框5" << 0 << "只能输入中文汉字";
  QTest::newRow("scoring surname") << "编辑框8" << 1 << "姓氏只能是中文汉字";
  QTest::newRow("scoring given name") << "编辑框9" << 1 << "名字只能是中文汉字";
}

void MainWindowShellTest::chineseOnlyBoxes() {
  QFETCH(QString, box);
  QFETCH(int, page);
  QFETCH(QString, message);
  Recorded recorded;
  auto window = makeWindow(recorded);
  window->switchToPage(static_cast<Page>(page), ScoringTab::Score);
  // The panels of the generation-character and self-chosen boxes must be open to type there.
  if (box == QStringLiteral("编辑框2") || box == QStringLiteral("编辑框3")) {
    QTest::mouseClick(child<QPushButton>(*window, QStringLiteral("按钮_设置")), Qt::LeftButton);
  } else if (box == QStringLiteral("编辑框5")) {
    QTest::mouseClick(child<QRadioButton>(*window, QStringLiteral("单选框_自选模式")), Qt::LeftButton);
  }
  auto* edit = child<QLineEdit>(*window, box);
  QVERIFY(edit->isVisible());
  edit->setFocus();

  typeText(edit, QStringLiteral("李"));
  QCOMPARE(edit->text(), QStringLiteral("李"));
  QVERIFY(recorded.messages.empty());

  for (const char key : {'a', '7', ' '}) {
    QTest::keyClick(edit, key);
    QCOMPARE(edit->text(), QStringLiteral("李"));
  }
  QCOMPARE(recorded.messages.size(), std::size_t{3});
  QCOMPARE(recorded.messages.front().caption, QStringLiteral("温馨提示"));
  QCOMPARE(recorded.messages.front().text, message);
  QVERIFY(edit->hasFocus());

  // A Han character GBK lacks is refused as well: it could not be written or sent.
  typeText(edit, QString::fromUcs4(U"\U00020000"));
  QCOMPARE(edit->text(), QStringLiteral("李"));

  QTest::keyClick(edit, Qt::Key_Return);
  QTest::keyClick(edit, Qt::Key_Backspace);
  QCOMPARE(edit->text(), QString());
  QCOMPARE(recorded.messages.size(), std::size_t{4});
}

void MainWindowShellTest::pasteIsCheckedToo() {
  Recorded recorded;
  auto window = makeWindow(recorded);
  auto* surname = child<QLineEdit>(*window, QStringLiteral("编辑框1"));
  surname->setFocus();
  QApplication::clipboard()->setText(QStringLiteral("li"));
  surname->paste();
  QCOMPARE(surname->text(), QString());
  QCOMPARE(recorded.lastText(), QStringLiteral("姓氏只能是中文汉字"));
  QApplication::clipboard()->setText(QStringLiteral("欧阳"));
  surname->paste();
  QCOMPARE(surname->text(), QStringLiteral("欧阳"));
  QCOMPARE(recorded.messages.size(), std::size_t{1});
}

void MainWindowShellTest::statusHints() {
  Recorded recorded;
  auto window = makeWindow(recorded);
  const QString defaultText = statusText(*window);
  const QList<QPair<QString, QString>> table{
      {"单选框_经典模式", "经典模式：每点击一次<生成>按钮可生成100个名字，从低分名到高分名应有尽有数量巨大"},
      {"单选框_高分模式", "高分模式：一键生成上万个全部为95分以上高质量的名字【为了查找方便生成的名字都按辈份字归类】"},
      {"单选框_自选模式", "自选模式：想生成什么字的名字组合全部由你决定"},
      {"单选框_起小名", "起小名：给宝宝起一个好听顺口的小名"},
      {"单选框_普通算法", "普通算法：使用本算法可生成几十万名字，不用再为找不到满意的名字而发愁"},
      {"单选框_高级算法", "高级算法：软件内部使用特殊算法计算，生成更加好听顺口易记的高质量名字"},
  };
  for (const auto& [name, hint] : table) {
    auto* control = child<QWidget>(*window, name);
    QTest::mouseMove(control);
    QTRY_COMPARE(statusText(*window), hint);
  }
  QTest::mouseMove(child<QWidget>(*window, QStringLiteral("按钮2")));
  QTRY_COMPARE(statusText(*window), defaultText);
}

void MainWindowShellTest::skinMenuMovesTheTick() {
  Recorded recorded;
  auto window = makeWindow(recorded);
  const QString defaultSheet = window->styleSheet();
  QVERIFY(!defaultSheet.isEmpty());
  action(*window, QStringLiteral("菜单项_经典皮肤3"))->trigger();
  QCOMPARE(window->currentSkin(), 23);
  QVERIFY(window->styleSheet() != defaultSheet);
  for (const Skin& skin : SkinCatalog::skins()) {
    QCOMPARE(action(*window, QStringLiteral("菜单项_") + skin.caption)->isChecked(), skin.number == 23);
  }
  action(*window, QStringLiteral("菜单项_默认皮肤"))->trigger();
  QCOMPARE(window->styleSheet(), defaultSheet);
  QVERIFY(!action(*window, QStringLiteral("菜单项_经典皮肤3"))->isChecked());
}

void MainWindowShellTest::pageSwitching_data() {
  QTest::addColumn<QString>("entry");
  QTest::addColumn<int>("innerBefore");
  QTest::addColumn<int>("page");
  QTest::addColumn<int>("inner");
  QTest::newRow("姓名生成") << "姓名生成" << 0 << 0 << 0;
  QTest::newRow("姓名评分") << "姓名评分" << 0 << 1 << 1;
  QTest::newRow("评定证书") << "评定证书" << 1 << 1 << 0;
  QTest::newRow("民俗预测") << "民俗预测" << 1 << 3 << 1;
  QTest::newRow("命运测算") << "命运测算" << 1 << 2 << 0;
  QTest::newRow("更多功能") << "更多功能" << 0 << 4 << 0;
}

void MainWindowShellTest::pageSwitching() {
  QFETCH(QString, entry);
  QFETCH(int, innerBefore);
  QFETCH(int, page);
  QFETCH(int, inner);
  Recorded recorded;
  auto window = makeWindow(recorded);
  auto* outer = child<QStackedWidget>(*window, QStringLiteral("选择夹1"));
  auto* inside = child<QStackedWidget>(*window, QStringLiteral("选择夹2"));
  for (const QString& prefix : {QStringLiteral("工具条1_"), QStringLiteral("快捷菜单_")}) {
    outer->setCurrentIndex(innerBefore == 0 ? 4 : 0);
    inside->setCurrentIndex(innerBefore);
    action(*window, prefix + entry)->trigger();
    QCOMPARE(outer->currentIndex(), page);
    QCOMPARE(inside->currentIndex(), inner);
  }
  QVERIFY(action(*window, QStringLiteral("工具条1_") + entry)->isChecked());
}

void MainWindowShellTest::generationCharPanelKeepsItsChoice() {
  Recorded recorded;
  auto window = makeWindow(recorded);
  auto* panel = child<QGroupBox>(*window, QStringLiteral("分组框6"));
  auto* none = child<QRadioButton>(*window, QStringLiteral("单选框_不设"));
  auto* third = child<QRadioButton>(*window, QStringLiteral("单选框_设3"));
  auto* second = child<QRadioButton>(*window, QStringLiteral("单选框_设2"));
  QTest::mouseClick(child<QPushButton>(*window, QStringLiteral("按钮_设置")), Qt::LeftButton);
  QVERIFY(panel->isVisible());
  QVERIFY(none->isChecked());
  third->click();
  QTest::mouseClick(child<QPushButton>(*window, QStringLiteral("按钮3")), Qt::LeftButton);
  QVERIFY(!panel->isVisible());
  QCOMPARE(window->generationPage()->generationCharSetting(), GenerationCharOption::Third);

  // Opening the panel again shows the saved choice, not what was clicked without "确定".
  QTest::mouseClick(child<QPushButton>(*window, QStringLiteral("按钮_设置")), Qt::LeftButton);
  second->click();
  QCOMPARE(window->generationPage()->generationCharSetting(), GenerationCharOption::Third);
  QTest::mouseClick(child<QPushButton>(*window, QStringLiteral("按钮3")), Qt::LeftButton);
  QCOMPARE(window->generationPage()->generationCharSetting(), GenerationCharOption::Second);
  QTest::mouseClick(child<QPushButton>(*window, QStringLiteral("按钮_设置")), Qt::LeftButton);
  QVERIFY(second->isChecked());
  QVERIFY(!third->isChecked());
}

void MainWindowShellTest::modePanelsKeepTheirChoices() {
  Recorded recorded;
  auto window = makeWindow(recorded);
  auto* selfPanel = child<QGroupBox>(*window, QStringLiteral("分组框7"));
  auto* nickPanel = child<QGroupBox>(*window, QStringLiteral("分组框8"));
  auto click = [&](const char* name) { child<QAbstractButton>(*window, QString::fromUtf8(name))->click(); };

  click("单选框_自选模式");
  QVERIFY(selfPanel->isVisible());
  QVERIFY(!nickPanel->isVisible());
  typeText(child<QLineEdit>(*window, QStringLiteral("编辑框5")), QStringLiteral("明华"));
  click("按钮_自选");
  QVERIFY(!selfPanel->isVisible());

  click("单选框_起小名");
  QVERIFY(nickPanel->isVisible());
  QVERIFY(!selfPanel->isVisible());
  QVERIFY(child<QRadioButton>(*window, QStringLiteral("单选框_AA"))->isChecked());
  click("单选框_A儿");
  click("按钮_自选1");
  QVERIFY(!nickPanel->isVisible());
  QCOMPARE(window->generationPage()->nicknamePattern(), NicknamePattern::AEr);

  // Unconfirmed clicks do not count; the saved pattern comes back with the panel.
  click("单选框_起小名");
  click("单选框_小A");
  click("单选框_经典模式");
  QVERIFY(!nickPanel->isVisible());
  QVERIFY(!selfPanel->isVisible());
  QCOMPARE(window->generationPage()->nicknamePattern(), NicknamePattern::AEr);
  click("单选框_起小名");
  QVERIFY(child<QRadioButton>(*window, QStringLiteral("单选框_A儿"))->isChecked());

  click("单选框_自选模式");
  QCOMPARE(child<QLineEdit>(*window, QStringLiteral("编辑框5"))->text(), QStringLiteral("明华"));
  QVERIFY(!nickPanel->isVisible());
  click("单选框_高分模式");
  QVERIFY(!selfPanel->isVisible());
}

void MainWindowShellTest::homePageOnlyWhenConfigured() {
  {
    Recorded recorded;
    auto window = makeWindow(recorded);
    QAction* home = action(*window, QStringLiteral("菜单项_官方主页"));
    QVERIFY(!home->isEnabled());
    QVERIFY(home->text().contains(QStringLiteral("未配置")));
    QTest::mouseClick(child<QPushButton>(*window, QStringLiteral("按钮2")), Qt::LeftButton);
    window->close();
    QVERIFY(recorded.opened.empty());
  }
  {
    Recorded recorded;
    MainWindowOptions options = recordingOptions(recorded);
    options.config.homePage = QStringLiteral("https://quillan.example/");
    auto window = makeWindow(std::move(options));
    QAction* home = action(*window, QStringLiteral("菜单项_官方主页"));
    QVERIFY(home->isEnabled());
    QCOMPARE(home->text(), QStringLiteral("官方主页"));
    home->trigger();
    QTest::mouseClick(child<QPushButton>(*window, QStringLiteral("按钮2")), Qt::LeftButton);
    window->close();
    QCOMPARE(recorded.opened.size(), std::size_t{3});
    QCOMPARE(recorded.opened.front(), QUrl(QStringLiteral("https://quillan.example/")));
  }
}

void MainWindowShellTest::minimiseToNotificationArea() {
  Recorded recorded;
  MainWindowOptions options = recordingOptions(recorded);
  options.trayAvailable = true;
  auto window = makeWindow(std::move(options));
  QCOMPARE(window->tray()->icon()->toolTip(), QStringLiteral("Quillan"));
  window->setWindowState(Qt::WindowMinimized);
  QTRY_VERIFY(!window->isVisible());
  QVERIFY(window->tray()->iconShown());
  window->tray()->restore();
  QVERIFY(window->isVisible());
  QVERIFY(!window->isMinimized());
  QVERIFY(!window->tray()->iconShown());

  // Without a notification area the window must stay reachable.
  Recorded other;
  auto plain = makeWindow(other);
  plain->setWindowState(Qt::WindowMinimized);
  QTest::qWait(20);
  QVERIFY(plain->isVisible());
  QVERIFY(!plain->tray()->iconShown());
}

void MainWindowShellTest::everyFeatureButtonWorks() {
  Recorded recorded;
  auto window = makeWindow(recorded);
  const QStringList captions{"称骨论命", "姓命配对", "上辈为人", "姓氏起源", "耳鸣预测", "面热预测",
                             "心惊预测", "眼跳预测", "号码吉凶", "生男生女", "指纹预测", "三世财运"};
  for (const QString& caption : captions) {
    QCOMPARE(child<QPushButton>(*window, QStringLiteral("按钮_") + caption)->text(), caption);
  }
  for (const auto* button : window->findChildren<QPushButton*>()) {
    if (button->property("role").toString() == QStringLiteral("feature")) {
      QVERIFY2(button->isEnabled(), qPrintable(button->text()));
    }
  }
}

void MainWindowShellTest::statusBarNamesTheDataService() {
  Recorded recorded;
  auto embedded = makeWindow(recorded);
  const auto* status = child<QLabel>(*embedded, QStringLiteral("状态条1_数据服务"));
  QVERIFY2(status->text().startsWith(QStringLiteral("数据服务：内置 http://127.0.0.1:")), qPrintable(status->text()));
  QVERIFY2(status->text().endsWith(QStringLiteral("，上次请求成功")), qPrintable(status->text()));
  embedded.reset();

  // A configured service that nobody runs: the window says so and why.
  MainWindowOptions options = recordingOptions(recorded);
  options.config.serviceBase = QStringLiteral("http://127.0.0.1:1/");
  options.config.serviceKey = QStringLiteral("q,w,e,r,t,y,u,i,o,p,a");
  auto unreachable = makeWindow(std::move(options));
  const QString text = child<QLabel>(*unreachable, QStringLiteral("状态条1_数据服务"))->text();
  QVERIFY2(text.startsWith(QStringLiteral("数据服务：不可用（")), qPrintable(text));
  QVERIFY2(text.contains(QStringLiteral("http://127.0.0.1:1/")), qPrintable(text));
}

void MainWindowShellTest::serviceStatusFollowsTheLastLookup() {
  quillan::chars::MemoryCharacterLookup service;  // knows no character: every lookup is answered "not found"
  DataSources sources;
  sources.baseAddress = "http://10.0.0.5:8080/names/";
  sources.requests = std::make_shared<RequestRecord>();
  sources.lookup = std::make_shared<RecordingLookup>(service, sources.requests);
  const QString address = QStringLiteral("数据服务：http://10.0.0.5:8080/names/");
  QCOMPARE(serviceStatusText(sources, {}, true), address);
  sources.lookup->lookup("李");
  QCOMPARE(serviceStatusText(sources, {}, true), address + QStringLiteral("，上次请求成功"));
  service.setReachable(false);
  sources.lookup->lookup("李");
  QCOMPARE(serviceStatusText(sources, {}, true), address + QStringLiteral("，上次请求失败"));
  service.setReachable(true);
  sources.lookup->lookup("明");
  QCOMPARE(serviceStatusText(sources, {}, true), address + QStringLiteral("，上次请求成功"));
}

QTEST_MAIN(MainWindowShellTest)
#include "MainWindowShellTest.moc"
