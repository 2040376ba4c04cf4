#include "content/PageParts.h"

#include <cstdio>

#include "calendar/CalendarRange.h"
#include "content/PageShell.h"

namespace quillan::content {

std::string monthDayText(const calendar::Date& date) {
  return std::to_string(date.month) + "月" + std::to_string(date.day) + "日";
}

std::string fullDateText(const calendar::Date& date) { return std::to_string(date.year) + "年" + monthDayText(date); }

std::string clockText(const calendar::DateTime& moment) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d:%02d", moment.hour % 100, moment.minute % 100);
  return text;
}

std::string linkHtml(std::string_view href, std::string_view text) {
  return "<a href=\"" + escapeHtml(href) + "\">" + escapeHtml(text) + "</a>";
}

std::string yearNavigationHtml(std::string_view name, int year) {
  const auto href = [&](int y) { return std::string(name) + "-" + std::to_string(y) + ".htm"; };
  std::string html = "<p>";
  if (year > calendar::kFirstDate.year) {
    html += linkHtml(href(year - 1), "←" + std::to_string(year - 1) + "年") + "　";
  }
  html += "<b>" + std::to_string(year) + "年</b>";
  if (year < calendar::kLastDate.year) {
    html += "　" + linkHtml(href(year + 1), std::to_string(year + 1) + "年→");
  }
  html += "</p>\n";
  return html;
}

std::string rowHtml(std::initializer_list<std::string_view> cellsHtml, bool header) {
  const std::string_view open = header ? "<th>" : "<td>";
  const std::string_view close = header ? "</th>" : "</td>";
  std::string row = "<tr>";
  for (const auto cell : cellsHtml) {
    row.append(open).append(cell).append(close);
  }
  row += "</tr>\n";
  return row;
}

}  // namespace quillan::content
