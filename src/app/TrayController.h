#pragma once

#include <QObject>

class QMainWindow;
class QSystemTrayIcon;

namespace quillan::app {

// Minimise to the notification area: a minimised window hides itself and shows the icon with the
// tooltip "Quillan"; any click on the icon removes it and shows the window again at normal size.
// Where the desktop has no notification area the window simply stays minimised, or the user could
// not get it back.
class TrayController : public QObject {
  Q_OBJECT

 public:
  TrayController(QMainWindow* window, bool trayAvailable);

  // Called by the window when its state changed.
  void windowStateChanged();
  // What a click on the icon does.
  void restore();

  bool iconShown() const;
  QSystemTrayIcon* icon() const { return icon_; }

 private:
  QMainWindow* window_;
  QSystemTrayIcon* icon_;
  bool available_;
};

}  // namespace quillan::app
