#include "content/SolarTermsPage.h"

#include "calendar/LunarDate.h"
#include "calendar/SolarTerm.h"
#include "content/Festivals.h"
#include "content/PageParts.h"
#include "content/PageShell.h"

namespace quillan::content {
std::optional<std::string> solarTermsPageHtml(int year) {
  const auto terms = calendar::solarTermsOf(year);
  if (!terms) {
    return std::nullopt;
  }
  std::string body = yearNavigationHtml("essjqb", year);
  body +=
      "<p>二十四节气是古人观察太阳一年的运行而定下的时令：太阳在黄道上每走十五度，就到一个节气。"
      "它们的公历日期每年只差一两天，农历日期却年年不同。下表是" +
      std::to_string(year) + "年的二十四个节气。</p>\n";
  body += "<table>\n";
  body += rowHtml({"节气", "公历日期", "交节时刻", "星期", "农历"}, true);
  for (const auto& term : *terms) {
    const auto& date = term.moment.date;
    const auto lunar = calendar::lunarDateOf(date);
    const std::string lunarText = lunar ? lunar->monthText() + lunar->dayText() : std::string{};
    body += rowHtml({"<b>" + term.name() + "</b>", fullDateText(date), clockText(term.moment),
                     std::string(weekdayName(weekdayOf(date))), lunarText});
  }
  body += "</table>\n";
  body +=
      "<h2>节气歌</h2>\n<p>春雨惊春清谷天，<br>夏满芒夏暑相连。<br>秋处露秋寒霜降，<br>冬雪雪冬小大寒。</p>\n"
      "<p class=\"note\">交节时刻为北京时间，由本程序按太阳的视黄经推算，精确到分钟。</p>\n";
  return pageHtml("二十四节气表", body);
}

}  // namespace quillan::content
