#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <optional>
#include <vector>

#include "app/AppConfig.h"
#include "app/DialogHooks.h"
#include "chars/CharacterLists.h"
#include "chars/CharacterLookup.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QStackedWidget;
class QToolBar;

namespace quillan::app {

class DataServiceConnection;
class GenerationController;
class EvaluationCommands;
class GenerationPage;
class ScoringPage;
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
};

// The one main window: pages on 选择夹1, toolbar 工具条1, the menu bar, status bar 状态条1, skins
// and the notification icon. Creating it runs the start-up sequence.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(MainWindowOptions options, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Switches 选择夹1 to page, and 选择夹2 to innerPage unless it is -1.
  void switchToPage(int page, int innerPage);

  int currentSkin() const { return currentSkin_; }
  void applySkin(int number);

  GenerationPage* generationPage() const { return generationPage_; }
  ScoringPage* scoringPage() const { return scoringPage_; }
  TrayController* tray() const { return tray_; }
  GenerationController* generation() const { return generation_.get(); }
  // The data-service connection the window started; nullptr when a lookup was given.
  DataServiceConnection* dataService() const { return connection_.get(); }
  const chars::CharacterLists& lists() const { return lists_; }
  const DialogHooks& hooks() const { return options_.hooks; }

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  // Binds a reading-menu entry to the collection or page it opens; false when it has none.
  bool bindContentEntry(QAction* action, const QString& entry);
  std::string contentBase() const;
  void buildToolBar();
  void buildStatusBar();
  void startUp();
  void openHomePage();
  void showAbout();
  void setBusy(bool busy);

  MainWindowOptions options_;
  chars::CharacterLists lists_;
  std::shared_ptr<DataServiceConnection> connection_;
  std::shared_ptr<chars::CharacterLookup> lookup_;
  // Declared after what a run reads, so that a running generation ends before they go.
  std::unique_ptr<GenerationController> generation_;
  QStackedWidget* pages_ = nullptr;
  GenerationPage* generationPage_ = nullptr;
  ScoringPage* scoringPage_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  QActionGroup* pageGroup_ = nullptr;
  std::vector<QAction*> pageActions_;
  std::vector<QMenu*> startUpMenus_;
  QActionGroup* skinGroup_ = nullptr;
  QLabel* statusPart0_ = nullptr;
  StatusHints* hints_ = nullptr;
  TrayController* tray_ = nullptr;
  EvaluationCommands* evaluation_ = nullptr;
  int currentSkin_ = 0;
};

}  // namespace quillan::app
