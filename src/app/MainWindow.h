#pragma once

#include <QDateTime>
#include <QMainWindow>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/AppConfig.h"
#include "app/DataSources.h"
#include "app/DialogHooks.h"
#include "app/FeaturePage.h"
#include "app/MenuCatalog.h"
#include "chars/CharacterLists.h"
#include "chars/CharacterLookup.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QStackedWidget;
class QToolBar;

namespace quillan::app {

class BackgroundRunner;
class GenerationController;
class EvaluationCommands;
class GenerationPage;
class PreferencesFile;
class ScoringPage;
class ShortlistPage;
class StatusHints;
class TrayController;

// What the window is given rather than reaching for it itself.
struct MainWindowOptions {
  AppConfig config;
  DialogHooks hooks = DialogHooks::interactive();
  // Whether the desktop has a notification area; asked of the desktop when not given.
  std::optional<bool> trayAvailable;
  // The character lists; the built-in lists when not given.
  std::optional<chars::CharacterLists> lists;
  // The dictionary lookup; when not given, the window connects to the data service at start-up.
  std::shared_ptr<chars::CharacterLookup> lookup;
  // Now, for the birth-date boxes and the calendars; the system clock when not given.
  std::function<QDateTime()> now;
  // Where the report page is written; the system's temporary folder when empty.
  QString temporaryFolder;
  // The user's preferences file (the avoid list); PreferencesFile::defaultPath() when empty.
  std::filesystem::path preferencesFile;
  // The shortlist file; the user's data folder's when empty.
  std::filesystem::path shortlistFile;
};

// The one main window: pages on 选择夹1, toolbar 工具条1, the menu bar, status bar 状态条1, skins
// and the notification icon. Creating it runs the start-up sequence; reaching the data service
// goes on in the background, and the commands that need it wait, disabled, until it has.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(MainWindowOptions options, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Switches 选择夹1 to page, and 选择夹2 to the tab when one is given.
  void switchToPage(Page page, std::optional<ScoringTab> tab = std::nullopt);

  int currentSkin() const { return currentSkin_; }
  void applySkin(int number);

  GenerationPage* generationPage() const { return generationPage_; }
  ScoringPage* scoringPage() const { return scoringPage_; }
  ShortlistPage* shortlistPage() const { return shortlistPage_; }
  TrayController* tray() const { return tray_; }
  GenerationController* generation() const { return generation_.get(); }
  BackgroundRunner& background() const { return *background_; }
  const chars::CharacterLists& lists() const { return lists_; }
  const DialogHooks& hooks() const { return options_.hooks; }

  // Start-up has ended: the data service was reached, or it is known why not.
  bool started() const { return started_; }
  // The data service in use, once reached; null before, and when it could not be had.
  const DataSources& sources() const { return sources_; }
  // Why there is no data service (empty while connecting and when connected).
  const std::string& serviceProblem() const { return serviceProblem_; }

 signals:
  void startUpEnded();

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  // Binds a reading-menu entry to the collection or page it opens; false when it has none.
  bool bindContentEntry(QAction* action, const MenuEntry& entry);
  std::string contentBase() const;
  void buildToolBar();
  void buildStatusBar();
  void connectShortlist();
  void startUp();
  void serviceReached(DataSources sources, std::string problem);
  void openHomePage();
  // The avoid list from the user's preferences file, and saving it whenever the user changes it.
  void loadPreferences();
  void showAbout();
  void setBusy(bool busy);
  void showServiceStatus();
  QDateTime now() const;
  // Where the birth boxes of 命运测算 and 民俗预测 start.
  BirthStart birthStart() const;

  MainWindowOptions options_;
  std::unique_ptr<PreferencesFile> preferences_;
  chars::CharacterLists lists_;
  DataSources sources_;
  std::string serviceProblem_;
  bool started_ = false;
  // Declared after what its jobs read, so that they end before it goes.
  std::unique_ptr<BackgroundRunner> background_;
  std::unique_ptr<GenerationController> generation_;
  QStackedWidget* pages_ = nullptr;
  GenerationPage* generationPage_ = nullptr;
  ScoringPage* scoringPage_ = nullptr;
  ShortlistPage* shortlistPage_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  QActionGroup* pageGroup_ = nullptr;
  std::vector<QAction*> pageActions_;
  std::vector<QMenu*> startUpMenus_;
  QActionGroup* skinGroup_ = nullptr;
  QLabel* statusPart0_ = nullptr;
  QLabel* serviceStatus_ = nullptr;
  StatusHints* hints_ = nullptr;
  TrayController* tray_ = nullptr;
  EvaluationCommands* evaluation_ = nullptr;
  int currentSkin_ = 0;
};

}  // namespace quillan::app
