#include "app/ChineseInputFilter.h"

#include <QLineEdit>

#include "app/ChineseOnlyValidator.h"

namespace quillan::app {

ChineseInputFilter::ChineseInputFilter(QLineEdit* box, QString message, const DialogHooks* hooks)
    : QObject(box), box_(box), message_(std::move(message)), hooks_(hooks) {
  box_->setValidator(new ChineseOnlyValidator(this));
  connect(box_, &QLineEdit::inputRejected, this, &ChineseInputFilter::refuse);
}

void ChineseInputFilter::refuse() {
  // Held keys repeat; one message at a time is enough.
  if (showing_) {
    return;
  }
  showing_ = true;
  hooks_->inform(box_->window(), tr("温馨提示"), message_, DialogHooks::Tone::Plain);
  showing_ = false;
  box_->setFocus(Qt::OtherFocusReason);
}

}  // namespace quillan::app
