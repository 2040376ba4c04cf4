#pragma once

#include <QDate>
#include <QObject>
#include <QTime>

class QComboBox;

namespace quillan::app {

// Days of a month as the birth-date boxes count them: February has 29 days in every year divisible
// by 4 (the boxes offer 2000-2030 only, where that rule is exact).
int daysInMonth(int year, int month);

// The four birth-date boxes: years 2000-2030, months 1-12, days by month, hours 0-23 and "未知".
// Item texts are plain decimal numbers because the generation modes seed their random sequence with
// the numbers these texts hold.
class BirthDateBoxes : public QObject {
  Q_OBJECT

 public:
  static constexpr int kFirstYear = 2000;
  static constexpr int kLastYear = 2030;

  BirthDateBoxes(QComboBox* year, QComboBox* month, QComboBox* day, QComboBox* hour, QObject* parent);

  // Fills every box and selects now (a year outside the range selects the nearest year).
  void fill(const QDate& today, const QTime& now);

  // The day box for the selected year and month; keeps the selected day where the month has it and
  // otherwise takes the month's last day.
  void refillDays();

 private:
  QComboBox* year_;
  QComboBox* month_;
  QComboBox* day_;
  QComboBox* hour_;
};

}  // namespace quillan::app
