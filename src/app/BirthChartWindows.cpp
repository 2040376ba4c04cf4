#include "app/BirthChartWindows.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ElementBars.h"
#include "app/PastimeInputs.h"
#include "app/PastimeWindow.h"
#include "bazi/ChartMethod.h"
#include "bazi/ChartText.h"
#include "bazi/DayStemReadings.h"
#include "calendar/DateTime.h"

namespace quillan::app {
namespace {

QString text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

// Provincial capitals and a few large cities with their longitude (degrees east).
struct Place {
  const char* name;
  double longitude;
};
constexpr Place kPlaces[] = {
    {"北京", 116.4}, {"天津", 117.2},     {"上海", 121.5},   {"重庆", 106.5}, {"哈尔滨", 126.6},  {"长春", 125.3},
    {"沈阳", 123.4}, {"呼和浩特", 111.7}, {"石家庄", 114.5}, {"太原", 112.5}, {"济南", 117.0},    {"郑州", 113.6},
    {"西安", 108.9}, {"兰州", 103.8},     {"银川", 106.3},   {"西宁", 101.8}, {"乌鲁木齐", 87.6}, {"合肥", 117.3},
    {"南京", 118.8}, {"杭州", 120.2},     {"长沙", 113.0},   {"南昌", 115.9}, {"武汉", 114.3},    {"成都", 104.1},
    {"贵阳", 106.7}, {"昆明", 102.7},     {"拉萨", 91.1},    {"南宁", 108.4}, {"广州", 113.3},    {"福州", 119.3},
    {"海口", 110.3}, {"台北", 121.5},     {"香港", 114.2},   {"澳门", 113.5},
};

constexpr const char* kPositionNames[] = {"年柱", "月柱", "日柱", "时柱"};

QString polarity(bazi::Polarity p) { return p == bazi::Polarity::Yang ? QObject::tr("阳") : QObject::tr("阴"); }

QString pillarsHtml(const bazi::BirthChart& chart) {
  QString html = QObject::tr(
      "<table cellpadding=\"4\" border=\"1\" cellspacing=\"0\"><tr><th></th><th>干支</th>"
      "<th>天干</th><th>地支</th><th>十神</th><th>藏干（十神）</th><th>纳音</th></tr>");
  for (const auto& p : chart.pillars) {
    QString hidden;
    for (const auto& h : p.hidden) {
      hidden += QStringLiteral("%1（%2） ").arg(text(bazi::stemName(h.stem)), text(bazi::tenGodName(h.god)));
    }
    html +=
        QStringLiteral(
            "<tr><td>%1</td><td><b>%2</b></td><td>%3%4%5</td><td>%6%7%8</td><td>%9</td><td>%10</td>"
            "<td>%11</td></tr>")
            .arg(QObject::tr(kPositionNames[static_cast<std::size_t>(p.position)]), text(p.name()),
                 text(bazi::stemName(p.stem)), text(bazi::elementName(bazi::stemElement(p.stem))),
                 polarity(bazi::stemPolarity(p.stem)), text(bazi::branchName(p.branch)),
                 text(bazi::elementName(bazi::branchElement(p.branch))), polarity(bazi::branchPolarity(p.branch)),
                 p.stemGod ? text(bazi::tenGodName(*p.stemGod)) : QObject::tr("日主"), hidden.trimmed(), text(p.nayin));
  }
  return html + QStringLiteral("</table>");
}

QString stepsHtml(const bazi::BirthChart& chart) {
  QString html;
  for (const auto& step : bazi::methodSteps(chart)) {
    html += QStringLiteral("<p>%1</p>").arg(text(step).toHtmlEscaped());
  }
  return html + QStringLiteral("<p><b>%1</b></p>").arg(text(bazi::reasonSentence(chart)).toHtmlEscaped());
}

QString timeLine(const bazi::BirthChart& chart) {
  if (!chart.birth.longitude || !chart.hourKnown) {
    return chart.hourKnown ? QString() : QObject::tr("<p>时辰未知：只排年、月、日三柱六字。</p>");
  }
  return QObject::tr("<p>真太阳时：%1（东经 %2°，平太阳时加均时差）</p>")
      .arg(text(calendar::formatDateTime(chart.used)))
      .arg(*chart.birth.longitude, 0, 'f', 1);
}

}  // namespace

PastimeWindow* makeBirthChartWindow(ChartView view, BirthStart start, const DialogHooks* hooks, QWidget* parent) {
  static const char* const kNames[] = {"窗口_生辰八字", "窗口_八字测算", "窗口_日干论命"};
  static const char* const kTitles[] = {"生辰八字", "八字测算", "日干论命"};
  const auto index = static_cast<std::size_t>(view);
  auto* window = new PastimeWindow(
      QString::fromUtf8(kNames[index]), QObject::tr(kTitles[index]),
      QObject::tr("八字与五行是传统民俗文化的一部分，这里按一种写明的方法一步步算给您看，仅供了解和参考，不是预测，"
                  "也不能替代任何决定。"),
      parent, hooks);
  auto* row = addInputRow(window);
  auto* date = addDateBox(window, row, QObject::tr("公历生日"), QStringLiteral("日期框_生日"), start.date);
  auto* hour = addHourBox(window, row, start.hour, true);
  auto* place = new QComboBox(window);
  place->setObjectName(QStringLiteral("组合框_出生地"));
  place->addItem(QObject::tr("不校正（北京时间）"), QVariant());
  for (const Place& p : kPlaces) {
    place->addItem(QObject::tr("%1（东经%2°）").arg(QString::fromUtf8(p.name)).arg(p.longitude, 0, 'f', 1),
                   p.longitude);
  }
  row->addWidget(place);
  auto* show = addRunButton(window, row, QObject::tr("排盘"));
  ElementBars* bars = nullptr;
  if (view == ChartView::Balance) {
    bars = new ElementBars(window);
    window->inputs()->addWidget(bars);
  }

  QObject::connect(show, &QPushButton::clicked, window, [=] {
    const QDate day = date->date();
    bazi::BirthMoment birth{{day.year(), day.month(), day.day()}, std::nullopt, 0, std::nullopt};
    if (const int h = hour->currentData().toInt(); h >= 0) {
      birth.hour = h;
    }
    if (place->currentData().isValid()) {
      birth.longitude = place->currentData().toDouble();
    }
    const auto chart = bazi::birthChart(birth);
    if (!chart) {
      hooks->inform(window, QObject::tr("温馨提示"), QObject::tr("这个日期排不出八字：只能是1901年至2100年之间的日子"),
                    DialogHooks::Tone::Warning);
      return;
    }
    QString html = QStringLiteral("<h3>%1</h3>").arg(text(bazi::chartLine(*chart)).toHtmlEscaped()) + timeLine(*chart);
    switch (view) {
      case ChartView::Pillars:
        html += pillarsHtml(*chart) + QObject::tr("<p>五行个数：%1</p>").arg(text(bazi::countsText(*chart)));
        break;
      case ChartView::Balance: {
        std::array<int, 5> weights{};
        std::array<bool, 5> supporting{};
        for (bazi::Element element : bazi::kElements) {
          const auto i = static_cast<std::size_t>(element);
          weights[i] = bazi::weightOf(*chart, element);
          supporting[i] = element == chart->dayElement() || element == bazi::generatedBy(chart->dayElement());
        }
        bars->setWeights(weights, supporting);
        html += stepsHtml(*chart);
        break;
      }
      case ChartView::DayStem:
        html += QObject::tr("<h3>日干：%1%2</h3><p>%3</p>")
                    .arg(text(bazi::stemName(chart->day().stem)), text(bazi::elementName(chart->dayElement())),
                         text(bazi::dayStemReading(chart->day().stem)).toHtmlEscaped());
        break;
    }
    window->showResult(html);
  });
  return window;
}

}  // namespace quillan::app
