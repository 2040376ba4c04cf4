#include "app/StatusHints.h"

#include <QEvent>
#include <QLabel>
#include <QWidget>

namespace quillan::app {

StatusHints::StatusHints(QLabel* part0, QString defaultText, QObject* parent)
    : QObject(parent), part0_(part0), defaultText_(std::move(defaultText)) {
  showDefault();
}

void StatusHints::add(QWidget* control, const QString& hint) {
  hints_.insert(control, hint);
  control->setAttribute(Qt::WA_Hover);
  control->installEventFilter(this);
  connect(control, &QObject::destroyed, this, [this](QObject* gone) { hints_.remove(gone); });
}

void StatusHints::showDefault() { part0_->setText(defaultText_); }

bool StatusHints::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Enter:
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
    case QEvent::MouseMove: {
      const auto found = hints_.constFind(watched);
      if (found != hints_.constEnd() && part0_->text() != *found) {
        part0_->setText(*found);
      }
      break;
    }
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace quillan::app
