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
#include <QToolBar>

#include "app/ArticleListWindow.h"
#include "app/DataServiceConnection.h"
#include "app/EvaluationCommands.h"
#include "app/ExportCommand.h"
#include "app/FeaturePage.h"
#include "app/GenerationController.h"
#include "app/GenerationPage.h"
#include "app/MenuCatalog.h"
#include "app/NotYetAvailable.h"
#include "app/PageWindow.h"
#include "app/Pictures.h"
#include "app/ResultListModel.h"
#include "app/ScoringPage.h"
#include "app/ServiceCharacterLookup.h"
#include "app/SkinCatalog.h"
#include "app/StatusHints.h"
#include "app/TrayController.h"
#include "content/Collections.h"
#include "content/MenuPages.h"
#include "content/PageAddress.h"

namespace quillan::app {

MainWindow::MainWindow(MainWindowOptions options, QWidget* parent) : QMainWindow(parent), options_(std::move(options)) {
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
  pages_->addWidget(new FeaturePage(
      tr("命运测算"), tr("以出生年月日时推算八字命理、称骨论命与姓氏渊源，仅供民俗文化参考。"),
      {tr("生辰八字"), tr("八字测算"), tr("日干论命"), tr("称骨论命"), tr("姓命配对"), tr("上辈为人"), tr("姓氏起源")},
      pages_));
  pages_->addWidget(new FeaturePage(tr("民俗预测"), tr("耳鸣、眼跳、面热等民间说法汇编，仅供民俗文化参考。"),
                                    {tr("耳鸣预测"), tr("面热预测"), tr("心惊预测"), tr("眼跳预测"), tr("号码吉凶"),
                                     tr("生男生女"), tr("指纹预测"), tr("三世财运")},
                                    pages_));
  pages_->addWidget(new FeaturePage(tr("更多功能"), tr("星座运势、在线排盘、灵签与配对等更多小工具。"),
                                    {tr("星座运势"), tr("在线排盘"), tr("观音灵签"), tr("情侣配对")}, pages_));
  setCentralWidget(pages_);

  buildMenus();
  buildToolBar();
  buildStatusBar();
  generationPage_->registerHints(*hints_);
  connect(generationPage_, &GenerationPage::bannerClicked, this, &MainWindow::openHomePage);
  connect(generationPage_, &GenerationPage::exportRequested, this,
          [this] { exportResultList(this, generationPage_->results(), options_.hooks); });

  tray_ = new TrayController(this, options_.trayAvailable.value_or(QSystemTrayIcon::isSystemTrayAvailable()));

  startUp();
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
            [this, page = target.page, inner = target.innerPage] { switchToPage(page, inner); });
  }

  for (const ContentMenu& content : contentMenus()) {
    QMenu* menu = addMenu(content.title);
    startUpMenus_.push_back(menu);
    for (const QString& entry : content.entries) {
      if (entry.isEmpty()) {
        menu->addSeparator();
        continue;
      }
      QAction* action = menu->addAction(entry);
      action->setObjectName(QStringLiteral("菜单项_") + entry);
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

bool MainWindow::bindContentEntry(QAction* action, const QString& entry) {
  const std::string text = entry.toStdString();
  if (const auto* collection = content::collectionByMenuEntry(text)) {
    connect(action, &QAction::triggered, this, [this, entry, collection] {
      auto* window =
          new ArticleListWindow(entry, contentBase(), std::string(collection->section), collection->titleList, this);
      window->show();
    });
    return true;
  }
  for (const auto pages :
       {content::folkPages(), content::zodiacPages(), content::rhymePages(), content::storyPages()}) {
    for (const auto& page : pages) {
      if (page.menuEntry == text) {
        connect(action, &QAction::triggered, this, [this, entry, page] {
          const auto address = content::pageAddress(contentBase(), page.section, page.file);
          auto* window = new PageWindow(entry, QUrl(QString::fromStdString(address)), this);
          window->show();
        });
        return true;
      }
    }
  }
  return false;
}

std::string MainWindow::contentBase() const {
  // The pages lie under the data service's base address, embedded or configured.
  if (connection_) {
    return connection_->baseAddress();
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
            [this, page = target.page, inner = target.innerPage] { switchToPage(page, inner); });
  }
}

void MainWindow::buildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("状态条1"));
  bar->setSizeGripEnabled(true);
  statusPart0_ = new QLabel(bar);
  statusPart0_->setObjectName(QStringLiteral("状态条1_部分0"));
  bar->addWidget(statusPart0_, 1);
  hints_ = new StatusHints(statusPart0_, tr("Quillan · 以康熙笔画推算五格三才，愿每个宝宝都有一个好名字"), this);
}

void MainWindow::startUp() {
  // 1. The default look.
  applySkin(SkinCatalog::defaultSkinNumber());
  // 2. The data service: the configured remote service, else the embedded one. Connecting goes on
  //    in the background; the first lookup waits for it.
  lookup_ = options_.lookup;
  if (!lookup_) {
    connection_ = std::make_shared<DataServiceConnection>(options_.config);
    lookup_ = std::make_shared<ServiceCharacterLookup>(connection_);
  }
  evaluation_ = new EvaluationCommands(scoringPage_, generationPage_, connection_, &options_.hooks, this);
  // 3. The menus.
  for (QMenu* menu : startUpMenus_) {
    menu->setEnabled(true);
  }
  // 4. The built-in lists, which "生成" needs.
  lists_ = options_.lists ? std::move(*options_.lists) : chars::loadBuiltInLists();
  options_.lists.reset();
  generation_ = std::make_unique<GenerationController>(generationPage_, &lists_, lookup_, &options_.hooks, this);
  connect(generation_.get(), &GenerationController::busyChanged, this, &MainWindow::setBusy);
  connect(generationPage_, &GenerationPage::generateRequested, generation_.get(), &GenerationController::start);
  generationPage_->listsLoaded();
  // 5. The birth date from now, and the name-length and birthday defaults.
  generationPage_->fillBirthDate(QDate::currentDate(), QTime::currentTime());
  // 6. The certificate's default photo.
  scoringPage_->showDefaultPhoto();
  switchToPage(0, -1);
}

void MainWindow::switchToPage(int page, int innerPage) {
  pages_->setCurrentIndex(page);
  if (innerPage >= 0) {
    scoringPage_->showInnerPage(innerPage);
  }
  // The toolbar shows where the user is.
  const auto& targets = pageTargets();
  for (std::size_t i = 0; i < targets.size(); ++i) {
    const bool here =
        targets[i].page == page && (targets[i].page != 1 || targets[i].innerPage == scoringPage_->innerPage());
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

void MainWindow::openHomePage() {
  if (!options_.config.homePage.isEmpty()) {
    options_.hooks.openUrl(QUrl(options_.config.homePage));
  }
}

void MainWindow::showAbout() {
  options_.hooks.inform(this, tr("关于我们"),
                        tr("Quillan %1\n\n以康熙笔画推算五格、八十一数理与三才配置，为宝宝生成、评定名字。\n"
                           "数理之说源于民俗，仅供参考。")
                            .arg(QStringLiteral(QUILLAN_VERSION)),
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
