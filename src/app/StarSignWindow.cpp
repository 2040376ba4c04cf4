#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/PastimeWindow.h"
#include "app/PastimeWindows.h"

namespace quillan::app {

namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

PastimeWindow* makeStarSignWindow(std::vector<pastime::StarSign> signs, QDate today, const DialogHooks* hooks,
                                  QWidget* parent) {
  auto* window = new PastimeWindow(
      QStringLiteral("窗口_星座"), QObject::tr("星座"),
      QObject::tr("星座是流行文化里的趣谈，这里只按公历生日查出星座和它常被描述的性格，仅供娱乐，不作任何预测。"
                  "日期范围取通行的固定划分，交界前后一两天的生日在不同年份可能略有出入。"),
      parent, hooks);
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QObject::tr("公历生日"), window));
  auto* birthday = new QDateEdit(today, window);
  birthday->setObjectName(QStringLiteral("日期框_生日"));
  birthday->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
  birthday->setCalendarPopup(true);
  birthday->setMinimumDate(QDate(1900, 1, 1));
  row->addWidget(birthday);
  auto* show = new QPushButton(QObject::tr("查看星座"), window);
  show->setObjectName(QStringLiteral("按钮_查看星座"));
  show->setDefault(true);
  row->addWidget(show);
  row->addStretch(1);
  window->inputs()->addLayout(row);

  QObject::connect(show, &QPushButton::clicked, window, [window, birthday, signs = std::move(signs)] {
    const QDate day = birthday->date();
    const pastime::StarSign* sign = pastime::signOfDay(signs, day.month(), day.day());
    if (sign == nullptr) {
      return;  // the date box offers no day without a sign
    }
    window->showResult(QStringLiteral("<h2>%1</h2><p>%2 · %3</p><p>%4</p>")
                           .arg(text(sign->name), text(pastime::dateRangeText(*sign)), text(sign->element),
                                text(sign->text).toHtmlEscaped()));
  });
  return window;
}

}  // namespace quillan::app
