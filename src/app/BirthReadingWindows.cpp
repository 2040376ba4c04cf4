#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QPushButton>
#include <functional>
#include <optional>

#include "app/FolkWindows.h"
#include "app/PastimeInputs.h"
#include "app/PastimeWindow.h"
#include "bazi/Elements.h"
#include "folk/BirthYearReadings.h"
#include "folk/BoneWeight.h"
#include "folk/Hours.h"

namespace quillan::app {
namespace {

// The date box's range is the calendar's, so a date without a lunar date is a fault to report.
void refuseDate(PastimeWindow* window, const DialogHooks* hooks) {
  hooks->inform(window, QObject::tr("温馨提示"), QObject::tr("这个日期查不到农历：只能是1901年至2100年之间的日子"),
                DialogHooks::Tone::Warning);
}

QString lunarLine(const calendar::LunarDate& lunar) {
  return QObject::tr("<p>农历：%1%2</p>")
      .arg(htmlText(lunar.text()), lunar.leap ? QObject::tr("（闰月按本月算）") : QString());
}

// A reading of the birth date alone: its window "窗口_<title>" with the date box and "查看"; `read`
// gives the result, or nothing for a date without a lunar date.
PastimeWindow* makeBirthDateWindow(const QString& title, const QString& note, BirthStart start,
                                   const DialogHooks* hooks, QWidget* parent,
                                   std::function<std::optional<QString>(const calendar::Date&)> read) {
  auto* window = new PastimeWindow(QStringLiteral("窗口_") + title, title, note, parent, hooks);
  auto* row = addInputRow(window);
  auto* date = addDateBox(window, row, QObject::tr("公历生日"), QStringLiteral("日期框_生日"), start.date);
  auto* show = addRunButton(window, row, QObject::tr("查看"));
  QObject::connect(show, &QPushButton::clicked, window, [=] {
    if (const auto html = read(calendarDate(date->date()))) {
      window->showResult(*html);
    } else {
      refuseDate(window, hooks);
    }
  });
  return window;
}

}  // namespace

PastimeWindow* makeBoneWeightWindow(BirthStart start, const DialogHooks* hooks, QWidget* parent) {
  auto* window = new PastimeWindow(
      QStringLiteral("窗口_称骨论命"), QObject::tr("称骨论命"),
      QObject::tr("称骨是流传已久的民俗：把农历生年、月、日、时各自对应的“骨重”相加，再按总数说一段话。"
                  "这里的解读是我们自己写的，只为了解这种风俗，不是预测；人生的分量，从来不由几钱骨头决定。"),
      parent, hooks);
  auto* row = addInputRow(window);
  auto* date = addDateBox(window, row, QObject::tr("公历生日"), QStringLiteral("日期框_生日"), start.date);
  auto* hour = addHourBox(window, row, start.hour, false);
  auto* show = addRunButton(window, row, QObject::tr("称骨"));
  QObject::connect(show, &QPushButton::clicked, window, [=] {
    const auto weight = folk::boneWeightOf(calendarDate(date->date()), hour->currentData().toInt());
    if (!weight) {
      return refuseDate(window, hooks);
    }
    const auto& lunar = weight->lunar;
    const auto part = [](const QString& what, int qian) {
      return QStringLiteral("<tr><td>%1</td><td>%2</td></tr>").arg(what, htmlText(folk::qianText(qian)));
    };
    window->showResult(lunarLine(lunar) + QStringLiteral("<table cellpadding=\"4\" border=\"1\" cellspacing=\"0\">") +
                       part(QObject::tr("年 %1").arg(htmlText(lunar.yearText())), weight->year) +
                       part(QObject::tr("月 %1").arg(htmlText(lunar.monthText())), weight->month) +
                       part(QObject::tr("日 %1").arg(htmlText(lunar.dayText())), weight->day) +
                       part(QObject::tr("时 %1").arg(htmlText(folk::hourSpanText(weight->hourBranch))), weight->hour) +
                       QStringLiteral("</table>") +
                       QObject::tr("<h3>合计：%1</h3><p>%2</p>")
                           .arg(htmlText(folk::qianText(weight->total())), htmlText(weight->text)));
  });
  return window;
}

PastimeWindow* makeElderWindow(BirthStart start, const DialogHooks* hooks, QWidget* parent) {
  return makeBirthDateWindow(
      QStringLiteral("上辈为人"),
      QObject::tr("“上辈为人”是按农历生年天干和生月说说家中长辈的民间趣谈。这里的说法是我们按五行意象和四季"
                  "自己写的，轻松看看就好，不是对任何一个家庭的评判。"),
      start, hooks, parent, [](const calendar::Date& birth) -> std::optional<QString> {
        const auto reading = folk::elderReadingOf(birth);
        if (!reading) {
          return std::nullopt;
        }
        return lunarLine(reading->lunar) + QObject::tr("<h3>生年天干：%1</h3><p>%2</p><h3>生月：%3</h3><p>%4</p>")
                                               .arg(htmlText(bazi::stemName(reading->yearStem)),
                                                    htmlText(reading->byStem), htmlText(reading->lunar.monthText()),
                                                    htmlText(reading->byMonth));
      });
}

PastimeWindow* makeWealthWindow(BirthStart start, const DialogHooks* hooks, QWidget* parent) {
  return makeBirthDateWindow(
      QStringLiteral("三世财运"),
      QObject::tr("三世财运按农历生年的天干说前世、今生、来世的财运，是民间的玩笑话。这里的文字是我们自己写的，"
                  "不是理财建议；日子过得宽裕，靠的是勤劳和节俭。"),
      start, hooks, parent, [](const calendar::Date& birth) -> std::optional<QString> {
        const auto reading = folk::wealthReadingOf(birth);
        if (!reading) {
          return std::nullopt;
        }
        return lunarLine(reading->lunar) +
               QObject::tr("<h3>生年天干：%1</h3><p><b>前世</b>：%2</p><p><b>今生</b>：%3</p><p><b>来世</b>：%4</p>")
                   .arg(htmlText(bazi::stemName(reading->yearStem)), htmlText(reading->past),
                        htmlText(reading->present), htmlText(reading->future));
      });
}

}  // namespace quillan::app
