#include "app/TrayController.h"

#include <QMainWindow>
#include <QSystemTrayIcon>
#include <QTimer>

#include "app/Pictures.h"

namespace quillan::app {

TrayController::TrayController(QMainWindow* window, bool trayAvailable)
    : QObject(window),
      window_(window),
      icon_(new QSystemTrayIcon(Pictures::appIcon(), this)),
      available_(trayAvailable) {
  icon_->setToolTip(QStringLiteral("Quillan"));
  icon_->setObjectName(QStringLiteral("通知区图标"));
  connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason) { restore(); });
}

void TrayController::windowStateChanged() {
  if (!available_ || !window_->isMinimized() || !window_->isVisible()) {
    return;
  }
  icon_->show();
  // Hiding inside the state change confuses some window managers; do it right after.
  QTimer::singleShot(0, window_, [this] {
    if (window_->isMinimized()) {
      window_->hide();
    }
  });
}

void TrayController::restore() {
  icon_->hide();
  window_->showNormal();
  window_->raise();
  window_->activateWindow();
}

bool TrayController::iconShown() const { return icon_->isVisible(); }

}  // namespace quillan::app
