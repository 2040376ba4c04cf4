#include "app/MainWindow.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDate>
#include <QLabel>
#include <QMenuBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTime>
#include <QTimer>
#include <QToolBar>

#include "app/ArticleListWindow.h"
#include "app/BackgroundRunner.h"
#include "app/EvaluationCommands.h"
#include "app/ExportCommand.h"
#include "app/FatePage.h"
#include "app/FeaturePage.h"
#include "app/FolkPage.h"
#include "app/GenerationController.h"
#include "app/GenerationPage.h"
#include "app/MenuCatalog.h"
#include "app/MorePage.h"
#include "app/NotYetAvailable.h"
#include "app/PageWindow.h"
#include "app/Pictures.h"
#include "app/PreferencesFile.h"
#include "app/ResultFilterProxy.h"
#include "app/ResultListModel.h"
#include "app/ScoringPage.h"
#include "app/ServiceStatusText.h"
#include "app/ShortlistPage.h"
#include "app/SkinCatalog.h"
#include "app/StatusHints.h"
#include "app/TrayController.h"
#include "common/Version.h"
#include "content/Collections.h"
#include "content/PageAddress.h"
#include "session/DataServiceSession.h"

namespace quillan::app {
namespace {

// Why the window has no data service, as it has always said it.
std::string problemText(const session::SessionOpening& opening) {
  switch (opening.problem) {
    case session::SessionProblem::BadOptions:
      return "the configured service key is not usable: " + opening.reason;
    case session::SessionProblem::CannotStart:
      return "the data service could not be started: " + opening.reason;
    case session::SessionProblem::Unreachable:
      break;
  }
  return opening.description + " did not answer（" + opening.reason + "）";
}

}  // namespace

MainWindow::MainWindow(MainWindowOptions options, QWidget* parent)
    : QMainWindow(parent), options_(std::move(options)), background_(std::make_unique<BackgroundRunner>()) {
  setObjectName(QStringLiteral("主窗口"));
  setWindowTitle(tr("Quillan 宝宝起名"));
  resize(1280, 800);
  setMinimumSize(1024, 680);

  pages_ = new QStackedWidget(this);
  pages_->setObjectName(QStringLiteral("选择夹1"));
  generationPage_ = new GenerationPage(&options_.hooks, pages_);
  scoringPage_ = new ScoringPage(&options_.hooks, pages_);
  pages_->addWidget(generationPage_);
  pages_->addWidget(scoringPage_);
  const FeatureContext features{&options_.hooks,
                                background_.get(),
                                [this] { return now(); },
                                this,
                                [this] { return birthStart(); },
                                [this] { return sources_.lookup; }};
  pages_->addWidget(makeFatePage(features, pages_));
  pages_->addWidget(makeFolkPage(features, pages_));
  pages_->addWidget(makeMorePage(features, pages_));
  shortlistPage_ = new ShortlistPage(
      shortlist::ShortlistStore(options_.shortlistFile.empty() ? shortlist::ShortlistStore::defaultFile()
                                                               : options_.shortlistFile),
      &options_.hooks, [this] { return now().date(); }, pages_);
  pages_->addWidget(shortlistPage_);
  setCentralWidget(pages_);

  buildMenus();
  buildToolBar();
  buildStatusBar();
  generationPage_->registerHints(*hints_);
  connect(generationPage_, &GenerationPage::bannerClicked, this, &MainWindow::openHomePage);
  connect(generationPage_, &GenerationPage::exportRequested, this,
          [this] { exportResultList(this, generationPage_->shown().shownRows(), options_.hooks); });

  tray_ = new TrayController(this, options_.trayAvailable.value_or(QSystemTrayIcon::isSystemTrayAvailable()));

  startUp();
  connectShortlist();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("菜单栏"));
  auto addMenu = [&](const QString& title) {
    QMenu* menu = bar->addMenu(title);
    menu->setObjectName(QStringLiteral("菜单_") + title);
    menu->setToolTipsVisible(true);
    return menu;
  };

  // The first seven menus stay disabled until start-up has the data service and lists ready.
  QMenu* quick = addMenu(tr("快捷菜单"));
  startUpMenus_.push_back(quick);
  for (const PageTarget& target : pageTargets()) {
    QAction* action = quick->addAction(target.caption);
    action->setObjectName(QStringLiteral("快捷菜单_") + target.caption);
    connect(action, &QAction::triggered, this,
            [this, page = target.page, tab = target.tab] { switchToPage(page, tab); });
  }

  for (const ContentMenu& content : contentMenus()) {
    QMenu* menu = addMenu(content.title);
    startUpMenus_.push_back(menu);
    for (const MenuEntry& entry : content.entries) {
      if (entry.separator()) {
        menu->addSeparator();
        continue;
      }
      QAction* action = menu->addAction(entry.caption);
      action->setObjectName(QStringLiteral("菜单项_") + entry.caption);
      if (!bindContentEntry(action, entry)) {
        markNotYetAvailable(action);
      }
    }
  }

  QMenu* skins = addMenu(tr("更换皮肤"));
  startUpMenus_.push_back(skins);
  skinGroup_ = new QActionGroup(this);
  skinGroup_->setExclusive(true);
  bool first = true;
  for (const Skin& skin : SkinCatalog::skins()) {
    QAction* action = skins->addAction(skin.caption);
    action->setObjectName(QStringLiteral("菜单项_") + skin.caption);
    action->setCheckable(true);
    action->setData(skin.number);
    skinGroup_->addAction(action);
    connect(action, &QAction::triggered, this, [this, number = skin.number] { applySkin(number); });
    if (first) {
      skins->addSeparator();
      first = false;
    }
  }
  for (QMenu* menu : startUpMenus_) {
    menu->setEnabled(false);
  }

  QMenu* contact = addMenu(tr("联系我们"));
  QAction* home = contact->addAction(tr("官方主页"));
  home->setObjectName(QStringLiteral("菜单项_官方主页"));
  if (options_.config.homePage.isEmpty()) {
    home->setText(tr("官方主页（未配置）"));
    home->setToolTip(tr("未配置官方主页地址"));
    home->setStatusTip(tr("未配置官方主页地址"));
    home->setEnabled(false);
  } else {
    home->setToolTip(options_.config.homePage);
    connect(home, &QAction::triggered, this, &MainWindow::openHomePage);
  }
  QAction* about = contact->addAction(tr("关于我们"));
  about->setObjectName(QStringLiteral("菜单项_关于我们"));
  connect(about, &QAction::triggered, this, &MainWindow::showAbout);
}

bool MainWindow::bindContentEntry(QAction* action, const MenuEntry& entry) {
  if (entry.file.empty()) {
    const auto* collection = content::collectionBySection(entry.section);
    if (collection == nullptr) {
      return false;
    }
    connect(action, &QAction::triggered, this, [this, caption = entry.caption, collection] {
      auto* window = new ArticleListWindow(caption, contentBase(), std::string(collection->section),
                                           collection->titleList, *background_, this);
      window->show();
    });
    return true;
  }
  connect(action, &QAction::triggered, this, [this, entry] {
    const auto address = content::pageAddress(contentBase(), entry.section, entry.file);
    auto* window = new PageWindow(entry.caption, QUrl(QString::fromStdString(address)), *background_, this);
    window->show();
  });
  return true;
}

std::string MainWindow::contentBase() const {
  // The pages lie under the data service's base address, embedded or configured.
  if (!sources_.baseAddress.empty()) {
    return sources_.baseAddress;
  }
  std::string base = options_.config.serviceBase.toStdString();
  if (!base.empty() && base.back() != '/') {
    base.push_back('/');
  }
  return base;
}

void MainWindow::buildToolBar() {
  toolBar_ = addToolBar(tr("工具条"));
  toolBar_->setObjectName(QStringLiteral("工具条1"));
  toolBar_->setMovable(false);
  toolBar_->setFloatable(false);
  toolBar_->setIconSize(QSize(28, 28));
  toolBar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  toolBar_->toggleViewAction()->setEnabled(false);
  pageGroup_ = new QActionGroup(this);
  pageGroup_->setExclusive(true);
  bool first = true;
  for (const PageTarget& target : pageTargets()) {
    if (!first) {
      toolBar_->addSeparator();
    }
    first = false;
    QAction* action = toolBar_->addAction(Pictures::toolIcon(target.icon), target.caption);
    action->setObjectName(QStringLiteral("工具条1_") + target.caption);
    action->setCheckable(true);
    pageGroup_->addAction(action);
    pageActions_.push_back(action);
    connect(action, &QAction::triggered, this,
            [this, page = target.page, tab = target.tab] { switchToPage(page, tab); });
  }
}

void MainWindow::buildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("状态条1"));
  bar->setSizeGripEnabled(true);
  statusPart0_ = new QLabel(bar);
  statusPart0_->setObjectName(QStringLiteral("状态条1_部分0"));
  bar->addWidget(statusPart0_, 1);
  // Which data service answers, and whether it did last time; lookups run on worker threads, so
  // the text is refreshed from their record twice a second.
  serviceStatus_ = new QLabel(serviceStatusText(sources_, serviceProblem_, started_), bar);
  serviceStatus_->setObjectName(QStringLiteral("状态条1_数据服务"));
  bar->addPermanentWidget(serviceStatus_);
  auto* refresh = new QTimer(serviceStatus_);
  connect(refresh, &QTimer::timeout, this, &MainWindow::showServiceStatus);
  refresh->start(500);
  hints_ = new StatusHints(statusPart0_, tr("Quillan · 以康熙笔画推算五格三才，愿每个宝宝都有一个好名字"), this);
}

void MainWindow::startUp() {
  // 1. The default look.
  applySkin(SkinCatalog::defaultSkinNumber());
  // 2. The data service: the configured remote service, else the embedded one, reached in the
  //    background; until then the commands that need it and the menus wait.
  evaluation_ = new EvaluationCommands(scoringPage_, generationPage_, background_.get(), &options_.hooks, this);
  if (!options_.temporaryFolder.isEmpty()) {
    evaluation_->setReportFolder(options_.temporaryFolder);
  }
  // 4. The built-in lists, which "生成" needs.
  lists_ = options_.lists ? std::move(*options_.lists) : chars::loadBuiltInLists();
  options_.lists.reset();
  generation_ =
      std::make_unique<GenerationController>(generationPage_, &lists_, background_.get(), &options_.hooks, this);
  connect(generation_.get(), &GenerationController::busyChanged, this, &MainWindow::setBusy);
  connect(generationPage_, &GenerationPage::generateRequested, generation_.get(), &GenerationController::start);
  generationPage_->listsLoaded();
  loadPreferences();
  // 5. The birth date from now, and the name-length and birthday defaults.
  const QDateTime now = this->now();
  generationPage_->fillBirthDate(now.date(), now.time());
  scoringPage_->setToday(now.date());
  // 6. The certificate's default photo.
  scoringPage_->showDefaultPhoto();
  switchToPage(Page::Generation);

  if (options_.lookup) {
    DataSources given;
    given.lookup = options_.lookup;
    serviceReached(std::move(given), {});
    return;
  }
  setBusy(true);
  session::SessionOptions session;
  session.serviceBase = options_.config.serviceBase.toStdString();
  // The embedded service draws its own key; a configured one belongs to the configured address.
  session.serviceKey = session.serviceBase.empty() ? std::string() : options_.config.serviceKey.toStdString();
  session.contentPages = true;
  background_->run<session::SessionOpening>(
      this, [session] { return session::DataServiceSession::open(session); },
      [this](BackgroundOutcome<session::SessionOpening> outcome) {
        setBusy(false);
        if (outcome.ending == BackgroundOutcome<session::SessionOpening>::Ending::TimedOut) {
          return serviceReached({}, "the data service did not answer in time");
        }
        if (!outcome.result) {
          return serviceReached({}, "the data service could not be started: " + outcome.failure);
        }
        auto& opening = *outcome.result;
        if (!opening.session) {
          return serviceReached({}, problemText(opening));
        }
        serviceReached(sourcesOf(std::shared_ptr<session::DataServiceSession>(std::move(opening.session))), {});
      },
      BackgroundRunner::kServiceTimeout);
}

BirthStart MainWindow::birthStart() const {
  if (const auto chart = generationPage_->birthdayChart()) {
    const auto& day = chart->birth.date;
    return {QDate(day.year, day.month, day.day), chart->birth.hour.value_or(-1)};
  }
  return {now().date()};
}

void MainWindow::serviceReached(DataSources sources, std::string problem) {
  sources_ = std::move(sources);
  serviceProblem_ = std::move(problem);
  evaluation_->setSources(sources_, serviceProblem_);
  generation_->setLookup(sources_.lookup);
  // 3. The menus.
  for (QMenu* menu : startUpMenus_) {
    menu->setEnabled(true);
  }
  started_ = true;
  showServiceStatus();
  emit startUpEnded();
}

void MainWindow::showServiceStatus() {
  const QString text = serviceStatusText(sources_, serviceProblem_, started_);
  if (serviceStatus_->text() != text) {
    serviceStatus_->setText(text);
  }
}

QDateTime MainWindow::now() const { return options_.now ? options_.now() : QDateTime::currentDateTime(); }

void MainWindow::switchToPage(Page page, std::optional<ScoringTab> tab) {
  pages_->setCurrentIndex(static_cast<int>(page));
  if (tab) {
    scoringPage_->showTab(*tab);
  }
  // The toolbar shows where the user is.
  const auto& targets = pageTargets();
  for (std::size_t i = 0; i < targets.size(); ++i) {
    const bool here =
        targets[i].page == page && (targets[i].page != Page::Scoring || targets[i].tab == scoringPage_->tab());
    if (here) {
      pageActions_[i]->setChecked(true);
    }
  }
}

void MainWindow::applySkin(int number) {
  currentSkin_ = number;
  setStyleSheet(SkinCatalog::styleSheet(number));
  for (QAction* action : skinGroup_->actions()) {
    action->setChecked(action->data().toInt() == number);
  }
}

void MainWindow::setBusy(bool busy) {
  generationPage_->setBusy(busy);
  scoringPage_->setBusy(busy);
}

void MainWindow::loadPreferences() {
  preferences_ = std::make_unique<PreferencesFile>(options_.preferencesFile.empty() ? PreferencesFile::defaultPath()
                                                                                    : options_.preferencesFile);
  PreferencesLoad loaded = preferences_->load();
  generationPage_->setAvoidance(std::move(loaded.preferences.avoidance));
  if (!loaded.problem.empty()) {
    options_.hooks.inform(this, tr("温馨提示"), QString::fromStdString(loaded.problem), DialogHooks::Tone::Warning);
  }
  connect(generationPage_, &GenerationPage::avoidanceChanged, this, [this](const quality::UserAvoidance& avoidance) {
    if (const auto problem = preferences_->save({avoidance})) {
      options_.hooks.inform(this, tr("温馨提示"), tr("设置无法保存：") + QString::fromStdString(*problem),
                            DialogHooks::Tone::Warning);
    }
  });
}

void MainWindow::openHomePage() {
  if (!options_.config.homePage.isEmpty()) {
    options_.hooks.openUrl(QUrl(options_.config.homePage));
  }
}

void MainWindow::showAbout() {
  options_.hooks.inform(this, tr("关于我们"),
                        tr("Quillan %1\n\n以康熙笔画推算五格、八十一数理与三才配置，为宝宝生成、评定名字。\n"
                           "数理之说源于民俗，仅供参考。")
                            .arg(QString::fromUtf8(common::programVersion().data(),
                                                   static_cast<qsizetype>(common::programVersion().size()))),
                        DialogHooks::Tone::Plain);
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) {
    tray_->windowStateChanged();
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  openHomePage();
  QMainWindow::closeEvent(event);
}

}  // namespace quillan::app
