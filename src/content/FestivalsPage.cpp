#include "content/FestivalsPage.h"

#include "content/Festivals.h"
#include "content/PageParts.h"
#include "content/PageShell.h"

namespace quillan::content {
namespace {

// The days of one festival this year: "2月17日（星期二）", several joined by "、".
std::string datesText(const Festival& festival, const std::vector<FestivalDay>& days) {
  std::string text;
  for (const auto& day : days) {
    if (day.festival == &festival) {
      text += text.empty() ? "" : "、";
      text += monthDayText(day.date) + "（" + std::string(weekdayName(weekdayOf(day.date))) + "）";
    }
  }
  return text.empty() ? "本年没有" : text;
}

std::string groupTable(FestivalGroup group, int year, const std::vector<FestivalDay>& days) {
  const bool traditional = group == FestivalGroup::ChineseTraditional;
  std::string html = "<table>\n";
  html += rowHtml({"节日", traditional ? "农历日期" : "日期", std::to_string(year) + "年", "说明"}, true);
  for (const auto& festival : festivals()) {
    if (festival.group == group) {
      html += rowHtml({"<b>" + escapeHtml(festival.name) + "</b>", festivalRuleText(festival),
                       datesText(festival, days), escapeHtml(festival.note)});
    }
  }
  html += "</table>\n";
  return html;
}

}  // namespace

std::optional<std::string> festivalsPageHtml(int year) {
  const auto days = festivalDaysOf(year);
  if (days.empty()) {
    return std::nullopt;
  }
  std::string body = yearNavigationHtml("zwzyjrjb", year);
  body += "<p>传统节日大多按农历过，公历日期每年不同；下表按本程序推算的农历，给出它们在" + std::to_string(year) +
          "年的公历日期。农历腊月的节日可能落在公历年初，也可能落在年底。</p>\n";
  body += "<h2>中国传统节日</h2>\n" + groupTable(FestivalGroup::ChineseTraditional, year, days);
  body += "<h2>中国的公历节日</h2>\n" + groupTable(FestivalGroup::Chinese, year, days);
  body += "<h2>国际节日</h2>\n" + groupTable(FestivalGroup::International, year, days);
  body += "<p class=\"note\">节日的放假安排以国家每年公布的通知为准。</p>\n";
  return pageHtml("中外节日表", body);
}

}  // namespace quillan::content
