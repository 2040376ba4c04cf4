#include "app/NotYetAvailable.h"

#include <QAction>
#include <QCoreApplication>
#include <QWidget>

namespace quillan::app {

QString notYetAvailableText() {
  return QCoreApplication::translate("quillan::app::NotYetAvailable", "此功能尚未提供，敬请期待");
}

void markNotYetAvailable(QWidget* control) {
  control->setEnabled(false);
  control->setToolTip(notYetAvailableText());
  // Disabled widgets show no tooltip unless asked to.
  control->setAttribute(Qt::WA_AlwaysShowToolTips);
}

void markNotYetAvailable(QAction* action) {
  action->setEnabled(false);
  action->setToolTip(notYetAvailableText());
  action->setStatusTip(notYetAvailableText());
}

}  // namespace quillan::app
