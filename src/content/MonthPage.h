#pragma once

#include <optional>
#include <string>

#include "calendar/Date.h"

namespace quillan::content {

// "wannianli.htm", the page "万年历查询" for one month of 1901–2100: a week grid with each day's
// Gregorian and lunar day, the solar terms and festivals, links to the months and years around
// it ("wannianli-2026-6.htm") and back to today's month. `today` is marked when it falls
// in the month. nullopt for a month outside the calendar.
std::optional<std::string> monthPageHtml(int year, int month, const calendar::Date& today);

}  // namespace quillan::content
