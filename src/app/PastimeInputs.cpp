#include "app/PastimeInputs.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/PastimeWindow.h"
#include "calendar/CalendarRange.h"
#include "folk/Hours.h"

namespace quillan::app {

QHBoxLayout* addInputRow(PastimeWindow* window) {
  auto* row = new QHBoxLayout;
  window->inputs()->addLayout(row);
  return row;
}

void addCaption(QHBoxLayout* row, const QString& caption, QWidget* box, int stretch) {
  auto* label = new QLabel(caption, box->parentWidget());
  label->setBuddy(box);
  row->addWidget(label);
  row->addWidget(box, stretch);
}

QDateEdit* addDateBox(PastimeWindow* window, QHBoxLayout* row, const QString& label, const QString& objectName,
                      QDate start) {
  auto* date = new QDateEdit(window);
  date->setObjectName(objectName);
  date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
  date->setCalendarPopup(true);
  const auto first = calendar::kFirstDate;
  const auto last = calendar::kLastDate;
  date->setDateRange(QDate(first.year, first.month, first.day), QDate(last.year, last.month, last.day));
  date->setDate(start);
  addCaption(row, label, date);
  return date;
}

QComboBox* addHourBox(PastimeWindow* window, QHBoxLayout* row, int start, bool unknownAllowed) {
  auto* hour = new QComboBox(window);
  hour->setObjectName(QStringLiteral("组合框_时辰"));
  if (unknownAllowed) {
    hour->addItem(QObject::tr("时辰未知"), -1);
  }
  for (int h = 0; h < 24; ++h) {
    hour->addItem(QObject::tr("%1时").arg(h), h);
  }
  const int index = hour->findData(start);
  hour->setCurrentIndex(index < 0 ? hour->findData(12) : index);
  row->addWidget(hour);
  return hour;
}

QComboBox* addBranchBox(PastimeWindow* window, QHBoxLayout* row, int startBranch) {
  auto* branch = new QComboBox(window);
  branch->setObjectName(QStringLiteral("组合框_时辰"));
  for (int b = 0; b < 12; ++b) {
    branch->addItem(htmlText(folk::hourSpanText(b)), b);
  }
  branch->setCurrentIndex(startBranch);
  row->addWidget(branch);
  return branch;
}

QPushButton* addRunButton(PastimeWindow* window, QHBoxLayout* row, const QString& caption) {
  auto* run = new QPushButton(caption, window);
  run->setObjectName(QStringLiteral("按钮_") + caption);
  run->setDefault(true);
  row->addWidget(run);
  row->addStretch(1);
  return run;
}

calendar::Date calendarDate(QDate date) { return {date.year(), date.month(), date.day()}; }

QString htmlText(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toHtmlEscaped();
}

}  // namespace quillan::app
