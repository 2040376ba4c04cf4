#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "calendar/Date.h"
#include "calendar/DateTime.h"

namespace quillan::content {

// Small pieces the generated pages share.

// "2月4日".
std::string monthDayText(const calendar::Date& date);

// "2026年2月4日".
std::string fullDateText(const calendar::Date& date);

// "04:02" (China Standard Time, to the minute).
std::string clockText(const calendar::DateTime& moment);

// <a href="file?query">text</a>, the text escaped.
std::string linkHtml(std::string_view href, std::string_view text);

// "←2025年　2026年　2027年→": links to the pages of the years around `year` ("name-2025.htm"),
// within the calendar's years.
std::string yearNavigationHtml(std::string_view name, int year);

// One table row of cells already in HTML; `header` makes them <th>.
std::string rowHtml(std::initializer_list<std::string_view> cellsHtml, bool header = false);

}  // namespace quillan::content
