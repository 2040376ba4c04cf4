#pragma once

#include <QObject>
#include <QString>

#include "app/DialogHooks.h"

class QLineEdit;

namespace quillan::app {

// The filter of the Chinese-only boxes: anything but Han characters is refused and answered with
// the box's own rule in a "温馨提示" message; the focus then returns to the box.
class ChineseInputFilter : public QObject {
  Q_OBJECT

 public:
  ChineseInputFilter(QLineEdit* box, QString message, const DialogHooks* hooks);

  const QString& message() const { return message_; }

 private:
  void refuse();

  QLineEdit* box_;
  QString message_;
  const DialogHooks* hooks_;
  bool showing_ = false;
};

}  // namespace quillan::app
