#include <QDateEdit>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <variant>

#include "app/FolkWindows.h"
#include "app/PastimeInputs.h"
#include "app/PastimeWindow.h"
#include "folk/GenderTable.h"
#include "folk/NumberLuck.h"

namespace quillan::app {

PastimeWindow* makeNumberLuckWindow(const DialogHooks* hooks, QWidget* parent) {
  auto* window = new PastimeWindow(
      QStringLiteral("窗口_号码吉凶"), QObject::tr("号码吉凶"),
      QObject::tr("民间有取号码末四位、除以80取余数，再查八十一数吉凶的玩法。数字本身没有好坏，这里只是把这种说法"
                  "一步步算给您看，仅供娱乐，选号码请以方便好记为先。"),
      parent, hooks);
  auto* row = addInputRow(window);
  auto* number = addLabelled(row, QObject::tr("号码（手机、车牌、门牌、QQ等，只填数字）"), new QLineEdit(window), 1);
  number->setObjectName(QStringLiteral("编辑框_号码"));
  number->setMaxLength(static_cast<int>(folk::kMaxNumberDigits) + 8);
  auto* show = addRunButton(window, row, QObject::tr("测算"));
  QObject::connect(show, &QPushButton::clicked, window, [=] {
    const auto read = folk::readNumber(number->text().toStdString());
    if (const auto* problem = std::get_if<std::string>(&read)) {
      hooks->inform(window, QObject::tr("温馨提示"), QString::fromStdString(*problem), DialogHooks::Tone::Warning);
      number->setFocus();
      number->selectAll();
      return;
    }
    const auto& reading = std::get<folk::NumberReading>(read);
    QString detail = htmlText(reading.detail);
    detail.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    window->showResult(
        QObject::tr("<h3>%1</h3><p><b>%2（%3）</b>：%4</p><p>%5</p><p>%6</p>")
            .arg(htmlText(reading.steps()))
            .arg(reading.number)
            .arg(htmlText(scoring::luckWord(reading.luck)), htmlText(reading.title), htmlText(reading.hint), detail));
  });
  return window;
}

PastimeWindow* makeGenderTableWindow(QDate today, const DialogHooks* hooks, QWidget* parent) {
  auto* window = new PastimeWindow(
      QStringLiteral("窗口_生男生女"), QObject::tr("生男生女"),
      QObject::tr("清宫表是民间流传的一张表格，按母亲受孕时的虚岁和农历月份写着“男”或“女”。它没有任何科学依据："
                  "孩子的性别由父亲精子携带的性染色体决定，两种可能大致各占一半，与年龄、月份无关。这里只把它当作"
                  "民俗趣谈展示；男孩女孩都是一样珍贵的宝贝。"),
      parent, hooks);
  auto* row = addInputRow(window);
  auto* mother =
      addDateBox(window, row, QObject::tr("母亲公历生日"), QStringLiteral("日期框_母亲生日"), today.addYears(-28));
  auto* conception = addDateBox(window, row, QObject::tr("受孕日期"), QStringLiteral("日期框_受孕日期"), today);
  auto* show = addRunButton(window, row, QObject::tr("查表"));
  QObject::connect(show, &QPushButton::clicked, window, [=] {
    const auto read = folk::genderByTable(calendarDate(mother->date()), calendarDate(conception->date()));
    if (const auto* problem = std::get_if<std::string>(&read)) {
      hooks->inform(window, QObject::tr("温馨提示"), QString::fromStdString(*problem), DialogHooks::Tone::Warning);
      return;
    }
    const auto& reading = std::get<folk::GenderReading>(read);
    window->showResult(
        QObject::tr("<p>母亲农历生日：%1<br>受孕日农历：%2%3<br>受孕时母亲虚岁：%4岁，农历%5月</p>"
                    "<h3>清宫表上写的是：%6</h3>"
                    "<p><b>这张表没有科学依据，查出的字不代表任何结果。无论男孩女孩，都同样值得期待和疼爱。</b></p>")
            .arg(htmlText(reading.motherBirth.text()), htmlText(reading.conception.text()),
                 reading.conception.leap ? QObject::tr("（闰月按本月算）") : QString())
            .arg(reading.age)
            .arg(reading.conception.month)
            .arg(htmlText(reading.answer())));
  });
  return window;
}

}  // namespace quillan::app
