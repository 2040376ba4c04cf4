#include "app/BirthDateBoxes.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <algorithm>

#include "common/TextNumbers.h"

namespace quillan::app {

int daysInMonth(int year, int month) {
  switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    case 2:
      return year % 4 == 0 ? 29 : 28;
    default:
      return 31;
  }
}

BirthDateBoxes::BirthDateBoxes(QComboBox* year, QComboBox* month, QComboBox* day, QComboBox* hour, QObject* parent)
    : QObject(parent), year_(year), month_(month), day_(day), hour_(hour) {
  connect(year_, &QComboBox::currentIndexChanged, this, &BirthDateBoxes::refillDays);
  connect(month_, &QComboBox::currentIndexChanged, this, &BirthDateBoxes::refillDays);
}

void BirthDateBoxes::fill(const QDate& today, const QTime& now) {
  {
    const QSignalBlocker blockYear(year_);
    const QSignalBlocker blockMonth(month_);
    year_->clear();
    for (int y = kFirstYear; y <= kLastYear; ++y) {
      year_->addItem(QString::number(y));
    }
    year_->setCurrentIndex(std::clamp(today.year(), kFirstYear, kLastYear) - kFirstYear);
    month_->clear();
    for (int m = 1; m <= 12; ++m) {
      month_->addItem(QString::number(m));
    }
    month_->setCurrentIndex(today.month() - 1);
  }
  day_->clear();
  refillDays();
  day_->setCurrentIndex(std::min(today.day(), day_->count()) - 1);

  hour_->clear();
  for (int h = 0; h < 24; ++h) {
    hour_->addItem(QString::number(h));
  }
  hour_->addItem(tr("未知"));
  hour_->setCurrentIndex(now.hour());
}

void BirthDateBoxes::refillDays() {
  const int year = common::textToInt(year_->currentText().toStdString());
  const int month = common::textToInt(month_->currentText().toStdString());
  const int days = daysInMonth(year, month);
  const int kept = day_->count() > 0 ? common::textToInt(day_->currentText().toStdString()) : 1;
  if (day_->count() == days) {
    return;
  }
  const QSignalBlocker block(day_);
  day_->clear();
  for (int d = 1; d <= days; ++d) {
    day_->addItem(QString::number(d));
  }
  day_->setCurrentIndex(std::clamp(kept, 1, days) - 1);
}

}  // namespace quillan::app
