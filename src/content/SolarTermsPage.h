#pragma once

#include <optional>
#include <string>

namespace quillan::content {

// "essjqb.htm", the page "二十四节气表" of a year 1901–2100: every term with its date, time
// (China Standard Time, to the minute), weekday and lunar date, and links to the years before
// and after ("essjqb-2027.htm"). nullopt for a year outside the calendar.
std::optional<std::string> solarTermsPageHtml(int year);

}  // namespace quillan::content
