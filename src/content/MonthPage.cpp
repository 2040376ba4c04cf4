#include "content/MonthPage.h"

#include <map>
#include <vector>

#include "calendar/CalendarRange.h"
#include "calendar/MonthView.h"
#include "content/Festivals.h"
#include "content/PageParts.h"
#include "content/PageShell.h"

namespace quillan::content {
namespace {

std::string monthHref(int year, int month) {
  return "wannianli-" + std::to_string(year) + "-" + std::to_string(month) + ".htm";
}

bool inRange(int year, int month) { return calendar::inCalendarRange(calendar::Date{year, month, 1}); }

// A link to a month when the calendar has it; the plain text otherwise.
std::string monthLink(int year, int month, std::string_view text) {
  if (month < 1) {
    --year;
    month += 12;
  } else if (month > 12) {
    ++year;
    month -= 12;
  }
  return inRange(year, month) ? linkHtml(monthHref(year, month), text) : std::string{};
}

std::string navigation(int year, int month, const calendar::Date& today) {
  std::string html = "<p>";
  for (const auto& part : {monthLink(year - 1, month, "←上一年"), monthLink(year, month - 1, "←上月")}) {
    if (!part.empty()) {
      html += part + "　";
    }
  }
  html += "<b>" + std::to_string(year) + "年" + std::to_string(month) + "月</b>";
  for (const auto& part : {monthLink(year, month + 1, "下月→"), monthLink(year + 1, month, "下一年→")}) {
    if (!part.empty()) {
      html += "　" + part;
    }
  }
  if (inRange(today.year, today.month) && (today.year != year || today.month != month)) {
    html += "　" + linkHtml(monthHref(today.year, today.month), "回到本月");
  }
  html += "</p>\n<p>";
  for (int m = 1; m <= 12; ++m) {
    html += m == month ? "<b>" + std::to_string(m) + "月</b>" : monthLink(year, m, std::to_string(m) + "月");
    html += m < 12 ? " " : "";
  }
  html += "</p>\n";
  return html;
}

// What a day's cell says under its number: a festival, else the solar term, else the lunar month
// on its first day, else the lunar day.
std::string cellNote(const calendar::MonthViewDay& day, const std::vector<const Festival*>& festivalsOfDay) {
  for (const auto* festival : festivalsOfDay) {
    if (festival->group != FestivalGroup::International) {
      return std::string(festival->name);
    }
  }
  if (day.term) {
    return day.term->name();
  }
  return day.lunar.day == 1 ? day.lunar.monthText() : day.lunar.dayText();
}

}  // namespace

std::optional<std::string> monthPageHtml(int year, int month, const calendar::Date& today) {
  const auto view = calendar::monthView(year, month);
  if (!view) {
    return std::nullopt;
  }
  std::map<int, std::vector<const Festival*>> festivalsByDay;
  std::vector<FestivalDay> monthFestivals;
  for (const auto& festivalDay : festivalDaysOf(year)) {
    if (festivalDay.date.month == month) {
      festivalsByDay[festivalDay.date.day].push_back(festivalDay.festival);
      monthFestivals.push_back(festivalDay);
    }
  }

  std::string body = navigation(year, month, today);
  const auto& first = view->front().lunar;
  const auto& last = view->back().lunar;
  body += "<p>农历" + first.yearText() + "年（" + first.zodiac() + "年）";
  if (last.year != first.year) {
    body += "至" + last.yearText() + "年（" + last.zodiac() + "年）";
  }
  body += "</p>\n";

  body += "<table>\n";
  body += rowHtml({"日", "一", "二", "三", "四", "五", "六"}, true);
  const int lead = weekdayOf(view->front().date);
  std::string row = "<tr>";
  for (int i = 0; i < lead; ++i) {
    row += "<td></td>";
  }
  int column = lead;
  for (const auto& day : *view) {
    const bool weekend = column == 0 || column == 6;
    const bool isToday = day.date == today;
    row += isToday ? "<td align=\"center\" bgcolor=\"#f3e6d3\">" : "<td align=\"center\">";
    row += weekend ? "<b><font color=\"#b0541b\">" : "<b>";
    row += std::to_string(day.date.day);
    row += weekend ? "</font></b>" : "</b>";
    row += "<br><span class=\"note\">" + escapeHtml(cellNote(day, festivalsByDay[day.date.day])) + "</span></td>";
    if (++column == 7) {
      body += row + "</tr>\n";
      row = "<tr>";
      column = 0;
    }
  }
  if (column != 0) {
    for (; column < 7; ++column) {
      row += "<td></td>";
    }
    body += row + "</tr>\n";
  }
  body += "</table>\n";

  body += "<h2>本月节气</h2>\n<ul>\n";
  for (const auto& day : *view) {
    if (day.term) {
      body += "<li>" + monthDayText(day.date) + " " + clockText(day.term->moment) + "　" + day.term->name() + "</li>\n";
    }
  }
  body += "</ul>\n";
  if (!monthFestivals.empty()) {
    body += "<h2>本月节日</h2>\n<ul>\n";
    for (const auto& festivalDay : monthFestivals) {
      body += "<li>" + monthDayText(festivalDay.date) + "　" + escapeHtml(festivalDay.festival->name) + "</li>\n";
    }
    body += "</ul>\n";
  }
  body += "<p class=\"note\">农历和节气由本程序按天文方法推算，节气时刻为北京时间。</p>\n";
  return pageHtml("万年历查询", body);
}

}  // namespace quillan::content
